// What the editor remembers between input calls: the flags and keywords set by acedInitGet for
// the next call, the keyword of the last call answered by one, the last point entered, and the
// picker that finds entities under a picked point.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "dbid.h"
#include "editor_keywords.h"
#include "gepnt3d.h"

namespace rvnhost {

struct InputRequest {
    int flags = 0;
    KeywordList keywords;
};

// Finds entities for acedEntSel. The drawing's entities provide one; without one a picked point
// finds nothing.
class EntityPicker {
public:
    virtual ~EntityPicker() = default;
    // The entity under the point within the pick box; a null id when there is none.
    virtual AcDbObjectId entityAt(const AcGePoint3d& point) = 0;
    // A point on the entity: the pick point reported when the entity is named by its handle.
    virtual AcGePoint3d pointOn(AcDbObjectId entity) = 0;
};

class EditorState {
public:
    static EditorState& instance();

    void setNextRequest(int flags, std::wstring_view keywords);
    // The request for this input call; the next call starts without flags and keywords.
    InputRequest takeRequest();

    // Every input call clears the keyword; a call answered by RTKWORD sets it.
    void clearKeyword() { keyword_.reset(); }
    void setKeyword(std::wstring keyword) { keyword_ = std::move(keyword); }
    const std::optional<std::wstring>& keyword() const { return keyword_; }

    const AcGePoint3d& lastPoint() const { return lastPoint_; }
    void setLastPoint(const AcGePoint3d& point) { lastPoint_ = point; }

    EntityPicker* picker() const { return picker_.get(); }
    // Installs a picker and returns the one it replaces.
    std::unique_ptr<EntityPicker> setPicker(std::unique_ptr<EntityPicker> picker);

private:
    InputRequest next_;
    std::optional<std::wstring> keyword_;
    AcGePoint3d lastPoint_;
    std::unique_ptr<EntityPicker> picker_;
};

}  // namespace rvnhost

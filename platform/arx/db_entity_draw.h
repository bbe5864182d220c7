// The host's draw list: what AcDbEntity::draw() put on the screen, in order. There is no screen
// here; tests and the shell read the list.
#pragma once

#include <string>
#include <vector>

#include "dbid.h"

namespace rvnhost {

struct DrawnEntity {
    AcDbObjectId id;
    std::wstring className;
};

class DrawList {
public:
    static DrawList& instance();

    void add(DrawnEntity drawn) { entries_.push_back(std::move(drawn)); }
    const std::vector<DrawnEntity>& entries() const { return entries_; }
    // How many times that entity was drawn.
    int count(AcDbObjectId id) const;
    void clear() { entries_.clear(); }

private:
    std::vector<DrawnEntity> entries_;
};

}  // namespace rvnhost

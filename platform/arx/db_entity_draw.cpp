#include "db_entity_draw.h"

#include <algorithm>

#include "dbentity.h"
#include "rxclass.h"

namespace rvnhost {

DrawList& DrawList::instance() {
    static DrawList list;
    return list;
}

int DrawList::count(AcDbObjectId id) const {
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(), [&](const DrawnEntity& d) { return d.id == id; }));
}

}  // namespace rvnhost

// An erased entity is not drawn: eWasErased.
Acad::ErrorStatus AcDbEntity::draw() {
    Acad::ErrorStatus status = assertReadEnabled();
    if (status != Acad::eOk) return status;
    if (isErased()) return Acad::eWasErased;
    rvnhost::DrawList::instance().add({objectId(), isA()->name()});
    return Acad::eOk;
}

#include "pick.h"

#include <cmath>
#include <memory>

#include "adscodes.h"
#include "db_entity_extents.h"
#include "dbblkref.h"
#include "dbents_curve.h"
#include "dbmain.h"
#include "dbpoint.h"
#include "dbsymtb.h"
#include "dbtext.h"
#include "drawing_view.h"
#include "editor_state.h"
#include "gelineseg3d.h"
#include "object_access.h"
#include "sysvars.h"
#include "ucs.h"

namespace rvnhost {

namespace {

// The drawing as the plan view of the current UCS shows it: WCS points to view points, whose Z
// the picking ignores.
class PlanView {
public:
    PlanView() : toView_(ucsToWorld().inverse()) {}
    AcGePoint3d flat(const AcGePoint3d& world) const {
        const AcGePoint3d view = toView_ * world;
        return {view.x, view.y, 0.0};
    }
    // The view's box around a WCS box (its eight corners seen in the view).
    AcDbExtents flat(const AcDbExtents& world) const {
        AcDbExtents view = world;
        view.transformBy(toView_);
        const AcGePoint3d low = view.minPoint(), high = view.maxPoint();
        return AcDbExtents({low.x, low.y, 0.0}, {high.x, high.y, 0.0});
    }

private:
    AcGeMatrix3d toView_;
};

bool withinBox(const AcGePoint3d& a, const AcGePoint3d& b, double box) {
    return std::abs(a.x - b.x) <= box && std::abs(a.y - b.y) <= box;
}

bool isVisibleLayer(AcDbObjectId layer) {
    const auto* record = AcDbLayerTableRecord::cast(ObjectAccess::peek(layer));
    return record == nullptr || (!record->isFrozen() && !record->isOff());
}

bool extentsHit(const AcDbEntity& entity, const PlanView& view, const AcGePoint3d& point, double box) {
    AcDbExtents extents;
    if (EntityGeometry::extents(entity, extents) != Acad::eOk) return false;
    return view.flat(extents).contains(point, box);
}

bool curveHit(const AcDbCurve& curve, const PlanView& view, const AcGePoint3d& point, double box) {
    const AcGePoint3dArray path = curve.pathPoints();
    if (path.size() == 1) return withinBox(view.flat(path.front()), point, box);
    for (std::size_t i = 1; i < path.size(); ++i) {
        if (AcGeLineSeg3d(view.flat(path[i - 1]), view.flat(path[i])).distanceTo(point) <= box) return true;
    }
    return false;
}

bool isHit(const AcDbEntity& entity, const PlanView& view, const AcGePoint3d& point, double box) {
    if (const auto* reference = AcDbBlockReference::cast(&entity)) {
        return withinBox(view.flat(reference->position()), point, box) || extentsHit(entity, view, point, box);
    }
    if (const auto* curve = AcDbCurve::cast(&entity)) return curveHit(*curve, view, point, box);
    if (const auto* text = AcDbText::cast(&entity)) return withinBox(view.flat(text->position()), point, box);
    if (const auto* spot = AcDbPoint::cast(&entity)) return withinBox(view.flat(spot->position()), point, box);
    return extentsHit(entity, view, point, box);
}

// A WCS point of the entity: its insertion point, the start of its path, or its position.
AcGePoint3d worldPointOn(const AcDbEntity& entity) {
    if (const auto* reference = AcDbBlockReference::cast(&entity)) return reference->position();
    if (const auto* text = AcDbText::cast(&entity)) return text->position();
    if (const auto* spot = AcDbPoint::cast(&entity)) return spot->position();
    if (const auto* curve = AcDbCurve::cast(&entity)) {
        const AcGePoint3dArray path = curve->pathPoints();
        if (!path.empty()) return path.front();
    }
    AcDbExtents extents;
    return EntityGeometry::extents(entity, extents) == Acad::eOk ? extents.minPoint() : AcGePoint3d::kOrigin;
}

const AcDbBlockTableRecord* modelSpaceOf(AcDbDatabase& database) {
    const auto* blocks = AcDbSymbolTable::cast(ObjectAccess::peek(database.blockTableId()));
    if (blocks == nullptr) return nullptr;
    return AcDbBlockTableRecord::cast(ObjectAccess::peek(blocks->findRecord(ACDB_MODEL_SPACE, false)));
}

class DrawingPicker : public EntityPicker {
public:
    AcDbObjectId entityAt(const AcGePoint3d& point) override {
        AcDbDatabase* database = workingDatabase();
        return database != nullptr ? entityUnder(*database, point, pickBox()) : AcDbObjectId();
    }
    AcGePoint3d pointOn(AcDbObjectId entity) override { return pointOnEntity(entity); }
};

resbuf shortValue(int value) {
    resbuf initial{};
    initial.restype = RTSHORT;
    initial.resval.rint = static_cast<short>(value);
    return initial;
}

const bool kInstalled = (installDrawingPicker(), true);

}  // namespace

int pickBoxPixels() {
    resbuf value{};
    if (getVariable(L"PICKBOX", value) != RTNORM || value.restype != RTSHORT) return kDefaultPickBox;
    return value.resval.rint;
}

double pickBox() { return pickBoxPixels() * DrawingView::instance().pixelSize(); }

AcDbObjectId entityUnder(AcDbDatabase& database, const AcGePoint3d& ucsPoint, double box) {
    const AcDbBlockTableRecord* modelSpace = modelSpaceOf(database);
    if (modelSpace == nullptr) return AcDbObjectId();
    const PlanView view;
    const AcGePoint3d point(ucsPoint.x, ucsPoint.y, 0.0);
    const std::vector<AcDbObjectId>& entities = modelSpace->entityIds();
    for (auto id = entities.rbegin(); id != entities.rend(); ++id) {
        const AcDbEntity* entity = AcDbEntity::cast(ObjectAccess::peek(*id));
        if (entity == nullptr || id->isErased() || !isVisibleLayer(entity->layerId())) continue;
        if (isHit(*entity, view, point, box)) return *id;
    }
    return AcDbObjectId();
}

AcGePoint3d pointOnEntity(AcDbObjectId entity) {
    const AcDbEntity* found = AcDbEntity::cast(ObjectAccess::peek(entity));
    if (found == nullptr) return AcGePoint3d::kOrigin;
    return ucsToWorld().inverse() * worldPointOn(*found);
}

// PICKBOX keeps its value when the picker is installed again.
void installDrawingPicker() {
    EditorState::instance().setPicker(std::make_unique<DrawingPicker>());
    resbuf current{};
    if (getVariable(L"PICKBOX", current) == RTNORM) return;
    auto box = std::make_shared<int>(kDefaultPickBox);
    defineVariable(
        L"PICKBOX",
        [box](resbuf& result) {
            result = shortValue(*box);
            return RTNORM;
        },
        [box](const resbuf& value) {
            long size = -1;
            if (value.restype == RTSHORT) size = value.resval.rint;
            if (value.restype == RTLONG) size = value.resval.rlong;
            if (size < 0 || size > kLargestPickBox) return RTERROR;
            *box = static_cast<int>(size);
            return RTNORM;
        });
}

}  // namespace rvnhost

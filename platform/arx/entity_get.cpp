// acdbEntLast, acdbEntGet and acdbEntGetX: entities of the drawing as entity lists.
#include "acdbads.h"

#include "acutmem.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "editor_open_object.h"
#include "object_access.h"
#include "sysvars.h"

#include <utility>

namespace rvnhost {
namespace {

// Appends items to a list being built.
class ListBuilder {
public:
    resbuf* release() { return std::exchange(head_, nullptr); }
    ~ListBuilder() {
        if (head_ != nullptr) acutRelRb(head_);
    }

    // Takes the item, or a whole list, at the end.
    void add(resbuf* items) {
        *tail_ = items;
        while (items->rbnext != nullptr) items = items->rbnext;
        tail_ = &items->rbnext;
    }
    void text(int code, const std::wstring& value) {
        resbuf* item = acutNewRb(code);
        acutNewString(value.c_str(), item->resval.rstring);
        add(item);
    }
    void real(int code, double value) {
        resbuf* item = acutNewRb(code);
        item->resval.rreal = value;
        add(item);
    }
    void integer(int code, int value) {
        resbuf* item = acutNewRb(code);
        item->resval.rint = static_cast<short>(value);
        add(item);
    }
    void point(int code, const AcGePoint3d& value) {
        resbuf* item = acutNewRb(code);
        item->resval.rpoint[X] = value.x;
        item->resval.rpoint[Y] = value.y;
        item->resval.rpoint[Z] = value.z;
        add(item);
    }
    void name(int code, AcDbObjectId id) {
        resbuf* item = acutNewRb(code);
        acdbGetAdsName(item->resval.rlname, id);
        add(item);
    }

private:
    resbuf* head_ = nullptr;
    resbuf** tail_ = &head_;
};

// Points of planar entities are given in their plane (the entity's coordinate system).
AcGePoint3d inPlane(const AcGePoint3d& world, const AcGeVector3d& normal) {
    AcGePoint3d point = world;
    return point.transformBy(AcGeMatrix3d::planeToWorld(normal).inverse());
}

void addNormal(ListBuilder& list, const AcGeVector3d& normal) { list.point(210, AcGePoint3d::kOrigin + normal); }

void addText(ListBuilder& list, const AcDbText& text) {
    list.point(10, inPlane(text.position(), text.normal()));
    list.real(40, text.height());
    list.text(1, text.textStringConst());
    list.real(50, text.rotation());
    list.real(41, text.widthFactor());
    list.real(51, text.oblique());
    const std::wstring style = AcDbSymbolTable::recordName(text.textStyle());
    list.text(7, style.empty() ? L"Standard" : style);
    list.integer(72, text.horizontalMode());
    list.point(11, inPlane(text.alignmentPoint(), text.normal()));
    addNormal(list, text.normal());
}

void addGeometry(ListBuilder& list, const AcDbEntity& entity) {
    if (const auto* line = AcDbLine::cast(&entity)) {
        list.point(10, line->startPoint());
        list.point(11, line->endPoint());
    } else if (const auto* point = AcDbPoint::cast(&entity)) {
        list.point(10, point->position());
    } else if (const auto* definition = AcDbAttributeDefinition::cast(&entity)) {
        addText(list, *definition);
        list.text(3, definition->promptConst());
        list.text(2, definition->tagConst());
        list.integer(70, (definition->isInvisible() ? 1 : 0) | (definition->isConstant() ? 2 : 0) |
                             (definition->isVerifiable() ? 4 : 0) | (definition->isPreset() ? 8 : 0));
        list.integer(74, definition->verticalMode());
    } else if (const auto* attribute = AcDbAttribute::cast(&entity)) {
        addText(list, *attribute);
        list.text(2, attribute->tagConst());
        list.integer(70, (attribute->isInvisible() ? 1 : 0) | (attribute->isConstant() ? 2 : 0));
        list.integer(74, attribute->verticalMode());
    } else if (const auto* text = AcDbText::cast(&entity)) {
        addText(list, *text);
        list.integer(73, text->verticalMode());
    } else if (const auto* reference = AcDbBlockReference::cast(&entity)) {
        list.integer(66, reference->subentityList().sequenceEnd().isNull() ? 0 : 1);
        list.text(2, AcDbSymbolTable::recordName(reference->blockTableRecord()));
        list.point(10, inPlane(reference->position(), reference->normal()));
        list.real(41, reference->scaleFactors().sx);
        list.real(42, reference->scaleFactors().sy);
        list.real(43, reference->scaleFactors().sz);
        list.real(50, reference->rotation());
        addNormal(list, reference->normal());
    } else if (const auto* polyline = AcDb2dPolyline::cast(&entity)) {
        list.integer(66, 1);
        list.point(10, AcGePoint3d(0.0, 0.0, polyline->elevation()));
        list.integer(70, (polyline->isClosed() ? 1 : 0) | (polyline->isLinetypeGenerationOn() ? 128 : 0));
        list.real(40, polyline->defaultStartWidth());
        list.real(41, polyline->defaultEndWidth());
        addNormal(list, polyline->normal());
    } else if (const auto* vertex = AcDb2dVertex::cast(&entity)) {
        list.point(10, vertex->position());
        list.real(40, vertex->startWidth());
        list.real(41, vertex->endWidth());
        list.real(42, vertex->bulge());
        list.integer(70, 0);
    }
}

// The entity's list; null when the name names no entity of a drawing.
resbuf* entityList(const ads_name name, const resbuf* applications) {
    AcDbObjectId id;
    if (name == nullptr || acdbGetObjectId(id, name) != Acad::eOk) return nullptr;
    OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (!entity) return nullptr;
    ListBuilder list;
    list.name(-1, id);
    list.text(0, entity->isA()->dxfName());
    list.name(330, entity->ownerId());
    list.text(5, id.handle().text());
    list.text(8, AcDbSymbolTable::recordName(entity->layerId()));
    if (entity->colorIndex() != 256) list.integer(62, entity->colorIndex());
    addGeometry(list, *entity.get());
    bool marked = false;
    for (const resbuf* application = applications; application != nullptr; application = application->rbnext) {
        if (application->restype != RTSTR || application->resval.rstring == nullptr) continue;
        resbuf* data = entity->xData(application->resval.rstring);
        if (data == nullptr) continue;
        if (!std::exchange(marked, true)) list.add(acutNewRb(AcDb::kDxfXDataStart));
        list.add(data);
    }
    return list.release();
}

}  // namespace
}  // namespace rvnhost

int acdbEntLast(ads_name result) {
    result[0] = result[1] = 0;
    AcDbDatabase* database = rvnhost::workingDatabase();
    if (database == nullptr) return RTERROR;
    AcDbBlockTable* blocks = nullptr;
    if (database->getSymbolTable(blocks, AcDb::kForRead) != Acad::eOk) return RTERROR;
    AcDbObjectId spaceId;
    blocks->getAt(ACDB_MODEL_SPACE, spaceId);
    blocks->close();
    const auto* space = AcDbBlockTableRecord::cast(rvnhost::ObjectAccess::peek(spaceId));
    if (space == nullptr) return RTERROR;
    const std::vector<AcDbObjectId>& entities = space->entityIds();
    for (auto entity = entities.rbegin(); entity != entities.rend(); ++entity) {
        const AcDbObject* object = rvnhost::ObjectAccess::peek(*entity);
        if (object == nullptr || object->isErased()) continue;
        ads_name name{};
        if (acdbGetAdsName(name, *entity) != Acad::eOk) return RTERROR;
        result[0] = name[0];
        result[1] = name[1];
        return RTNORM;
    }
    return RTERROR;
}

resbuf* acdbEntGet(const ads_name entity) { return rvnhost::entityList(entity, nullptr); }

resbuf* acdbEntGetX(const ads_name entity, const resbuf* applications) {
    return rvnhost::entityList(entity, applications);
}

#include "entity_list.h"

#include "acdbads.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "name_compare.h"
#include "object_access.h"
#include "resbuf_kind.h"

#include <cmath>

namespace rvnhost {

EntityList::EntityList(const resbuf* list) {
    for (const resbuf* item = list; item != nullptr; item = item->rbnext) {
        if (item->restype == AcDb::kDxfXDataStart) {
            extendedData_ = item->rbnext;
            break;
        }
        const ResbufKind kind = resbufKind(item->restype);
        if (kind == ResbufKind::Unknown || (kind == ResbufKind::String && item->resval.rstring == nullptr)) {
            wellFormed_ = false;
        }
        groups_.push_back(item);
    }
    if (const ACHAR* name = wellFormed_ ? text(0) : nullptr) type_ = foldedName(name);
}

const resbuf* EntityList::group(int code) const {
    for (const resbuf* item : groups_) {
        if (item->restype == code) return item;
    }
    return nullptr;
}

std::optional<double> EntityList::real(int code) const {
    const resbuf* item = group(code);
    if (item == nullptr) return std::nullopt;
    return item->resval.rreal;
}

std::optional<int> EntityList::integer(int code) const {
    const resbuf* item = group(code);
    if (item == nullptr) return std::nullopt;
    return resbufKind(code) == ResbufKind::Long ? item->resval.rlong : item->resval.rint;
}

std::optional<AcGePoint3d> EntityList::point(int code) const {
    const resbuf* item = group(code);
    if (item == nullptr) return std::nullopt;
    return AcGePoint3d(item->resval.rpoint[X], item->resval.rpoint[Y], item->resval.rpoint[Z]);
}

const ACHAR* EntityList::text(int code) const {
    const resbuf* item = group(code);
    return item != nullptr ? item->resval.rstring : nullptr;
}

namespace {

bool isFinite(const AcGePoint3d& point) {
    return std::isfinite(point.x) && std::isfinite(point.y) && std::isfinite(point.z);
}

// A record of one of the database's symbol tables, looked up without opening it.
AcDbObjectId recordNamed(AcDbObjectId tableId, const ACHAR* name) {
    auto* table = AcDbSymbolTable::cast(ObjectAccess::peek(tableId));
    return table != nullptr && name != nullptr ? table->findRecord(name, false) : AcDbObjectId();
}

// Layer (8), linetype (6), colour (62) and extended data: what every entity carries.
int readCommonGroups(const EntityList& list, AcDbEntity& entity, ListEntity& made) {
    if (const ACHAR* layer = list.text(AcDb::kDxfLayerName)) {
        if (acdbSNValid(layer, 1) != RTNORM) return kBadLayerName;
        made.layer = layer;
    }
    if (const ACHAR* linetype = list.text(AcDb::kDxfLinetypeName)) {
        if (entity.setLinetype(linetype) != Acad::eOk) return kBadLinetypeName;
    }
    if (const std::optional<int> colour = list.integer(AcDb::kDxfColor)) {
        if (*colour < 0 || entity.setColorIndex(static_cast<Adesk::UInt16>(*colour)) != Acad::eOk) return kBadColour;
    }
    if (list.extendedData() != nullptr && entity.setXData(list.extendedData()) != Acad::eOk) return kBadExtendedData;
    return kListAccepted;
}

// The normal (210) of a planar entity, and the matrix from its plane's coordinates to the world.
std::optional<AcGeVector3d> normalOf(const EntityList& list) {
    const AcGePoint3d given = list.point(AcDb::kDxfNormalX).value_or(AcGePoint3d(0, 0, 1));
    const AcGeVector3d normal = given.asVector();
    if (normal.isZeroLength() || !isFinite(given)) return std::nullopt;
    return normal.normal();
}

AcGePoint3d inWorld(const AcGePoint3d& planePoint, const AcGeVector3d& normal) {
    AcGePoint3d point = planePoint;
    return point.transformBy(AcGeMatrix3d::planeToWorld(normal));
}

int readLine(const EntityList& list, std::unique_ptr<AcDbEntity>& made) {
    const std::optional<AcGePoint3d> start = list.point(10);
    const std::optional<AcGePoint3d> end = list.point(11);
    if (!start || !end) return kMandatoryFieldMissing;
    if (!isFinite(*start) || !isFinite(*end)) return kBadField;
    made = std::make_unique<AcDbLine>(*start, *end);
    return kListAccepted;
}

int readPoint(const EntityList& list, std::unique_ptr<AcDbEntity>& made) {
    const std::optional<AcGePoint3d> position = list.point(10);
    if (!position) return kMandatoryFieldMissing;
    if (!isFinite(*position)) return kBadField;
    made = std::make_unique<AcDbPoint>(*position);
    return kListAccepted;
}

// What texts, attribute definitions and attributes share: position (10, in the text's plane),
// height (40), text (1), rotation (50), width factor (41), oblique angle (51), style (7),
// justification (72 and 73 or 74, with the alignment point 11).
int readTextGroups(const EntityList& list, AcDbDatabase& database, AcDbText& text, int verticalCode) {
    const std::optional<AcGePoint3d> position = list.point(10);
    const std::optional<double> height = list.real(40);
    const ACHAR* value = list.text(1);
    if (!position || !height || value == nullptr) return kMandatoryFieldMissing;
    const std::optional<AcGeVector3d> normal = normalOf(list);
    if (!normal || !isFinite(*position)) return kBadField;
    if (const ACHAR* style = list.text(AcDb::kDxfTextStyleName)) {
        const AcDbObjectId styleId = recordNamed(database.textStyleTableId(), style);
        if (styleId.isNull() || text.setTextStyle(styleId) != Acad::eOk) return kBadTextStyleName;
    }
    const int horizontal = list.integer(72).value_or(AcDb::kTextLeft);
    const int vertical = list.integer(verticalCode).value_or(AcDb::kTextBase);
    const bool accepted =
        text.setNormal(*normal) == Acad::eOk && text.setPosition(inWorld(*position, *normal)) == Acad::eOk &&
        text.setHeight(*height) == Acad::eOk && text.setTextString(value) == Acad::eOk &&
        text.setRotation(list.real(50).value_or(0.0)) == Acad::eOk &&
        text.setWidthFactor(list.real(41).value_or(1.0)) == Acad::eOk &&
        text.setOblique(list.real(51).value_or(0.0)) == Acad::eOk &&
        horizontal >= AcDb::kTextLeft && horizontal <= AcDb::kTextFit && vertical >= AcDb::kTextBase &&
        vertical <= AcDb::kTextTop &&
        text.setHorizontalMode(static_cast<AcDb::TextHorzMode>(horizontal)) == Acad::eOk &&
        text.setVerticalMode(static_cast<AcDb::TextVertMode>(vertical)) == Acad::eOk &&
        text.setAlignmentPoint(inWorld(list.point(11).value_or(*position), *normal)) == Acad::eOk;
    return accepted ? kListAccepted : kBadField;
}

int readText(const EntityList& list, AcDbDatabase& database, std::unique_ptr<AcDbEntity>& made) {
    auto text = std::make_unique<AcDbText>();
    const int result = readTextGroups(list, database, *text, 73);
    made = std::move(text);
    return result;
}

int readAttributeDefinition(const EntityList& list, AcDbDatabase& database, std::unique_ptr<AcDbEntity>& made) {
    auto definition = std::make_unique<AcDbAttributeDefinition>();
    const ACHAR* tag = list.text(2);
    const ACHAR* prompt = list.text(3);
    if (tag == nullptr || prompt == nullptr) return kMandatoryFieldMissing;
    int result = readTextGroups(list, database, *definition, 74);
    const int flags = list.integer(70).value_or(0);
    if (result == kListAccepted &&
        (definition->setTag(tag) != Acad::eOk || definition->setPrompt(prompt) != Acad::eOk ||
         definition->setInvisible((flags & 1) != 0) != Acad::eOk || definition->setConstant((flags & 2) != 0) != Acad::eOk ||
         definition->setVerifiable((flags & 4) != 0) != Acad::eOk || definition->setPreset((flags & 8) != 0) != Acad::eOk)) {
        result = kBadField;
    }
    made = std::move(definition);
    return result;
}

int readAttribute(const EntityList& list, AcDbDatabase& database, std::unique_ptr<AcDbEntity>& made) {
    auto attribute = std::make_unique<AcDbAttribute>();
    const ACHAR* tag = list.text(2);
    if (tag == nullptr) return kMandatoryFieldMissing;
    int result = readTextGroups(list, database, *attribute, 74);
    const int flags = list.integer(70).value_or(0);
    if (result == kListAccepted && (attribute->setTag(tag) != Acad::eOk || attribute->setInvisible((flags & 1) != 0) != Acad::eOk ||
                                    attribute->setConstant((flags & 2) != 0) != Acad::eOk)) {
        result = kBadField;
    }
    made = std::move(attribute);
    return result;
}

// A reference of a block of the drawing (2), at 10 in its plane, scales 41 42 43, rotation 50.
int readInsert(const EntityList& list, AcDbDatabase& database, std::unique_ptr<AcDbEntity>& made) {
    const ACHAR* name = list.text(2);
    const std::optional<AcGePoint3d> position = list.point(10);
    if (name == nullptr || !position) return kMandatoryFieldMissing;
    const AcDbObjectId block = recordNamed(database.blockTableId(), name);
    auto* record = AcDbBlockTableRecord::cast(ObjectAccess::peek(block));
    if (record == nullptr || record->isLayout()) return kBadBlockName;
    const std::optional<AcGeVector3d> normal = normalOf(list);
    if (!normal || !isFinite(*position)) return kBadField;
    auto reference = std::make_unique<AcDbBlockReference>(inWorld(*position, *normal), block);
    const AcGeScale3d scale(list.real(41).value_or(1.0), list.real(42).value_or(1.0), list.real(43).value_or(1.0));
    const bool accepted = reference->setNormal(*normal) == Acad::eOk && reference->setScaleFactors(scale) == Acad::eOk &&
                          reference->setRotation(list.real(50).value_or(0.0)) == Acad::eOk &&
                          reference->setPosition(inWorld(*position, *normal)) == Acad::eOk;
    made = std::move(reference);
    return accepted ? kListAccepted : kBadField;
}

// A 2D polyline (flags 70: 1 closed, 128 linetype generation; 3D polylines and meshes are not
// read here), its elevation the Z of 10, default widths 40 and 41, curve type 75.
int readPolyline(const EntityList& list, std::unique_ptr<AcDbEntity>& made) {
    const int flags = list.integer(70).value_or(0);
    if ((flags & (8 | 16 | 64)) != 0) return kBadPolyline;
    const int curve = list.integer(75).value_or(0);
    if (curve != 0 && curve != 5 && curve != 6) return kBadPolyline;
    const std::optional<AcGeVector3d> normal = normalOf(list);
    if (!normal) return kBadField;
    auto polyline = std::make_unique<AcDb2dPolyline>();
    const AcDb::Poly2dType type = curve == 5 ? AcDb::k2dQuadSplinePoly : curve == 6 ? AcDb::k2dCubicSplinePoly : AcDb::k2dSimplePoly;
    const bool accepted =
        polyline->setNormal(*normal) == Acad::eOk && polyline->setPolyType(type) == Acad::eOk &&
        polyline->setElevation(list.point(10).value_or(AcGePoint3d::kOrigin).z) == Acad::eOk &&
        polyline->setDefaultStartWidth(list.real(40).value_or(0.0)) == Acad::eOk &&
        polyline->setDefaultEndWidth(list.real(41).value_or(0.0)) == Acad::eOk &&
        polyline->setThickness(list.real(39).value_or(0.0)) == Acad::eOk &&
        polyline->setLinetypeGenerationOn((flags & 128) != 0) == Acad::eOk &&
        ((flags & 1) != 0 ? polyline->makeClosed() : polyline->makeOpen()) == Acad::eOk;
    made = std::move(polyline);
    return accepted ? kListAccepted : kBadField;
}

// A vertex of a 2D polyline at 10 (the polyline's plane), widths 40 and 41 (the polyline's
// defaults when missing), bulge 42.
int readVertex(const EntityList& list, const AcDbEntity* owner, std::unique_ptr<AcDbEntity>& made) {
    const auto* polyline = AcDb2dPolyline::cast(owner);
    const std::optional<AcGePoint3d> position = list.point(10);
    if (polyline == nullptr) return kBadEntityType;
    if (!position) return kMandatoryFieldMissing;
    if (!isFinite(*position)) return kBadField;
    auto vertex = std::make_unique<AcDb2dVertex>();
    const bool accepted =
        vertex->setPosition(AcGePoint3d(position->x, position->y, polyline->elevation())) == Acad::eOk &&
        vertex->setStartWidth(list.real(40).value_or(polyline->defaultStartWidth())) == Acad::eOk &&
        vertex->setEndWidth(list.real(41).value_or(polyline->defaultEndWidth())) == Acad::eOk &&
        vertex->setBulge(list.real(42).value_or(0.0)) == Acad::eOk;
    made = std::move(vertex);
    return accepted ? kListAccepted : kBadField;
}

int readGeometry(const EntityList& list, AcDbDatabase& database, const AcDbEntity* owner, std::unique_ptr<AcDbEntity>& made) {
    const std::wstring& type = list.type();
    if (type == L"LINE") return readLine(list, made);
    if (type == L"POINT") return readPoint(list, made);
    if (type == L"TEXT") return readText(list, database, made);
    if (type == L"ATTDEF") return readAttributeDefinition(list, database, made);
    if (type == L"ATTRIB") return readAttribute(list, database, made);
    if (type == L"INSERT") return readInsert(list, database, made);
    if (type == L"POLYLINE") return readPolyline(list, made);
    if (type == L"VERTEX") return readVertex(list, owner, made);
    return kBadEntityType;
}

}  // namespace

int readEntityList(const EntityList& list, AcDbDatabase& database, const AcDbEntity* owner, ListEntity& made) {
    made = ListEntity{};
    if (!list.wellFormed()) return kBadField;
    std::unique_ptr<AcDbEntity> entity;
    int result = readGeometry(list, database, owner, entity);
    if (result == kListAccepted) result = readCommonGroups(list, *entity, made);
    if (result == kListAccepted) made.entity = std::move(entity);
    return result;
}

}  // namespace rvnhost

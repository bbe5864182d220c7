// The host's entity classes in the class registry, with the names DXF gives them.
#include <cwchar>

#include "class_registry.h"
#include "db3dpl.h"
#include "db_entity_dxf.h"
#include "dbattr.h"
#include "dbblkref.h"
#include "dbline.h"
#include "dbpl.h"
#include "dbpl2d.h"
#include "dbpoint.h"

namespace rvnhost {

namespace {

template <class T>
AcRxObject* make() {
    return new T;
}

struct EntityClass {
    const ACHAR* name;
    const ACHAR* parent;
    AcRxPseudoConstructor constructor;
    const ACHAR* dxfName;
};

// Parents come before their children.
const EntityClass kEntityClasses[] = {
    {L"AcDbCurve", L"AcDbEntity", nullptr, nullptr},
    {L"AcDbVertex", L"AcDbEntity", nullptr, nullptr},
    {L"AcDbLine", L"AcDbCurve", make<AcDbLine>, L"LINE"},
    {L"AcDbPoint", L"AcDbEntity", make<AcDbPoint>, L"POINT"},
    {L"AcDbText", L"AcDbEntity", make<AcDbText>, L"TEXT"},
    {L"AcDbAttributeDefinition", L"AcDbText", make<AcDbAttributeDefinition>, L"ATTDEF"},
    {L"AcDbAttribute", L"AcDbText", make<AcDbAttribute>, L"ATTRIB"},
    {L"AcDbBlockReference", L"AcDbEntity", make<AcDbBlockReference>, L"INSERT"},
    {L"AcDbSequenceEnd", L"AcDbEntity", make<AcDbSequenceEnd>, L"SEQEND"},
    {L"AcDb3dPolyline", L"AcDbCurve", make<AcDb3dPolyline>, L"POLYLINE"},
    {L"AcDb3dPolylineVertex", L"AcDbVertex", make<AcDb3dPolylineVertex>, L"VERTEX"},
    {L"AcDb2dPolyline", L"AcDbCurve", make<AcDb2dPolyline>, L"POLYLINE"},
    {L"AcDb2dVertex", L"AcDbVertex", make<AcDb2dVertex>, L"VERTEX"},
    {L"AcDbPolyline", L"AcDbCurve", make<AcDbPolyline>, L"LWPOLYLINE"},
};

bool named(const ACHAR* dxfName, const ACHAR* name) { return dxfName != nullptr && std::wcscmp(dxfName, name) == 0; }

}  // namespace

void registerEntityClasses(AcRxClassRegistry& registry) {
    for (const EntityClass& entity : kEntityClasses) {
        registry.addBuiltIn(entity.name, entity.parent, entity.constructor, entity.dxfName);
    }
}

AcRxClass* dxfEntityClass(const ACHAR* dxfName, int flags) {
    if (named(dxfName, L"POLYLINE")) {
        if ((flags & (16 | 64)) != 0) return nullptr;
        return (flags & 8) != 0 ? AcDb3dPolyline::desc() : AcDb2dPolyline::desc();
    }
    if (named(dxfName, L"VERTEX")) {
        if ((flags & (64 | 128)) != 0) return nullptr;
        return (flags & 32) != 0 ? AcDb3dPolylineVertex::desc() : AcDb2dVertex::desc();
    }
    return classByDxfName(dxfName);
}

bool isPlanarPointGroup(const ACHAR* dxfName, int code) {
    return code == AcDb::kDxfXCoord && named(dxfName, L"LWPOLYLINE");
}

}  // namespace rvnhost

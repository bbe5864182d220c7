// The table of the host's own classes. Those a drawing file can hold have a pseudo-constructor and
// the name DXF gives them, so that the readers can create them by name.
#include "acdocman.h"
#include "aced.h"
#include "class_registry.h"
#include "dbdict.h"
#include "dbfiler.h"
#include "dbsymtb.h"
#include "rxregsvc.h"

namespace rvnhost {
namespace {

template <class T>
AcRxObject* make() {
    return new T;
}

struct BuiltIn {
    const ACHAR* name;
    const ACHAR* parent;
    AcRxPseudoConstructor constructor;
    const ACHAR* dxfName;
};

// Parents come before their children.
const BuiltIn kBuiltIns[] = {
    {L"AcRxObject", nullptr, nullptr, nullptr},
    {L"AcRxClass", L"AcRxObject", nullptr, nullptr},
    {L"AcRxDictionary", L"AcRxObject", make<AcRxDictionary>, nullptr},
    {L"AcRxDynamicLinker", L"AcRxObject", nullptr, nullptr},
    {L"AcDbDatabase", L"AcRxObject", nullptr, nullptr},
    {L"AcDbDwgFiler", L"AcRxObject", nullptr, nullptr},
    {L"AcDbDxfFiler", L"AcRxObject", nullptr, nullptr},
    {L"AcApDocument", L"AcRxObject", nullptr, nullptr},
    {L"AcApDocManager", L"AcRxObject", nullptr, nullptr},
    {L"AcEdCommand", L"AcRxObject", nullptr, nullptr},
    {L"AcEdCommandStack", L"AcRxObject", nullptr, nullptr},
    {L"AcDbObject", L"AcRxObject", nullptr, nullptr},
    {L"AcDbEntity", L"AcDbObject", nullptr, nullptr},
    {L"AcDbDictionary", L"AcDbObject", make<AcDbDictionary>, L"DICTIONARY"},
    {L"AcDbSymbolTable", L"AcDbObject", nullptr, nullptr},
    {L"AcDbSymbolTableRecord", L"AcDbObject", nullptr, nullptr},
    {L"AcDbBlockTable", L"AcDbSymbolTable", make<AcDbBlockTable>, L"TABLE"},
    {L"AcDbLayerTable", L"AcDbSymbolTable", make<AcDbLayerTable>, L"TABLE"},
    {L"AcDbLinetypeTable", L"AcDbSymbolTable", make<AcDbLinetypeTable>, L"TABLE"},
    {L"AcDbTextStyleTable", L"AcDbSymbolTable", make<AcDbTextStyleTable>, L"TABLE"},
    {L"AcDbRegAppTable", L"AcDbSymbolTable", make<AcDbRegAppTable>, L"TABLE"},
    {L"AcDbBlockTableRecord", L"AcDbSymbolTableRecord", make<AcDbBlockTableRecord>, L"BLOCK_RECORD"},
    {L"AcDbLayerTableRecord", L"AcDbSymbolTableRecord", make<AcDbLayerTableRecord>, L"LAYER"},
    {L"AcDbLinetypeTableRecord", L"AcDbSymbolTableRecord", make<AcDbLinetypeTableRecord>, L"LTYPE"},
    {L"AcDbTextStyleTableRecord", L"AcDbSymbolTableRecord", make<AcDbTextStyleTableRecord>, L"STYLE"},
    {L"AcDbRegAppTableRecord", L"AcDbSymbolTableRecord", make<AcDbRegAppTableRecord>, L"APPID"},
};

}  // namespace

void registerBuiltInClasses(AcRxClassRegistry& registry) {
    for (const BuiltIn& builtIn : kBuiltIns) {
        registry.addBuiltIn(builtIn.name, builtIn.parent, builtIn.constructor, builtIn.dxfName);
    }
    registerEntityClasses(registry);
}

}  // namespace rvnhost

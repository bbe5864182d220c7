#include "setting_commands.h"

#include "acedads.h"
#include "aced.h"
#include "acutmem.h"
#include "dbsymtb.h"
#include "sysvars.h"
#include "transcript.h"

#include <cwchar>
#include <memory>
#include <vector>

namespace rvnshell {
namespace {

constexpr wchar_t kGroup[] = L"ACAD_SETTINGS";

void showError(const std::wstring& text) { rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error, text); }

// The layer with that name, opened for write; made first when make is set. Null when it cannot be had.
AcDbLayerTableRecord* openLayer(AcDbDatabase* database, const std::wstring& name, bool make) {
    AcDbLayerTable* layers = nullptr;
    if (database->getSymbolTable(layers, AcDb::kForWrite) != Acad::eOk) return nullptr;
    AcDbLayerTableRecord* layer = nullptr;
    if (layers->getAt(name.c_str(), layer, AcDb::kForWrite) != Acad::eOk && make) {
        auto made = std::make_unique<AcDbLayerTableRecord>();
        if (made->setName(name.c_str()) == Acad::eOk && layers->add(made.get()) == Acad::eOk) layer = made.release();
    }
    layers->close();
    return layer;
}

bool changeLayer(AcDbDatabase* database, const std::wstring& option, const std::wstring& name) {
    AcDbLayerTableRecord* layer = openLayer(database, name, option == L"Make");
    if (layer == nullptr) return false;
    Acad::ErrorStatus status = Acad::eOk;
    if (option == L"Make" || option == L"Set") status = database->setClayer(layer->objectId());
    if (option == L"Freeze" || option == L"Thaw") status = layer->setIsFrozen(option == L"Freeze");
    if (option == L"ON" || option == L"OFF") status = layer->setIsOff(option == L"OFF");
    layer->close();
    return status == Acad::eOk;
}

void layerCommand() {
    AcDbDatabase* database = rvnhost::workingDatabase();
    if (database == nullptr) return;
    while (true) {
        acedInitGet(0, L"Make Set Freeze Thaw ON OFF");
        ACHAR option[16] = L"";
        if (acedGetKword(L"\nLAYER [Make/Set/Freeze/Thaw/ON/OFF]: ", option) != RTNORM) return;
        ACHAR name[256] = L"";
        if (acedGetString(1, L"\nLayer name: ", name) != RTNORM || name[0] == L'\0') return;
        if (!changeLayer(database, option, name)) showError(std::wstring(L"The layer \"") + name + L"\" cannot be changed.");
    }
}

// The typed text as a value of the variable's type; false when it is none.
bool valueOf(const std::wstring& text, short type, resbuf& value) {
    value = resbuf{};
    value.restype = type;
    wchar_t* end = nullptr;
    switch (type) {
        case RTSHORT: value.resval.rint = static_cast<short>(std::wcstol(text.c_str(), &end, 10)); break;
        case RTLONG: value.resval.rlong = static_cast<int>(std::wcstol(text.c_str(), &end, 10)); break;
        case RTREAL: value.resval.rreal = std::wcstod(text.c_str(), &end); break;
        case RTSTR: value.resval.rstring = const_cast<ACHAR*>(text.c_str()); return true;
        default: return false;
    }
    return !text.empty() && end != nullptr && *end == L'\0';
}

void setvarCommand() {
    ACHAR name[64] = L"";
    if (acedGetString(0, L"\nVariable name: ", name) != RTNORM || name[0] == L'\0') return;
    resbuf current{};
    if (acedGetVar(name, &current) != RTNORM) return showError(std::wstring(L"Unknown variable: ") + name);
    if (current.restype == RTSTR) acutDelString(current.resval.rstring);
    ACHAR typed[256] = L"";
    if (acedGetString(1, (std::wstring(L"\nNew value for ") + name + L": ").c_str(), typed) != RTNORM) return;
    resbuf value{};
    if (!valueOf(typed, current.restype, value) || acedSetVar(name, &value) != RTNORM) {
        showError(std::wstring(L"\"") + typed + L"\" is not a value " + name + L" takes.");
    }
}

// Entities picked one by one until Return (ERRNO 52); a pick that finds nothing is asked again.
// False on Cancel.
bool pickEntities(std::vector<AcDbObjectId>& picked) {
    constexpr int kNullInput = 52;
    while (true) {
        ads_name entity{};
        ads_point at{};
        const int result = acedEntSel(L"\nSelect an object (Return when done): ", entity, at);
        if (result == RTERROR && rvnhost::integerVariable(L"ERRNO", 0) == kNullInput) return true;
        if (result != RTNORM && result != RTERROR) return false;
        AcDbObjectId id;
        if (result == RTNORM && acdbGetObjectId(id, entity) == Acad::eOk) picked.push_back(id);
    }
}

// CHPROP: the picked entities moved to another existing layer.
void chpropCommand() {
    AcDbDatabase* database = rvnhost::workingDatabase();
    std::vector<AcDbObjectId> picked;
    if (database == nullptr || !pickEntities(picked) || picked.empty()) return;
    acedInitGet(0, L"LAyer");
    ACHAR property[16] = L"";
    ACHAR name[256] = L"";
    if (acedGetKword(L"\nProperty to change [LAyer]: ", property) != RTNORM ||
        acedGetString(1, L"\nNew layer: ", name) != RTNORM) {
        return;
    }
    AcDbLayerTableRecord* layer = openLayer(database, name, false);
    if (layer == nullptr) return showError(std::wstring(L"The layer \"") + name + L"\" does not exist.");
    const AcDbObjectId layerId = layer->objectId();
    layer->close();
    for (AcDbObjectId id : picked) {
        AcDbEntity* entity = nullptr;
        if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk) continue;
        entity->setLayer(layerId);
        entity->close();
    }
}

}  // namespace

void registerSettingCommands() {
    acedRegCmds->addCommand(kGroup, L"CHPROP", L"CHPROP", ACRX_CMD_MODAL, chpropCommand);
    acedRegCmds->addCommand(kGroup, L"LAYER", L"LAYER", ACRX_CMD_MODAL, layerCommand);
    acedRegCmds->addCommand(kGroup, L"SETVAR", L"SETVAR", ACRX_CMD_MODAL, setvarCommand);
}

void removeSettingCommands() { acedRegCmds->removeGroup(kGroup); }

}  // namespace rvnshell

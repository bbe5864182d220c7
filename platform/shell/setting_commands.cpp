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

// Color: the colour (1 to 255) is asked first, then the layer that takes it.
bool colourLayer(AcDbDatabase* database, const std::wstring& name, int colour) {
    AcDbLayerTableRecord* layer = openLayer(database, name, false);
    if (layer == nullptr) return false;
    const Acad::ErrorStatus status = layer->setColorIndex(static_cast<Adesk::Int16>(colour));
    layer->close();
    return status == Acad::eOk;
}

void layerCommand() {
    AcDbDatabase* database = rvnhost::workingDatabase();
    if (database == nullptr) return;
    while (true) {
        acedInitGet(0, L"Make Set Freeze Thaw ON OFF Color");
        ACHAR option[16] = L"";
        if (acedGetKword(L"\nLAYER [Make/Set/Freeze/Thaw/ON/OFF/Color]: ", option) != RTNORM) return;
        int colour = 0;
        if (std::wstring(option) == L"Color") {
            acedInitGet(RSG_NONULL | RSG_NOZERO | RSG_NONEG, nullptr);
            if (acedGetInt(L"\nColor number (1-255): ", &colour) != RTNORM) return;
        }
        ACHAR name[256] = L"";
        if (acedGetString(1, L"\nLayer name: ", name) != RTNORM || name[0] == L'\0') return;
        const bool changed = colour != 0 ? colour <= 255 && colourLayer(database, name, colour)
                                         : changeLayer(database, option, name);
        if (!changed) showError(std::wstring(L"The layer \"") + name + L"\" cannot be changed.");
    }
}

// The text style with that name, opened for write; made first when the drawing has none.
AcDbTextStyleTableRecord* openTextStyle(AcDbDatabase* database, const std::wstring& name) {
    AcDbTextStyleTable* styles = nullptr;
    if (database->getSymbolTable(styles, AcDb::kForWrite) != Acad::eOk) return nullptr;
    AcDbTextStyleTableRecord* style = nullptr;
    if (styles->getAt(name.c_str(), style, AcDb::kForWrite) != Acad::eOk) {
        auto made = std::make_unique<AcDbTextStyleTableRecord>();
        if (made->setName(name.c_str()) == Acad::eOk && styles->add(made.get()) == Acad::eOk) style = made.release();
    }
    styles->close();
    return style;
}

// A real typed at the prompt, or the default on Return; false on Cancel.
bool askReal(const wchar_t* prompt, double& value) {
    const int result = acedGetReal(prompt, &value);
    return result == RTNORM || result == RTNONE;
}

// STYLE: makes (or changes) a text style from its font file, fixed height (0: each text its own),
// width factor and obliquing angle (degrees), and makes it current.
void styleCommand() {
    AcDbDatabase* database = rvnhost::workingDatabase();
    if (database == nullptr) return;
    ACHAR name[256] = L"";
    ACHAR font[256] = L"";
    if (acedGetString(1, L"\nText style name: ", name) != RTNORM || name[0] == L'\0') return;
    if (acedGetString(1, L"\nFont file <txt>: ", font) != RTNORM) return;
    double height = 0.0;
    double width = 1.0;
    double oblique = 0.0;
    acedInitGet(RSG_NONEG, nullptr);
    if (!askReal(L"\nHeight <0>: ", height)) return;
    acedInitGet(RSG_NONEG | RSG_NOZERO, nullptr);
    if (!askReal(L"\nWidth factor <1>: ", width)) return;
    if (!askReal(L"\nObliquing angle <0>: ", oblique)) return;
    AcDbTextStyleTableRecord* style = openTextStyle(database, name);
    if (style == nullptr) return showError(std::wstring(L"The text style \"") + name + L"\" cannot be made.");
    constexpr double kRadiansPerDegree = 3.14159265358979323846 / 180.0;
    const bool set = style->setFileName(font[0] != L'\0' ? font : L"txt") == Acad::eOk &&
                     style->setTextSize(height) == Acad::eOk && style->setXScale(width) == Acad::eOk &&
                     style->setObliquingAngle(oblique * kRadiansPerDegree) == Acad::eOk &&
                     database->setTextstyle(style->objectId()) == Acad::eOk;
    style->close();
    if (!set) showError(std::wstring(L"The text style \"") + name + L"\" cannot take these values.");
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
    acedRegCmds->addCommand(kGroup, L"STYLE", L"STYLE", ACRX_CMD_MODAL, styleCommand);
}

void removeSettingCommands() { acedRegCmds->removeGroup(kGroup); }

}  // namespace rvnshell

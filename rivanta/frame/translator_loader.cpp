#include "frame/translator_loader.h"

#include "afx_message_box.h"
#include "frame/translator_state.h"
#include "host/module_instance.h"
#include "module_loader.h"

#include <array>
#include <cwctype>
#include <string>

namespace {

constexpr wchar_t kLibraryName[] = L"TZTranslatorDll.dll";
// The required functions, numbered from 1 in the failure message.
constexpr std::array<const char*, 7> kRequiredFunctions = {
    "TraduciMfc", "TraduciMessaggioVoid", "FiltraDizPerLib", "SetAppName", "FreeDllStrings", "TraduciMenu", "TrTab"};
constexpr std::size_t kExtensionLength = 4;  // ".arx", ".dll"

void showLoadFailure(const std::wstring& text) { AfxMessageBox(text.c_str(), MB_OK | MB_ICONERROR); }

// Application name: the module file name less its last 4 characters; extension: those 4.
void splitModuleName(std::wstring_view moduleFileName, TranslatorState& state) {
    const std::size_t split = moduleFileName.size() > kExtensionLength ? moduleFileName.size() - kExtensionLength : 0;
    state.applicationName = std::wstring(moduleFileName.substr(0, split));
    state.extension = std::wstring(moduleFileName.substr(split));
}

// The library already in the process, else the one in the plug-in's folder.
bool openLibrary(TranslatorState& state) {
    state.library = GetModuleHandleW(kLibraryName);
    state.ownsLibrary = false;
    if (state.library != nullptr) return true;
    const std::wstring path = PluginFolder() + kLibraryName;
    state.library = LoadLibraryW(path.c_str());
    if (state.library == nullptr) {
        showLoadFailure(L"Error while loading " + path);
        return false;
    }
    state.ownsLibrary = true;
    return true;
}

void releaseLibrary(TranslatorState& state) {
    if (state.ownsLibrary) FreeLibrary(state.library);
    state = TranslatorState{};
}

bool fetchFunctions(TranslatorState& state) {
    std::array<FARPROC, kRequiredFunctions.size()> found{};
    for (std::size_t i = 0; i < kRequiredFunctions.size(); ++i) {
        found[i] = GetProcAddress(state.library, kRequiredFunctions[i]);
        if (found[i] == nullptr) {
            showLoadFailure(L"Error while creating imported function " + std::to_wstring(i + 1) +
                            L" from TZTranslatorDll.dll.");
            return false;
        }
    }
    state.translateDialog = reinterpret_cast<TraduciMfcFn>(found[0]);
    state.translateMessage = reinterpret_cast<TraduciMessaggioVoidFn>(found[1]);
    state.filterDictionary = found[2];
    state.setAppName = reinterpret_cast<SetAppNameFn>(found[3]);
    state.freeStrings = reinterpret_cast<FreeDllStringsFn>(found[4]);
    state.translateMenu = reinterpret_cast<TraduciMenuFn>(found[5]);
    state.translateTable = found[6];
    state.currentInteropLanguage = GetProcAddress(state.library, "GetCurInteropLanguage");
    return true;
}

std::wstring lowerCase(std::wstring text) {
    for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

}  // namespace

bool LoadTranslator(std::wstring_view moduleFileName) {
    UnloadTranslator();
    TranslatorState loaded;
    splitModuleName(moduleFileName, loaded);
    if (!openLibrary(loaded)) return false;
    if (!fetchFunctions(loaded)) {
        releaseLibrary(loaded);
        return false;
    }
    TranslatorState& state = translatorState();
    state = loaded;
    state.setAppName(state.applicationName.c_str(), state.extension.c_str());
    return true;
}

void UnloadTranslator() {
    TranslatorState& state = translatorState();
    if (state.library == nullptr) return;
    if (lowerCase(state.extension) == L".dll") state.freeStrings(state.applicationName.c_str());
    releaseLibrary(state);
}

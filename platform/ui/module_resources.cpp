#include "module_resources.h"

#include "afx_resources.h"
#include "module_loader.h"
#include "text_codec.h"
#include "transcript.h"

#include <map>

namespace rvnhost {
namespace {

// The script of one module; nullopt when it has none or it cannot be read (then said once a look-up).
std::optional<ResourceScript> scriptOf(HMODULE module) {
    const auto function = reinterpret_cast<ResourceScriptFunction>(GetProcAddress(module, kResourceScriptFunction));
    if (!function) return std::nullopt;
    ResourceScriptError error;
    std::optional<ResourceScript> script = parseResourceScript(function(), error);
    if (!script) {
        Transcript::instance().add(TranscriptKind::Error, L"The resources of " + rvnos::modulePath(module) +
                                                              L" cannot be read: line " +
                                                              std::to_wstring(error.line) + L": " + error.reason);
    }
    return script;
}

}  // namespace

std::optional<DialogTemplate> findDialogTemplate(int id) {
    for (HMODULE module : resourceSearchOrder()) {
        std::optional<ResourceScript> script = scriptOf(module);
        if (!script) continue;
        if (auto found = script->dialogs.find(id); found != script->dialogs.end()) return std::move(found->second);
    }
    return std::nullopt;
}

std::optional<MenuTemplate> moduleMenuTemplate(HMODULE module, int id) {
    std::optional<ResourceScript> script = scriptOf(module);
    if (!script) return std::nullopt;
    if (auto found = script->menus.find(id); found != script->menus.end()) return std::move(found->second);
    return std::nullopt;
}

std::optional<MenuTemplate> findMenuTemplate(int id) {
    for (HMODULE module : resourceSearchOrder()) {
        if (std::optional<MenuTemplate> found = moduleMenuTemplate(module, id)) return found;
    }
    return std::nullopt;
}

}  // namespace rvnhost

HICON LoadIconW(HINSTANCE module, LPCWSTR name) {
    const auto id = static_cast<int>(reinterpret_cast<UINT_PTR>(name));
    if (!module || id <= 0 || id > 0xFFFF) return nullptr;
    const std::optional<rvnhost::ResourceScript> script = rvnhost::scriptOf(module);
    if (!script || !script->icons.count(id)) return nullptr;
    // Icons live as long as the program, as shared icons of the system do.
    static std::map<std::pair<int, std::wstring>, HICON__> loaded;
    const std::wstring& file = script->icons.at(id);
    return &loaded.try_emplace({id, file}, HICON__{id, file}).first->second;
}

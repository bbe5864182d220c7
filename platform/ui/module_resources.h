// The resources of the modules in the resource chain. A module carries its resource script as the
// text its exported function rvnResourceScript() returns (the build embeds the script there); the
// script is read when a resource is looked up, so a module always gives its current resources.
#pragma once

#include "resource_script.h"
#include "win_types.h"

#include <optional>
#include <string>

// The exported function through which a module gives its resource script.
extern "C" {
using ResourceScriptFunction = const char* (*)();
}
inline constexpr const char* kResourceScriptFunction = "rvnResourceScript";

struct HICON__ {
    int id;
    std::wstring file;
};
using HICON = HICON__*;

inline LPCWSTR MAKEINTRESOURCEW(int id) {
    return reinterpret_cast<LPCWSTR>(static_cast<UINT_PTR>(static_cast<WORD>(id)));
}

// The icon with that numeric id (MAKEINTRESOURCEW) in the module's script; null when it has none.
HICON LoadIconW(HINSTANCE module, LPCWSTR name);

namespace rvnhost {

// The template with that id, searched in the current resource module, then the chain. nullopt
// when no module has it; a module whose script cannot be read is reported on the transcript.
std::optional<DialogTemplate> findDialogTemplate(int id);
// The menu template with that id, searched as dialog templates are.
std::optional<MenuTemplate> findMenuTemplate(int id);
// The menu template with that id in one module's script.
std::optional<MenuTemplate> moduleMenuTemplate(HMODULE module, int id);

}  // namespace rvnhost

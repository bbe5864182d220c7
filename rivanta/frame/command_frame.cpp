#include "frame/command_frame.h"

#include "frame/document_states.h"
#include "frame/plugin_lifecycle.h"
#include "host/command_line.h"
#include "host/resource_override.h"

#include <new>
#include <optional>
#include <string>

void RunCommand(const wchar_t* name, TzRvnResources resources, TzRvnCommandBody body) {
    if (!DocumentStatesStarted()) StartPluginServices();
    if (currentDocState() == nullptr) {
        PrintMessage(L"\nImpossibile eseguire " + std::wstring(name) + L": nessun disegno corrente");
        return;
    }
    if (body == nullptr) {
        PrintMessage(L"\n" + std::wstring(name) + L": non ancora disponibile in questa versione");
        return;
    }
    std::optional<TzRvnResourceOverride> pluginResources;
    if (resources == TzRvnResources::pluginFirst) pluginResources.emplace();
    try {
        body();
    } catch (const std::bad_alloc&) {
        PrintMessage(L"\nImpossibile completare " + std::wstring(name) + L": memoria insufficiente");
    }
}

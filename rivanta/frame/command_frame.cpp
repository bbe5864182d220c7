#include "frame/command_frame.h"

#include "frame/command_line.h"
#include "frame/document_states.h"
#include "frame/job_texts.h"
#include "frame/plugin_lifecycle.h"
#include "frame/translation.h"
#include "host/attribute_display_guard.h"
#include "host/resource_override.h"

#include <new>
#include <optional>
#include <string>

void RunCommand(const wchar_t* name, TzRvnResources resources, TzRvnCommandBody body, TzRvnDrawingSettings settings) {
    if (!DocumentStatesStarted()) StartPluginServices();
    if (currentDocState() == nullptr) {
        PrintMessage(FormatText(rvntext::kCommandWithoutDrawing, {std::wstring_view(name)}));
        return;
    }
    if (body == nullptr) {
        PrintMessage(FormatText(rvntext::kCommandNotAvailable, {std::wstring_view(name)}));
        return;
    }
    std::optional<TzRvnResourceOverride> pluginResources;
    if (resources == TzRvnResources::pluginFirst) pluginResources.emplace();
    std::optional<TzRvnAttributeDisplayGuard> attributeDisplay;
    if (settings == TzRvnDrawingSettings::attributesShown) attributeDisplay.emplace();
    try {
        body();
    } catch (const std::bad_alloc&) {
        PrintMessage(FormatText(rvntext::kCommandOutOfMemory, {std::wstring_view(name)}));
    }
}

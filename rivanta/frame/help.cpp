#include "frame/help.h"

#include "host/module_instance.h"
#include "html_help.h"

std::wstring HelpTopicRequest(std::wstring_view topic) {
    return PluginFolder() + L"Help/TZHelp.chm::/" + std::wstring(topic);
}

void OpenHelpTopic(std::wstring_view topic) {
    const std::wstring request = HelpTopicRequest(topic);
    // The desktop window (nullptr) owns the viewer.
    HtmlHelpW(nullptr, request.c_str(), HH_DISPLAY_TOPIC, 0);
}

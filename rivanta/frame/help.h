// The help buttons of the dialogs: topics of the help file "Help/TZHelp.chm" in the plug-in's folder.
#pragma once

#include <string>
#include <string_view>

// The request for a topic: plug-in folder + "Help/TZHelp.chm" + "::/" + topic.
std::wstring HelpTopicRequest(std::wstring_view topic);

// Shows the topic (TzRvnHelpTopic) in the HTML Help viewer; nothing happens when the help file
// cannot be loaded.
void OpenHelpTopic(std::wstring_view topic);

// Text for the command line: translated, then written as it stands.
#pragma once

#include <string_view>

// Translates the text (TranslateText) and writes it on the command line. Messages begin with "\n".
void PrintMessage(std::wstring_view text);

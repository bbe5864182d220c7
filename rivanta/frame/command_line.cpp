#include "frame/command_line.h"

#include "acutads.h"
#include "frame/translation.h"

void PrintMessage(std::wstring_view text) { acutPrintf(L"%s", TranslateText(text).c_str()); }

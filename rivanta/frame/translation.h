// Message translation: every text shown to the user passes through TranslateText, every dialog
// through TranslateDialog. Without the optional translator library every operation is the identity.
#pragma once

#include "analysis/solver/text_format.h"

#include <initializer_list>
#include <string>
#include <string_view>

class CMenu;
class CWnd;

// Translates a copy of the text (at most 1023 characters) and returns it; each call returns a
// string of its own, so a caption and a message stay distinct.
std::wstring TranslateText(std::wstring_view text);

// FormatText (analysis/solver/text_format.h) of the translated format.
std::wstring FormatTranslated(std::wstring_view format, std::initializer_list<TzRvnTextArg> args);

// Translates the texts of a dialog window and its controls; the first thing of every dialog's
// initialisation.
void TranslateDialog(CWnd* window);

// Translates the item texts of a menu and its popups.
void TranslateMenu(CMenu* menu);

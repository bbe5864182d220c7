// Message translation: every text shown to the user passes through TranslateText. Without the
// optional translator library every operation is the identity.
#pragma once

#include <string>
#include <string_view>

// Translates a copy of the text (at most 1023 characters) and returns it; each call returns a
// string of its own, so a caption and a message stay distinct.
std::wstring TranslateText(std::wstring_view text);

// The messages and names of the title blocks. Texts pass through TranslateText where they are shown.
#pragma once

#include <string_view>

namespace rvntext {

inline constexpr std::wstring_view kTitleBlockPointPrompt = L"\nPunto d'inserimento del cartiglio: ";
// Followed by the block's name.
inline constexpr std::wstring_view kTitleBlockDefinitionMissing = L"\nImpossibile trovare in tabella blocchi la definizione ";
// Followed by the template file's full path.
inline constexpr std::wstring_view kTitleBlockTemplateMissing = L"\nImpossibile trovare il file ";

}  // namespace rvntext

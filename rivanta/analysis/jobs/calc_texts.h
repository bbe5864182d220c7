// The texts of a calculation run from the command line beyond those the dialog's run shares
// (analysis_texts.h). Texts that are shown pass through TranslateText where they are shown.
#pragma once

#include <string_view>

namespace rvntext {

inline constexpr std::wstring_view kNetworkNotOpened = L"Impossibile aprire la rete selezionata    ";
// A report whose text did not all reach its file; followed by the quoted path.
inline constexpr std::wstring_view kReportNotWritten = L"Impossibile scrivere il file ";

// The import's own refusals: the file's title is the network's name.
inline constexpr std::wstring_view kNotANetworkName =
    L"Impossibile importare il file %s: il suo nome \"%s\" non e' un nome di rete";
inline constexpr std::wstring_view kNetworkNotAdded = L"Impossibile aggiungere la rete %s al disegno (stato %d)";

}  // namespace rvntext

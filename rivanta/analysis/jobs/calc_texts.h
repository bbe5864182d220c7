// The plug-in's own texts (Italian) of a calculation run and of an import, as the dialog and the
// job show them: the messages that close a run, its report files, the import's questions and
// refusals. The reports the core writes have theirs in analysis/solver/analysis_texts.h. Texts
// that are shown pass through TranslateText where they are shown.
#pragma once

#include <string_view>

namespace rvntext {

// Messages that close a calculation run, and its report files.
inline constexpr std::wstring_view kCheckReportName = L"rvncheck.tmp";
inline constexpr std::wstring_view kCalcReportName = L"rvncalcr.tmp";
// The title of the network data messages: the run's and the import's.
inline constexpr std::wstring_view kRunTitle = L"Messaggio Dati Rete";
inline constexpr std::wstring_view kNoTempDirectory = L"Impossibile recuperare la directory dei files temporanei";
inline constexpr std::wstring_view kCheckReportNotCreated =
    L"Impossibile inizializzare il file dei messaggi\nper ispezionare la congruenza topologica della\nrete idraulica";
inline constexpr std::wstring_view kCalcReportNotCreated =
    L"Impossibile inizializzare il file dei messaggi\nper il calcolo della rete idraulica";
inline constexpr std::wstring_view kCheckFailed = L"Incongruenze sui dati: Vedi ";
inline constexpr std::wstring_view kCheckFailedTail = L"Impossibile avviare il calcolo della rete";
inline constexpr std::wstring_view kCalcAborted = L"Incongruenze sul calcolo: Vedi ";
inline constexpr std::wstring_view kCalcAbortedTail = L"Calcolo della rete  *** ABORTITO ***";
inline constexpr std::wstring_view kCalcDone = L"  Calcolo della rete TERMINATO  \n\n";
inline constexpr std::wstring_view kCalcDoneReport = L"  Tabulato del calcolo in:      \n";

// Import of Portavia files.
inline constexpr std::wstring_view kLengthNotPositive = L"La lunghezza del ramo %d NON e' POSITIVA\n\n";
inline constexpr std::wstring_view kRoughnessNotPositive = L"La scabrezza del ramo %d NON e' POSITIVA\n\n";
inline constexpr std::wstring_view kDiameterNotPositive = L"Il diametro del ramo %d NON e' POSITIVO\n\n";
inline constexpr std::wstring_view kContinueImport = L"Proseguire con l'IMPORTAZIONE dei dati?";
inline constexpr std::wstring_view kPortaviaNotOpened = L"Impossibile aprire il file %s";
inline constexpr std::wstring_view kPortaviaShortHeader =
    L"Impossibile importare il file %s: e' piu' corto della sua intestazione (%d byte su 164)";
inline constexpr std::wstring_view kPortaviaShortRecords =
    L"Impossibile importare il file %s: i suoi %d byte non contengono i %d nodi, %d rami e %d serbatoi annunciati";
inline constexpr std::wstring_view kPortaviaAbandoned = L"Importazione del file %s annullata";

// The command line's run.
inline constexpr std::wstring_view kNetworkNotOpened = L"Impossibile aprire la rete selezionata    ";
// A report whose text did not all reach its file; followed by the quoted path.
inline constexpr std::wstring_view kReportNotWritten = L"Impossibile scrivere il file ";

// The import's own refusals: the file's title is the network's name.
inline constexpr std::wstring_view kNotANetworkName =
    L"Impossibile importare il file %s: il suo nome \"%s\" non e' un nome di rete";
inline constexpr std::wstring_view kNetworkNotAdded = L"Impossibile aggiungere la rete %s al disegno (stato %d)";

}  // namespace rvntext

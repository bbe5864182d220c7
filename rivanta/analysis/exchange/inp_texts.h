// The texts of the EPANET input file exchange: the refusals of an import, each naming the
// section and the line, and those of an export. They pass through TranslateText where shown.
#pragma once

#include <string_view>

namespace rvntext {

// File, section, line and one of the reasons below.
inline constexpr std::wstring_view kInpRefused = L"Impossibile importare il file %s: sezione %s, riga %d: %s";
inline constexpr std::wstring_view kInpNotOpened = L"Impossibile aprire il file %s";
// File, then what it is instead of an input file.
inline constexpr std::wstring_view kInpNotAnInputFile = L"Impossibile importare il file %s: %s";
inline constexpr std::wstring_view kInpEmptyFile = L"il file e' vuoto";
inline constexpr std::wstring_view kInpUtf16File =
    L"il file e' testo UTF-16: salvarlo come testo UTF-8 e importarlo di nuovo";
inline constexpr std::wstring_view kInpNotTextFile = L"il file non e' di testo (byte %s alla posizione %d)";

// What Rivanta does not model.
inline constexpr std::wstring_view kInpPumps = L"Rivanta non calcola pompe";
inline constexpr std::wstring_view kInpValves = L"Rivanta non calcola valvole";
inline constexpr std::wstring_view kInpCheckValve = L"Rivanta non calcola valvole di ritegno (CV) nei tubi";
inline constexpr std::wstring_view kInpPatterns = L"Rivanta non calcola andamenti nel tempo (patterns)";
inline constexpr std::wstring_view kInpPatternUsed = L"Rivanta non calcola andamenti nel tempo: pattern %s";
inline constexpr std::wstring_view kInpCurves = L"Rivanta non usa curve (di pompe, valvole o volumi di serbatoi)";
inline constexpr std::wstring_view kInpVolumeCurve = L"Rivanta non usa curve di volume di serbatoi: %s";
inline constexpr std::wstring_view kInpControls = L"Rivanta non esegue controlli ne' regole";
inline constexpr std::wstring_view kInpEmitters =
    L"Rivanta non calcola erogatori dipendenti dalla pressione (emitters)";
inline constexpr std::wstring_view kInpLeakage = L"Rivanta non calcola perdite dipendenti dalla pressione (leakage)";
inline constexpr std::wstring_view kInpHeadloss =
    L"formula delle perdite %s: Rivanta calcola solo con Darcy-Weisbach (HEADLOSS D-W)";
inline constexpr std::wstring_view kInpNoHeadloss =
    L"manca HEADLOSS D-W: senza di essa EPANET calcola con Hazen-Williams, che Rivanta non calcola";
inline constexpr std::wstring_view kInpDemandModel = L"Rivanta non calcola il modello di domanda %s (solo DDA)";

// A file that is not a usable network.
inline constexpr std::wstring_view kInpUnknownSection = L"sezione sconosciuta";
inline constexpr std::wstring_view kInpOutsideSection = L"dati fuori da ogni sezione";
inline constexpr std::wstring_view kInpUnknownOption = L"opzione sconosciuta %s";
inline constexpr std::wstring_view kInpUnknownFlowUnit = L"unita' di portata sconosciuta %s";
inline constexpr std::wstring_view kInpBadSetting = L"impostazione di Rivanta non valida %s";
inline constexpr std::wstring_view kInpMissingValues = L"mancano dei valori";
inline constexpr std::wstring_view kInpTooManyValues = L"troppi valori";
inline constexpr std::wstring_view kInpNotANumber = L"valore non numerico %s";
inline constexpr std::wstring_view kInpNotPositive = L"il valore %s deve essere positivo";
inline constexpr std::wstring_view kInpTooFewTrials = L"il valore %s non da' nemmeno un'iterazione";
inline constexpr std::wstring_view kInpNegative = L"il valore %s non puo' essere negativo";
inline constexpr std::wstring_view kInpLongName = L"il nome %s supera i 15 caratteri";
inline constexpr std::wstring_view kInpDuplicateNode = L"il nodo %s e' gia' definito";
inline constexpr std::wstring_view kInpUnknownNode = L"il nodo %s non e' definito";
inline constexpr std::wstring_view kInpUnknownPipe = L"il tubo %s non e' definito";
inline constexpr std::wstring_view kInpDuplicatePipe = L"il tubo %s e' gia' definito";
inline constexpr std::wstring_view kInpSameEnds = L"il tubo %s ha lo stesso nodo ai due estremi";
inline constexpr std::wstring_view kInpBadStatus = L"stato %s non gestito (solo OPEN o CLOSED)";
inline constexpr std::wstring_view kInpDemandOnTank = L"il nodo %s e' un serbatoio: Rivanta non vi pone una domanda";

// Export: file, then the reason.
inline constexpr std::wstring_view kInpNotExported = L"Impossibile esportare la rete in %s: %s";
inline constexpr std::wstring_view kInpNotWritten = L"Impossibile scrivere il file %s: %s";
inline constexpr std::wstring_view kInpBadNodeName = L"il nodo %d ha un nome che EPANET non accetta (%s)";
inline constexpr std::wstring_view kInpSameNodeName = L"i nodi %d e %d hanno lo stesso nome %s";
inline constexpr std::wstring_view kInpTankNodeMissing = L"il serbatoio %d sta sul nodo %s, che non esiste";
inline constexpr std::wstring_view kInpTwoTanks = L"il nodo %s porta piu' di un serbatoio";
inline constexpr std::wstring_view kInpTankDemand =
    L"il nodo %s porta un serbatoio e una portata, che EPANET non puo' porre su un serbatoio";
inline constexpr std::wstring_view kInpBranchNodeMissing = L"il ramo %d va al nodo %s, che non esiste";
inline constexpr std::wstring_view kInpNodeValue = L"il nodo %s ha un valore troppo grande per il file";
inline constexpr std::wstring_view kInpSettingsValue =
    L"il limite di iterazioni e' sotto 1, o le tolleranze sono troppo grandi per il file";
inline constexpr std::wstring_view kInpBranchSameEnds = L"il ramo %d ha lo stesso nodo %s ai due estremi";
inline constexpr std::wstring_view kInpBranchValue =
    L"il ramo %d ha una lunghezza o un diametro non positivi, o una scabrezza o un Csi negativi, o valori troppo "
    L"grandi per il file";

}  // namespace rvntext

// Every fixed text of the reports the core writes, the topology report and the iteration log, in
// one place. Texts that are shown pass through the translation the caller gives where they are
// written; separator lines and the node line of the report are written as they stand. The texts
// the plug-in shows of a run and an import are in analysis/jobs/calc_texts.h.
#pragma once

#include <string_view>

namespace rvntext {

// Both reports.
inline constexpr std::wstring_view kNoNetworkDictionary = L"Impossibile recuperare il dizionario delle reti\n";

// Topology report.
inline constexpr std::wstring_view kCheckTitle =
    L"============================================================\nRETE:  ";
inline constexpr std::wstring_view kCheckRule = L"\n------------------------------------------------------------\n";
inline constexpr std::wstring_view kCheckClosing = L"============================================================\n";
inline constexpr std::wstring_view kNone = L"Nessuno\n";
inline constexpr std::wstring_view kIsolatedTitle = L"NODI ISOLATI:\n";
inline constexpr std::wstring_view kIsolatedNode = L"Il nodo %s e' isolato\n";
inline constexpr std::wstring_view kSameEndsTitle = L"RAMI CON UGUALE NODO INIZIALE E FINALE:\n";
inline constexpr std::wstring_view kBothUnnamed = L"Il ramo %d ha entrambi i nodi senza nome";
inline constexpr std::wstring_view kBothUnnamedTail = L" o con lo stesso nome errato\n";
inline constexpr std::wstring_view kSameEnds = L"Il ramo %d ha nodo di entrata e di uscita eguali: %s\n";
inline constexpr std::wstring_view kRepeatedPairsTitle = L"RAMI AFFERENTI SULLE STESSE COPPIE DI NODI:\n";
inline constexpr std::wstring_view kRepeatedPair = L"I rami %d  e %d afferisono agli stessi indici nodali: %s e %s\n";
inline constexpr std::wstring_view kWrongBranchIndicesTitle = L"RAMI CON INDICI NODALI ERRATI:\n";
inline constexpr std::wstring_view kWrongEndIndex = L"Il ramo %d ha nodo di arrivo con indice errato: %s\n";
inline constexpr std::wstring_view kNoEndIndex = L"Il ramo %d ha nodo di arrivo senza indice\n";
inline constexpr std::wstring_view kWrongStartIndex = L"Il ramo %d ha nodo di partenza con indice errato: %s\n";
inline constexpr std::wstring_view kNoStartIndex = L"Il ramo %d ha nodo di partenza senza indice\n";
inline constexpr std::wstring_view kWrongTankIndicesTitle = L"SERBATOI CON INDICI NODALI ERRATI:\n";
inline constexpr std::wstring_view kWrongTankIndex = L"Il serbatoio %d afferisce su un nodo con indice errato: %s\n";
inline constexpr std::wstring_view kNoTankIndex = L"Il serbatoio %d non ha l'indice del nodo associato\n";
inline constexpr std::wstring_view kNodeBranchesTitle = L"AFFERENZE NODALI:\n";
inline constexpr std::wstring_view kNodeLine = L"Nodo %s\n";
inline constexpr std::wstring_view kLeavingBranches = L"  partono  i rami: ";
inline constexpr std::wstring_view kArrivingBranches = L"  arrivano i rami: ";
inline constexpr std::wstring_view kListSeparator = L", ";

// Iteration log.
inline constexpr std::wstring_view kLogTitle = L"================================================\nRETE:  ";
inline constexpr std::wstring_view kLogRule = L"------------------------------------------------\n";
inline constexpr std::wstring_view kLogClosing = L"================================================\n";
inline constexpr std::wstring_view kLogColumns = L"    N  Nodo   Errore Q    Npar   Narr   Errore H\n";
inline constexpr std::wstring_view kLogUnits = L"               [m3/s]                     [m]\n";
inline constexpr std::wstring_view kIterationLimit = L"Limite iterazioni (%d) insufficiente per otte-\n";
inline constexpr std::wstring_view kIterationLimitTail = L"nere le tolleranze richieste\n";
inline constexpr std::wstring_view kFlowErrorSummary = L"Errore max in Q pari a %lf nel nodo %s\n";
inline constexpr std::wstring_view kHeadErrorSummary = L"Errore max in H pari a %lf nel ramo %s-%s\n";
inline constexpr std::wstring_view kNotPositiveDefinite = L"Matrice NON definita positiva: c[%d][%d] <= 0.0\n";
inline constexpr std::wstring_view kUnresolvedIndices =
    L"Indici nodali non risolti: eseguire prima la verifica topologica della rete\n";

// Values the solver cannot work with, refused before it starts.
inline constexpr std::wstring_view kValuesUnusable = L"Impossibile avviare il calcolo: valori non utilizzabili\n";
inline constexpr std::wstring_view kMoreValuesUnusable = L"... e altri %d valori non utilizzabili\n";
inline constexpr std::wstring_view kViscosityUnusable =
    L"Viscosita' cinematica %s m2/s: deve essere un numero positivo\n";
inline constexpr std::wstring_view kInitialVelocityUnusable =
    L"Velocita' iniziale nei rami %s m/s: deve essere un numero positivo\n";
inline constexpr std::wstring_view kIterationLimitUnusable =
    L"Numero max iterazioni %d: e' richiesta almeno una iterazione\n";
inline constexpr std::wstring_view kMinBranchFlowUnusable =
    L"Portata minima rami %s m3/s: deve essere un numero positivo\n";
inline constexpr std::wstring_view kHeadToleranceUnusable =
    L"Tolleranza sul carico %s m: deve essere un numero non negativo\n";
inline constexpr std::wstring_view kFlowToleranceUnusable =
    L"Tolleranza su Q %s m3/s: deve essere un numero non negativo\n";
inline constexpr std::wstring_view kDemandUnusable = L"Nodo %s: portata %s m3/s: deve essere un numero\n";
inline constexpr std::wstring_view kElevationUnusable = L"Nodo %s: quota %s m: deve essere un numero\n";
inline constexpr std::wstring_view kLengthUnusable =
    L"Ramo %d (%s-%s): lunghezza %s m: deve essere un numero non negativo\n";
inline constexpr std::wstring_view kDiameterUnusable =
    L"Ramo %d (%s-%s): diametro %s m: deve essere un numero positivo\n";
inline constexpr std::wstring_view kRoughnessUnusable = L"Ramo %d (%s-%s): scabrezza %s m: deve essere un numero\n";
inline constexpr std::wstring_view kCsiUnusable =
    L"Ramo %d (%s-%s): perdita concentrata %s: deve essere un numero\n";
inline constexpr std::wstring_view kTankLevelUnusable =
    L"Serbatoio %d (nodo %s): livello %s m: deve essere un numero\n";
inline constexpr std::wstring_view kSystemTooLarge =
    L"Impossibile allocare la matrice del sistema: servono %s MiB, ne sono disponibili %s\n";
inline constexpr std::wstring_view kNoMemoryForSystem = L"Impossibile allocare la matrice del sistema: memoria esaurita\n";
}  // namespace rvntext

// The messages of the schema helpers and of the exchange between schema and network. Texts pass
// through TranslateText where they are shown.
#pragma once

#include <string_view>

namespace rvntext {

inline constexpr std::wstring_view kSchemaNotCollected = L"\nImpossibile selezionare gli schemi del disegno!";
inline constexpr std::wstring_view kNetworkPlanePrompt = L"\nDigitare il piano della rete <%s>: ";
inline constexpr std::wstring_view kEntityNotOpened = L"\nImpossibile aprire l'entita %d!";

inline constexpr std::wstring_view kProgramFolderNotText = L"\n'tz-cpath' non di tipo stringa";
inline constexpr std::wstring_view kProgramFolderUnset = L"\n'tz-cpath' non inizializzata";
inline constexpr std::wstring_view kProgramFolderLookupFailed = L"\nImpossibile recuperare 'tz-cpath' [E=%d]";

// Block definitions read from their drawings; each takes the file path.
inline constexpr std::wstring_view kBlockMalformed = L"\nBlocco: \"%s\" NON definito correttamente!";
inline constexpr std::wstring_view kBlockNotRead = L"\nImpossibile leggere il blocco: \"%s\"!";
inline constexpr std::wstring_view kBlockNotInserted = L"\nImpossibile inserire il blocco: \"%s\"!";
inline constexpr std::wstring_view kBlockNotInspected = L"\nImpossibile ispezionare il blocco \"%s\"!";
inline constexpr std::wstring_view kBlockNoIterator = L"\nImpossibile ottenere l'iteratore al blocco \"%s\"!";
inline constexpr std::wstring_view kBlockEntitiesUnreachable = L"\nImpossibile accedere alle entita' del blocco \"%s\"!";

// Reading a network from its schema.
inline constexpr std::wstring_view kNoNodeBlock = L"\nNessun nodo inserito!";
inline constexpr std::wstring_view kNoTankBlock = L"\nNessun serbatoio inserito!";
inline constexpr std::wstring_view kNodeBlockLookupFailed = L"\nImpossibile recuperare il blocco \"TZ-RV-NODO\"!";
inline constexpr std::wstring_view kTankBlockLookupFailed = L"\nImpossibile recuperare il blocco \"TZ-RV-SERB\"!";

// Carrying a node elevation.
inline constexpr std::wstring_view kVerticesNotMoved = L"\nImpossibile riposizionare i vertici!";
inline constexpr std::wstring_view kNodeReferenceNotOpened = L"\nImpossibile aprire il block reference";
inline constexpr std::wstring_view kNetworkNotUpdated = L"\nImpossibile aggiornare la rete con i dati dello schema!";
inline constexpr std::wstring_view kNodeReferenceNotMoved = L"\nImpossibile modificare il block reference";
inline constexpr std::wstring_view kAttributesNotWalked = L"\nImpossibile aprire gli attributi";

// Inserting a node or a tank.
inline constexpr std::wstring_view kNodeAnglePrompt = L"\nAngolo del nodo <0>: ";
inline constexpr std::wstring_view kTankAnglePrompt = L"\nAngolo del serbatoio <0>: ";
inline constexpr std::wstring_view kPromptNotRead = L"\nImpossibile leggere il prompt (EC = %d).";
inline constexpr std::wstring_view kTypedTextWrong = L"\nLa stringa digitata NON e' corretta: ripeti l'immissione";
inline constexpr std::wstring_view kNodeLayerRefused = L"\nImpossibile settare il layer al nodo!";
inline constexpr std::wstring_view kTankLayerRefused = L"\nImpossibile settare il layer al serbatoio!";

// The node and tank commands.
inline constexpr std::wstring_view kNoUcsMatrix = L"\nImpossibile ricavare la matrice di conversione UCS --> WCS";
inline constexpr std::wstring_view kBlockTableNotOpened = L"\nImpossibile aprire la tabella dei blocchi!";
inline constexpr std::wstring_view kSelectNodePrompt = L"\nSelezionare un nodo: ";
inline constexpr std::wstring_view kSelectionInvalid = L"\nSelezione non valida: ripetere la selezione...";
inline constexpr std::wstring_view kNoObjectId = L"\nImpossibile recuperare l'identificatore!";
inline constexpr std::wstring_view kEntityNotReadable = L"\nEntita' non referenzibile in lettura";
inline constexpr std::wstring_view kNotANode = L"\nL'entita' selezionata NON e' un nodo!";
inline constexpr std::wstring_view kNodeOfAnotherNetwork = L"\nIl nodo selezionato e' di un'ALTRA rete!";

// Splitting a branch at a node.
inline constexpr std::wstring_view kSplitBranchNotOpened = L"\nImpossibile aprire la polilinea selezionata (1)";
inline constexpr std::wstring_view kVerticesNotWalked = L"\nImpossibile iterare sui vertici della polilinea!";
inline constexpr std::wstring_view kVertexNotOpened = L"\nImpossibile aprire il vertice";
inline constexpr std::wstring_view kNoBranchData = L"\n  *** Nessun dato con \"%s\" ***";

inline constexpr std::wstring_view kPointPrompt = L"\nDigitare un punto: ";
inline constexpr std::wstring_view kPointInvalid = L"\nPunto NON valido: ripeti l'immissione";
inline constexpr std::wstring_view kPointOnNode = L"\nIl punto coincide con un nodo: ripeti l'immissione";
inline constexpr std::wstring_view kBranchOfAnotherNetwork = L"\nIl ramo selezionato e' di un'ALTRA rete ";
inline constexpr std::wstring_view kNetworkLayerNamed = L"(%s)";

// The modify command.
inline constexpr std::wstring_view kSelectElementPrompt = L"\nSelezionare un elemento della rete:";
inline constexpr std::wstring_view kNoEntityId = L"\nId entita' non determinabile";
inline constexpr std::wstring_view kEntityLayerNotRead = L"\nImpossibile recuperare il layer dell'entita' selezionata";
inline constexpr std::wstring_view kNetworkLayerNameNotRead = L"\nImpossibile recuperare il nome del layer della rete";
inline constexpr std::wstring_view kNetworkLayerInvalid = L"\nIl layer della rete selezionata NON e' valido!";
inline constexpr std::wstring_view kBlockOrPolylineWanted = L"\nSelezionare un blocco o una polilinea 3d";
inline constexpr std::wstring_view kPolylineMustBeOpen = L"\nLa polilinea selezionata deve essere APERTA";
inline constexpr std::wstring_view kPolylineMustBeSimple = L"\nLa polilinea selezionata deve essere di tipo SEMPLICE";
inline constexpr std::wstring_view kPolylineNotInNetwork = L"\nLa polilinea selezionata NON e' un elemento della rete";
inline constexpr std::wstring_view kBlockNotReferenced = L"\nImpossibile referenziare il blocco";
inline constexpr std::wstring_view kBlockNotInNetwork = L"\nIl blocco selezionato NON e' un elemento della rete";
inline constexpr std::wstring_view kSettingsNotLoaded = L"Impossibile ottenere l'impostazione corrente";

// The pipe polyline test command.
inline constexpr std::wstring_view kSelectPipePrompt = L"\nSelezionare la polilinea di tubazione:";

// Building branches.
inline constexpr std::wstring_view kBranchLayerRefused = L"\nImpossibile assegnare il layer al ramo!";
inline constexpr std::wstring_view kBranchNotInserted = L"\nImpossibile inserire il ramo!";
inline constexpr std::wstring_view kVertexNotAppended = L"\nImpossibile accodare il vertice al ramo!";
inline constexpr std::wstring_view kPolylineNotOpened = L"\nImpossibile aprire la polilinea";
inline constexpr std::wstring_view kPolylineNotOpened1 = L"\nImpossibile aprire la polilinea (1)";
inline constexpr std::wstring_view kPolylineNotOpened2 = L"\nImpossibile aprire la polilinea (2)";
inline constexpr std::wstring_view kBranchNotRedrawn = L"\nImpossibile aggiornare il grafico del ramo";

// The branch command.
inline constexpr std::wstring_view kKeepElevationPrompt = L"\nMantieni la quota dell'ultimo nodo <0>: ";
inline constexpr std::wstring_view kBranchStartPrompt = L"\nDigitare il punto iniziale del ramo: ";
inline constexpr std::wstring_view kBranchPointPrompt = L"\nDigitare un punto: ";
inline constexpr std::wstring_view kBranchMorePrompt = L"\nDigitare un punto (Return per chiudere il ramo): ";
inline constexpr std::wstring_view kBranchNextPrompt = L"\nDigitare un punto (Return per chiudere il comando): ";
inline constexpr std::wstring_view kOneMorePoint = L"\nInserire almeno un altro punto";
inline constexpr std::wstring_view kNodeOfOtherNetwork = L"\nIl nodo selezionato e' di un'ALTRA rete";
inline constexpr std::wstring_view kBranchOfOtherNetwork = L"\nIl ramo selezionato e' di un'ALTRA rete";

// The branch-from-polyline command.
inline constexpr std::wstring_view kFirstNodePrompt = L"\nSelezionare il primo nodo:";
inline constexpr std::wstring_view kSecondNodePrompt = L"\nSelezionare il secondo nodo:";
inline constexpr std::wstring_view kEntityInvalid = L"\nEntita' non valida!";
inline constexpr std::wstring_view kFirstNodeSelected = L"\nSelezionato il primo nodo";
inline constexpr std::wstring_view kSecondNodeSelected = L"\nSelezionato il secondo nodo";
inline constexpr std::wstring_view kNodesCoincide = L"\nNodi coincidenti: selezionare due nodi distinti";
inline constexpr std::wstring_view kPolylinePrompt = L"\nSelezionare la polilinea:";
inline constexpr std::wstring_view kNodesNotOnPolyline = L"\nI nodi selezionati non giacciono sulla polilinea";
inline constexpr std::wstring_view kSetupNotLoaded = L"\nImpossibile ottenere il setup corrente";
inline constexpr std::wstring_view kBranchNotMade = L"\nImpossibile creare il ramo";

}  // namespace rvntext

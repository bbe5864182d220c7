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

}  // namespace rvntext

// The messages of the profile drawing and of its section marks. Texts pass through TranslateText
// where they are shown.
#pragma once

#include <string_view>

namespace TzRvnProfileDrawingText {

inline constexpr std::wstring_view kCaption = L"Messaggio Profili";
inline constexpr std::wstring_view kDashInNodeName = L"Non sono ammessi - nei nomi dei nodi";
inline constexpr std::wstring_view kSameProfile = L"\nImpossibile inserire un cartiglio con lo stesso profilo";
inline constexpr std::wstring_view kLineNotInserted = L"\nImpossibile inserire la polilinea!";

// The section marks, in the order of the entities they guard: the list not made, the entity refused.
inline constexpr std::wstring_view kBlockListNotMade = L"\nRvn-Impossibile allocare memoria per la creazione del blocco";
inline constexpr std::wstring_view kBlockNotStarted = L"\nRvn-Impossibile inizializzare il blocco anonimo";
inline constexpr std::wstring_view kLineListNotMade = L"\nRvn-Impossibile allocare memoria per la componenete linea del blocco";
inline constexpr std::wstring_view kLineNotAdded = L"\nRvn-Impossibile aggiungere la linea al blocco anonimo";
inline constexpr std::wstring_view kPointListNotMade = L"\nRvn-Impossibile allocare memoria per la componenete punto del blocco";
inline constexpr std::wstring_view kPointNotAdded = L"\nRvn-Impossibile aggiungere il punto al blocco anonimo";
inline constexpr std::wstring_view kTextListNotMade = L"\nRvn-Impossibile allocare memoria dinamica";
inline constexpr std::wstring_view kTextNotAdded = L"\nRvn-Impossibile scrivere il nome della sezione di profilo";
inline constexpr std::wstring_view kEndListNotMade = L"\nRvn-Impossibile allocare memoria per chiudere il blocco anonimo";
inline constexpr std::wstring_view kBlockNotEnded = L"\nRvn-Impossibile chiudere il blocco anonimo";
inline constexpr std::wstring_view kBlockNotNamed = L"\nRvn-Blocco anonimo non creato";
inline constexpr std::wstring_view kInsertListNotMade = L"\nRvn-Impossibile allocare memoria per l'inserimento del blocco";
inline constexpr std::wstring_view kBlockNotInserted = L"\nRvn-Impossibile inserire il blocco anonimo";

}  // namespace TzRvnProfileDrawingText

// The messages of the profile command, its dialog and its picking. Texts pass through
// TranslateText where they are shown.
#pragma once

#include <string_view>

namespace TzRvnProfileText {

inline constexpr std::wstring_view kNetworkPrompt = L"\nDigitare il nome della rete  ";
inline constexpr std::wstring_view kPromptNotRead = L"\nImpossibile leggere il prompt";
inline constexpr std::wstring_view kNoDictionary = L"\nNon esite il dizionario dell'applicazione";
inline constexpr std::wstring_view kNetworkNotUpdated = L"\nImpossibile aggiornare la rete con i dati dello schema!";

// Picking a chain in the drawing.
inline constexpr std::wstring_view kFirstNodePrompt = L"\nSelezionare il primo nodo: ";
inline constexpr std::wstring_view kNextNodePrompt = L"\nSelezionare il nodo successivo: ";
inline constexpr std::wstring_view kPointNotValid = L"\nPunto NON valido: ripeti la selezione";
inline constexpr std::wstring_view kPickAgain = L"\nRipetere la selezione";
inline constexpr std::wstring_view kSavingProfile = L"\nSalvo il profilo";
inline constexpr std::wstring_view kPolylineNotInserted = L"\nImpossibile inserire la polilinea!";
inline constexpr std::wstring_view kFirstVertexNotAppended = L"\nImpossibile accodare il vertice alla polilinea!";
inline constexpr std::wstring_view kPolylineNotOpened = L"\nImpossibile aprire la polilinea";
inline constexpr std::wstring_view kVertexNotAppended = L"\nImpossibile accodare il vertice al ramo!";
inline constexpr std::wstring_view kNoUcsMatrix = L"\nImpossibile ricavare la matrice di conversione UCS --> WCS";
inline constexpr std::wstring_view kEntityNotReadable = L"\nEntita' non referenzibile in lettura";

// The dialog's grids.
inline constexpr wchar_t kNumberTitle[] = L"  N.";
inline constexpr wchar_t kNodeTitle[] = L"      Nn";
inline constexpr wchar_t kStartTitle[] = L"      Np";
inline constexpr wchar_t kEndTitle[] = L"      Na";
inline constexpr wchar_t kCompositionTitle[] = L"  Nodo";
inline constexpr wchar_t kAddedColumnTitle[] = L"   Nodo";

}  // namespace TzRvnProfileText

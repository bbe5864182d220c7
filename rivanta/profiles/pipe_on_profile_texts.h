// The messages and names of the pipe drawn on a profile. Command-line texts pass through
// TranslateText where they are shown; the warning about branch lengths is shown as it stands.
#pragma once

#include "profiles/title_block_names.h"

#include <string_view>

namespace rvntext {

inline constexpr std::wstring_view kSelectTitleBlockPrompt = L"\nSelezionare un cartiglio profilo di Rivanta:";
inline constexpr std::wstring_view kNotATitleBlock = L"\nL'entita' non e' un cartiglio profilo";
inline constexpr std::wstring_view kNoApplicationDictionary = L"\nNon esite il dizionario dell'applicazione";
inline constexpr wchar_t kProfileLengthsWarning[] =
    L"ATTENZIONE! Se e' stata modificata la lunghezza di uno dei rami e' necessario riestrarre il profilo";

inline constexpr std::wstring_view kSelectGradeLinePrompt = L"\nSelezionare la polilinea di livelletta:";
inline constexpr std::wstring_view kLightweightRefused = L"\nNon e' possibile creare una tubazione con una LWPOLYLINE";
inline constexpr std::wstring_view kLightweightNotOpened = L"\nImpossibile aprire la polilinea lw";
inline constexpr std::wstring_view k2dPolylineWanted = L"\nSelezionare una POLILINEA 2D";
inline constexpr std::wstring_view kPolylineNotInserted = L"\nImpossibile inserire la polilinea!";

// When the profile key names no pair of nodes that a branch joins, and when the grade line does
// not reach the vertical at the end of a branch (followed by the name of the node there).
inline constexpr std::wstring_view kNoProfileBranch = L"\nNessun ramo della rete unisce i nodi del profilo";
inline constexpr std::wstring_view kGradeLineMissesNode =
    L"\nLa livelletta non raggiunge la verticale del nodo: tubazione non creata ";

// Shown in message boxes.
inline constexpr std::wstring_view kPipeVertexNotOpened = L"Impossibile aprire il vertice";
inline constexpr std::wstring_view kLayerTableNotOpened = L"Impossibile aprire la tabella dei layer";
inline constexpr std::wstring_view kLayerNotMade = L"Impossibile creare il layer";

}  // namespace rvntext

namespace rvnprofile {

inline constexpr wchar_t kPipeLayer[] = L"TUBAZIONI";
// The vertex data: the registered application, the kind code of a pipe vertex and its name.
inline constexpr wchar_t kPipeVertexApplication[] = L"TZ-TOZARI-TZ-RV";
inline constexpr int kPipeVertexKind = 230;
inline constexpr wchar_t kPipeVertexName[] = L"TZ-RVN-TUBAZIONE";
// A grade line vertex within this distance of a branch boundary lies on it.
inline constexpr double kBoundaryTolerance = 0.001;

}  // namespace rvnprofile

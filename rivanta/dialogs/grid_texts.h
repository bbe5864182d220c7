// The texts of the grid window "Database Dati Rete": column titles, pane captions, the messages of
// its boxes (captioned "Messaggio Database Dati Rete") and of the row checks printed on the
// command line. They pass through TranslateText where they are shown.
#pragma once

#include <array>

namespace TzRvnGridText {

inline constexpr wchar_t kBoxTitle[] = L"Messaggio Database Dati Rete";
inline constexpr wchar_t kNodesPane[] = L"Nodi";
inline constexpr wchar_t kEdgesPane[] = L"Rami";
inline constexpr wchar_t kTanksPane[] = L"Serbatoi";

// Titles of the columns that do not depend on units.
inline constexpr wchar_t kNumber[] = L"N.  ";
inline constexpr wchar_t kNodeName[] = L"Nn    ";
inline constexpr wchar_t kStartNode[] = L"Np    ";
inline constexpr wchar_t kEndNode[] = L"Na    ";
inline constexpr wchar_t kExcluded[] = L"E";
inline constexpr wchar_t kElevation[] = L"        Z [ m ]";
inline constexpr wchar_t kHead[] = L"        H [ m ]";
inline constexpr wchar_t kPressureHead[] = L"       h [ m ]";
inline constexpr wchar_t kNote[] = L"Note                                        ";
inline constexpr wchar_t kLength[] = L"       L [ m ]";
inline constexpr wchar_t kCsi[] = L"         Csi";
inline constexpr wchar_t kVelocity[] = L"    V [ m/s ]";
inline constexpr wchar_t kReynolds[] = L"               Re";
inline constexpr wchar_t kHeadLoss[] = L"    dh [ m ]";

// Unit-dependent titles by unit code: as the grids open (from the settings file) and once they
// show a network or the settings changed.
using FlowTitles = std::array<const wchar_t*, 2>;
using LengthTitles = std::array<const wchar_t*, 3>;
using SlopeTitles = std::array<const wchar_t*, 2>;
inline constexpr FlowTitles kOpeningNodeFlow{L"   Q [ m3/s ]", L"    Q [ l/s ]"};
inline constexpr FlowTitles kOpeningEdgeFlow{L"    Q [ m3/s ]", L"     Q [ l/s ]"};
inline constexpr LengthTitles kOpeningDiameter{L"      D [ m ]", L"     D [ cm ]", L"     D [ mm ]"};
inline constexpr SlopeTitles kOpeningSlope{L"Sfr [ m/m ]", L"Sfr [ m/km ]"};
inline constexpr FlowTitles kFilledFlow{L"Q [ m3/s ]", L" Q [ l/s ]"};
inline constexpr LengthTitles kFilledDiameter{L"   D [ m ]", L"  D [ cm ]", L"  D [ mm ]"};
inline constexpr SlopeTitles kFilledSlope{L"Sfr [ m/m ]", L"Sfr [ m/Km ]"};
inline constexpr LengthTitles kRoughness{L" Sca [ m ]", L"Sca [ cm ]", L"Sca [ mm ]"};

// Message boxes (with those the network database dialog shares, network_database_texts.h).
inline constexpr wchar_t kNodesNotShown[] = L"Impossibile visualizzare i nodi della rete";
inline constexpr wchar_t kEdgesNotShown[] = L"Impossibile visualizzare i rami della rete";
inline constexpr wchar_t kTanksNotShown[] = L"Impossibile visualizzare i serbatoi della rete";

// Row checks on saving, printed with the grid row.
inline constexpr wchar_t kNodeFlowNotNumber[] = L"\nLa portata del nodo %d NON e' un numero!";
inline constexpr wchar_t kNodeElevationNotNumber[] = L"\nLa quota del nodo %d NON e' un numero!";
inline constexpr wchar_t kNodeElevationNegative[] = L"\nLa quota del nodo %d e' NEGATIVA!";
inline constexpr wchar_t kEdgeLengthNotNumber[] = L"\nLa lunghezza del ramo %d NON e' un numero!";
inline constexpr wchar_t kEdgeLengthNotPositive[] = L"\nLa lunghezza del ramo %d NON e' positiva!";
inline constexpr wchar_t kEdgeDiameterNotNumber[] = L"\nIl diametro del ramo %d NON e' un numero!";
inline constexpr wchar_t kEdgeDiameterNotPositive[] = L"\nIl diametro del ramo %d NON e' positivo!";
inline constexpr wchar_t kEdgeRoughnessNotNumber[] = L"\nLa scabrezza del ramo %d NON e' un numero!";
inline constexpr wchar_t kEdgeRoughnessNotPositive[] = L"\nLa scabrezza del ramo %d NON e' positiva!";
inline constexpr wchar_t kEdgeCsiNotNumber[] = L"\nIl coefficiente Csi ramo %d NON e' un numero!";
inline constexpr wchar_t kEdgeCsiNegative[] = L"\nIl coefficiente Csi del ramo %d e' NEGATIVO!";
inline constexpr wchar_t kTankHeadNotNumber[] = L"\nLa piezometrica del serbatoio %d NON e' un numero!";
inline constexpr wchar_t kTankHeadNotPositive[] = L"\nLa piezometrica del serbatoio %d NON e' positiva";
// Values no row check above names, refused all the same so that nothing typed is lost silently.
inline constexpr wchar_t kEdgeExcludedNotInteger[] = L"\nIl valore E del ramo %d NON e' un numero intero!";
inline constexpr wchar_t kNameTooLong[] = L"\nIl nome alla riga %d supera i 15 caratteri!";

}  // namespace TzRvnGridText

// The texts of the node, branch and tank dialogs: captions, unit labels and the messages of the
// values they refuse. They pass through TranslateText where they are shown.
#pragma once

namespace TzRvnElementDialogText {

inline constexpr wchar_t kMessageCaption[] = L"AutoCAD";
inline constexpr wchar_t kNoCurrentSettings[] = L"Impossibile ottenere l'impostazione corrente";

inline constexpr wchar_t kInsertNode[] = L"Inserimento NODO";
inline constexpr wchar_t kModifyNode[] = L"Modifica NODO";
inline constexpr wchar_t kInsertBranch[] = L"Inserimento TUBAZIONE";
inline constexpr wchar_t kModifyBranch[] = L"Modifica TUBAZIONE";
inline constexpr wchar_t kInsertTank[] = L"Inserimento SERBATOIO";
inline constexpr wchar_t kModifyTank[] = L"Modifica SERBATOIO";

inline constexpr const wchar_t* kFlowUnitLabels[] = {L"[ m3/s ]", L"[ l/s ]"};
inline constexpr const wchar_t* kLengthUnitLabels[] = {L"[ m ]", L"[ cm ]", L"[ mm ]"};

inline constexpr wchar_t kNameEmpty[] = L"Il Nome/Numero deve avere almeno 1 carattere!";
inline constexpr wchar_t kNameInUse[] = L"Nome/Numero ESISTENTE: modificarlo!";
inline constexpr wchar_t kElevationNegative[] = L"La quota deve essere positiva o nulla";
inline constexpr wchar_t kLengthNotPositive[] = L"La lunghezza deve essere positiva";
inline constexpr wchar_t kDiameterNotPositive[] = L"Il diametro deve essere positivo";
inline constexpr wchar_t kRoughnessNotPositive[] = L"La scabrezza deve essere positiva";
inline constexpr wchar_t kCoefficientNegative[] = L"Il coefficiente deve essere positivo o nullo";
inline constexpr wchar_t kHeadNotPositive[] = L"La piezometrica deve positiva";

}  // namespace TzRvnElementDialogText

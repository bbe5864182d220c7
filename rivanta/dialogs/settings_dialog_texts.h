// The texts of the settings dialog: caption, list items, the messages of its loads and saves
// (captioned "Messaggio Impostazioni") and those of the values its fields refuse (captioned as
// every field check, "AutoCAD"). They pass through TranslateText where they are shown.
#pragma once

namespace TzRvnSettingsDialogText {

inline constexpr wchar_t kNetworkCaption[] = L"Impostazioni - [%s]";
inline constexpr wchar_t kMessageCaption[] = L"Messaggio Impostazioni";

inline constexpr wchar_t kFileUnreadable[] = L"Impossibile leggere le impostazioni da file";
inline constexpr wchar_t kNetworkUnreadable[] = L"Impossibile recuperare il setup della rete";
inline constexpr wchar_t kFileNotSaved[] = L"Impossibile salvare le impostazioni su file";
inline constexpr wchar_t kNetworkNotUpdated[] = L"Impossibile aggiornare le impostazioni di rete";
// Below a file's message: the file, and the line at fault of a malformed one.
inline constexpr wchar_t kFileAt[] = L"\n\"%s\"";
inline constexpr wchar_t kFileLineAt[] = L"\n\"%s\", riga %d: %s";

inline constexpr const wchar_t* kSlopeUnitLabels[] = {L"[ m/m ]", L"[ m/Km ]"};
inline constexpr const wchar_t* kFluids[] = {L"Acqua"};

inline constexpr wchar_t kInitialVelocityNotPositive[] = L"La velocita iniziale deve essere positiva";
inline constexpr wchar_t kNoIteration[] = L"E' richiesta almeno una iterazione";
inline constexpr wchar_t kMinBranchFlowNotPositive[] = L"La portata minima deve essere positiva";
inline constexpr wchar_t kHeadToleranceNotPositive[] = L"La tolleranza sul carico deve essere positiva";
inline constexpr wchar_t kFlowToleranceNotPositive[] = L"La tolleranza sulla portata deve essere positiva";
inline constexpr wchar_t kMinHeadNotPositive[] = L"Il carico idraulico minimo deve essere positivo";
inline constexpr wchar_t kMaxHeadNotPositive[] = L"Il carico idraulico massimo deve essere positivo";
inline constexpr wchar_t kMinVelocityNotPositive[] = L"La velocita minima deve essere positiva";
inline constexpr wchar_t kMaxVelocityNotPositive[] = L"La velocita massima deve essere positiva";

}  // namespace TzRvnSettingsDialogText

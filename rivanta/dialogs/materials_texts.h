// The texts of the materials dialog "Materiali" and the roughness dialog "Scabrezza": their grids'
// column titles and the messages of their loads and saves. They pass through TranslateText where
// they are shown.
#pragma once

namespace TzRvnMaterialsText {

inline constexpr wchar_t kNumberTitle[] = L"%d";
inline constexpr wchar_t kMaterialTitle[] = L"Materiale            ";
// "Scabrezza [ " and the unit of the roughness unit code (m, cm, mm), padded as the column is wide.
inline constexpr wchar_t kRoughnessTitle[] = L"Scabrezza [ ";
inline constexpr const wchar_t* kRoughnessUnitTitles[] = {L"m ]                              ",
                                                          L"cm ]                             ",
                                                          L"mm ]                             "};

inline constexpr wchar_t kArchiveCaption[] = L"Messaggio Archivio Materiali";
inline constexpr wchar_t kSettingsCaption[] = L"Messaggio Impostazioni";
inline constexpr wchar_t kDatabaseCaption[] = L"Messaggio Database Dati Rete";

inline constexpr wchar_t kArchiveNotWritten[] = L"Impossibile aprire il file dei materiali (o NON es.)";
// Below it: the archive and why it could not be written.
inline constexpr wchar_t kArchiveAt[] = L"\n\"%s\": %s";
// Rows the archive could not hold: nothing is written and the dialog stays open.
inline constexpr wchar_t kNoMaterial[] = L"L'archivio deve contenere almeno un materiale";
inline constexpr wchar_t kRowNotWritable[] = L"Riga %d: il materiale \"%s\" non puo' essere scritto nell'archivio";

}  // namespace TzRvnMaterialsText

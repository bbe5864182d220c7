// The topics of the help file that the dialogs' help buttons open (OpenHelpTopic).
#pragma once

namespace TzRvnHelpTopic {

// Profile creation.
inline constexpr wchar_t kProfileCreation[] = L"Rivanta e Reti in Pressione\\Genera Profili.htm";
// Network database and settings.
inline constexpr wchar_t kNetworkDatabase[] = L"Rivanta e Reti in Pressione\\Gestione e Calcolo Rete.htm";
// Node, branch and tank dialogs when modifying.
inline constexpr wchar_t kModifyNetwork[] = L"Rivanta e Reti in Pressione\\Modifica Rete.htm";
inline constexpr wchar_t kInsertNode[] = L"Rivanta e Reti in Pressione\\Inserisci Nodo.htm";
inline constexpr wchar_t kInsertBranch[] = L"Rivanta e Reti in Pressione\\Inserisci Ramo.htm";
inline constexpr wchar_t kInsertTank[] = L"Rivanta e Reti in Pressione\\Inserisci Serbatoio.htm";
// Manholes along a profile and their rename dialog.
inline constexpr wchar_t kManholesAlongProfile[] = L"Comando_Profilo_Tubazione_con_Pozzetti_geporet_.htm";
// Manhole type archive.
inline constexpr wchar_t kManholeArchive[] = L"Comando_Archivio_Pozzetti_della_Rete_arporet_.htm";

}  // namespace TzRvnHelpTopic

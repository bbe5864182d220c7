// The texts of the network database dialog "Dati Rete": its messages (captioned "Messaggio Dati
// Rete"), the grid window's titles and what the pick in the drawing prints. They pass through
// TranslateText where they are shown.
#pragma once

namespace TzRvnDatiReteText {

inline constexpr wchar_t kGridWindowTitle[] = L"Database Dati Rete";
inline constexpr wchar_t kGridWindowNetworkTitle[] = L"Database Dati Rete - [%s]";
inline constexpr wchar_t kGridWindowMissing[] = L"\nDatabase Dati Rete: non ancora disponibile in questa versione";

inline constexpr wchar_t kNoProgramFolder[] = L"Impossibile recuperare la directory di installazione";
inline constexpr wchar_t kNoMaterials[] = L"Impossibile aprire il file dei materiali (o file NON esistente)";
inline constexpr wchar_t kSummaryNotRead[] = L"Impossibile recuperare i dati di riepilogo";
inline constexpr wchar_t kNameNotRead[] = L"Impossibile recuperare il nome della rete";
inline constexpr wchar_t kComboNotFilled[] = L"Impossibile inizializzare il combo box";
inline constexpr wchar_t kShowAnyway[] = L"Proseguire con la visuallizzazione della rete?";
inline constexpr wchar_t kSaveDataOf[] = L"Salvare i dati di %s?";
inline constexpr wchar_t kSettingsNotRead[] = L"Impossibile leggere le impostazioni da file";
inline constexpr wchar_t kNodesNotSaved[] = L"Impossibile aggiornare i NODI";
inline constexpr wchar_t kEdgesNotSaved[] = L"\nImpossibile aggiornare i RAMI";
inline constexpr wchar_t kTanksNotSaved[] = L"\nImpossibile aggiornare i SERBATOI";
inline constexpr wchar_t kCloseGridWindow[] = L"Chiudere la finestra \"Database Dati Rete\"";

// The calculation run's choice of its network.
inline constexpr wchar_t kSelectOrCreate[] = L"Selezionare una rete o crearla    ";
inline constexpr wchar_t kNoNodes[] = L"La rete deve avere ALMENO 1 nodo";
inline constexpr wchar_t kNoName[] = L"Specificare un nome per la rete";
inline constexpr wchar_t kNoNetwork[] = L"Inserire una rete o selezionarla";

// The import's file dialog.
inline constexpr wchar_t kPortaviaExtension[] = L"ptv";
inline constexpr wchar_t kPortaviaPattern[] = L"*.ptv";
inline constexpr wchar_t kPortaviaFilter[] = L"Portavia Files (*.ptv) | *.ptv || ";

// The pick of a network in the drawing, on the command line.
inline constexpr wchar_t kPickPrompt[] = L"\nSelezionare un elemento della rete:";
inline constexpr wchar_t kPickMissed[] = L"\nSelezione non valida: ripetere la selezione...";
inline constexpr wchar_t kNoEntityId[] = L"\nId entita' non determinabile";
inline constexpr wchar_t kEntityNotReadable[] = L"\nEntita' non referenzibile in lettura";
inline constexpr wchar_t kBlockNotInNetwork[] = L"\nIl blocco selezionato NON e' un elemento della rete";
inline constexpr wchar_t kBlockNotRead[] = L"\nImpossibile referenziare il blocco";
inline constexpr wchar_t kBlockLayerInvalid[] = L"\nIl layer del blocco selezionato NON e' valido";
inline constexpr wchar_t kPolylineNotOpen[] = L"\nLa polilinea selezionata deve essere APERTA";
inline constexpr wchar_t kPolylineNotSimple[] = L"\nLa polilinea selezionata deve essere di tipo SEMPLICE";
inline constexpr wchar_t kPolylineNotInNetwork[] = L"\nLa polilinea selezionata NON e' un elemento della rete";
inline constexpr wchar_t kPolylineLayerInvalid[] = L"\nIl layer della polilinea selezionata NON e' valido!";
inline constexpr wchar_t kBlockOrPolylineWanted[] = L"\nSelezionare un BLOCCO o una POLILINEA 2D";
inline constexpr wchar_t kPickedSettingsNotRead[] = L"\nImpossibile leggere le impostazioni da file";
inline constexpr wchar_t kPickedNetworkNotFound[] = L"\nImpossibile recuperare la rete selezionata";

}  // namespace TzRvnDatiReteText

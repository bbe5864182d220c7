// "Selezione Schema <": the dialog closes while the user picks an element of a network's schema in
// the drawing, then opens again, with the picked network selected when there is one.
#include "dialogs/network_database_dialog.h"

#include "dialogs/network_database_texts.h"
#include "dialogs/schema_pick.h"
#include "frame/translation.h"

namespace Text = TzRvnDatiReteText;

void TzRvnDatiReteDlg::OnPickSchema() {
    if (GridWindowOpen()) return Say(TranslateText(Text::kCloseGridWindow), MB_ICONWARNING);
    EndDialog(IDCANCEL);
    AcDbObjectId network;
    if (PickSchemaNetwork(network) == TzRvnSchemaPick::stop) return;
    TzRvnDatiReteDlg fresh(GetParent(), network, programFolder_);
    fresh.DoModal();
}

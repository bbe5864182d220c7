#include "dialogs/dialog_icon.h"

#include "afx_dialog.h"
#include "afx_resources.h"
#include "module_resources.h"

void SetRivantaDialogIcon(CDialog& dialog) {
    const HICON icon = LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(kRivantaDialogIcon));
    dialog.SetIcon(icon, TRUE);
    dialog.SetIcon(icon, FALSE);
}

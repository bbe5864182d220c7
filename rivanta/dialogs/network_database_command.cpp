#include "dialogs/network_database_command.h"

#include "dialogs/network_database_dialog.h"
#include "host/linear_precision_guard.h"

void OpenNetworkDatabase() {
    const TzRvnLinearPrecisionGuard precision;
    TzRvnDatiReteDlg dialog(nullptr);
    dialog.DoModal();
}

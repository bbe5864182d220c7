// The plug-in's icon (resource 9000) on a dialog's caption, large and small.
#pragma once

class CDialog;

inline constexpr int kRivantaDialogIcon = 9000;

void SetRivantaDialogIcon(CDialog& dialog);

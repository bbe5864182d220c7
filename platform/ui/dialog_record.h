// What the transcript says of dialogs: opened (caption and template), closed (how, and the final
// values of its fields), a template that no module has, and the form a person at the terminal
// reads before each action.
#pragma once

#include "win_types.h"

#include <string>

class CDialog;

namespace rvnhost {

void recordDialogOpened(const CDialog& dialog);
void recordDialogClosed(const CDialog& dialog);
void recordMissingTemplate(UINT templateId);
// The dialog as the transcript names it: its caption in quotation marks and its template id.
std::wstring dialogTitle(const CDialog& dialog);

// Each field as "ID label: value" on a line of its own, the focused one marked with '>', then the
// buttons; what a person needs to act on the dialog.
std::wstring dialogForm(const CDialog& dialog);
// The fields' values on one line: "ID label=\"value\"; ...".
std::wstring dialogValues(const CDialog& dialog);

}  // namespace rvnhost

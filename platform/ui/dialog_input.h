// The user's actions on a modal dialog, one a line from the input source (the editor's):
//     type ID TEXT     the focus goes to field ID and TEXT replaces its text, as typed: a read-only
//                      or disabled field takes nothing, a limited one takes its first characters
//     focus ID         the focus goes to control ID (the field left is checked by its dialog)
//     click ID         button ID is pressed (the focus goes to it first, as with the mouse)
//     rclick ID        a right click in the middle of control ID (the focus stays where it is)
//     check ID / uncheck ID    a check box is ticked or cleared
//     drop ID          the list of combo box ID is opened (the dialog may fill it then)
//     choose ID ITEM   the item whose text is ITEM is selected in combo or list box ID
//     enter / esc      the Enter or the Escape key (on a grid that has the focus: its own keys)
// and the actions on a grid control of grid_actions.h. An action elsewhere ends the edit open in
// a grid first, as a click elsewhere would; a value its owner refuses stops the action.
// A message box a handler shows takes its answer from the next line. An action that cannot be done
// is said on the transcript and changes nothing.
#pragma once

#include <string>

class CDialog;

namespace rvnhost {

// Runs the dialog's actions until a handler ends it. When the source runs dry first, the dialog
// ends as cancelled and the transcript names it as left waiting.
void runDialogInput(CDialog& dialog);

// Does one action line; false, with the reason on the transcript, when it cannot be done.
bool applyDialogAction(CDialog& dialog, const std::wstring& line);

// Says on the transcript why an action cannot be done; false.
bool refuseAction(const std::wstring& reason);

}  // namespace rvnhost

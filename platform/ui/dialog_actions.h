// The user's actions on a dialog's controls, the same whether a line of the input source or a
// widget of a toolkit asks for them: each tells the dialog what the operating system's control
// would tell it. An action that cannot be done is said on the transcript, changes nothing and
// gives false.
#pragma once

#include <string>

class CDialog;
class CWnd;

namespace rvnhost {

// Moves the focus to the control; false when a handler kept it elsewhere (a field refused).
bool focusControl(CWnd& control);
// The control takes the focus and text replaces its text, as typed: a read-only field takes
// nothing, a limited one its first characters.
bool typeText(CDialog& dialog, CWnd& control, std::wstring text);
// The button takes the focus, then is pressed; an automatic check box changes its check.
bool clickButton(CDialog& dialog, CWnd& control);
// A check box is ticked or cleared (nothing happens when it already is).
bool setButtonCheck(CDialog& dialog, CWnd& control, bool checked);
// Item index of a combo or list box is selected.
bool chooseItem(CDialog& dialog, CWnd& control, int index);
// The list of a combo box is opened: the dialog may fill it now.
bool dropDownList(CDialog& dialog, CWnd& control);
// The right mouse button at the middle of the control, which the dialog hears as a click at that
// point of its own client area (static controls and group boxes let right clicks through).
void rightClickControl(CDialog& dialog, const CWnd& control);
// The Enter key: presses the focused push button, else the default one (the template's
// DEFPUSHBUTTON, or OK); a disabled default button does nothing.
void pressEnter(CDialog& dialog);
// The Escape key: the dialog hears the Cancel button.
void pressEscape(CDialog& dialog);

}  // namespace rvnhost

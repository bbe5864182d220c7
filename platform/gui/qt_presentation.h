// While a QtPresentation lives, the dialogs of the framework run modally as Qt dialogs and the
// message boxes are Qt message boxes; the hooks it replaced come back when it ends. A
// QApplication must exist for as long as it does.
#pragma once

#include "presentation_hooks.h"

namespace rvngui {

class QtPresentation {
public:
    QtPresentation();
    ~QtPresentation();
    QtPresentation(const QtPresentation&) = delete;
    QtPresentation& operator=(const QtPresentation&) = delete;

private:
    rvnhost::ModalLoop previousLoop_;
    rvnhost::MessageBoxPresenter previousMessageBoxes_;
};

// Runs the dialog as a Qt dialog until a handler ends it.
void runDialogWithQt(CDialog& dialog);
// Shows a message box of the framework's kind (MB_ buttons, icon and default) as a Qt message box
// over the active window; gives the button chosen (IDOK, IDYES, ...).
int showMessageBoxWithQt(const std::wstring& text, const std::wstring& caption, UINT type);

}  // namespace rvngui

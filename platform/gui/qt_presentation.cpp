#include "qt_presentation.h"

#include "dialog_view.h"
#include "message_box.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>
#include <vector>

namespace rvngui {
namespace {

struct BoxButton {
    int id;
    QMessageBox::StandardButton button;
};

std::vector<BoxButton> buttonsOf(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OKCANCEL: return {{IDOK, QMessageBox::Ok}, {IDCANCEL, QMessageBox::Cancel}};
        case MB_ABORTRETRYIGNORE:
            return {{IDABORT, QMessageBox::Abort}, {IDRETRY, QMessageBox::Retry}, {IDIGNORE, QMessageBox::Ignore}};
        case MB_YESNOCANCEL: return {{IDYES, QMessageBox::Yes}, {IDNO, QMessageBox::No}, {IDCANCEL, QMessageBox::Cancel}};
        case MB_YESNO: return {{IDYES, QMessageBox::Yes}, {IDNO, QMessageBox::No}};
        case MB_RETRYCANCEL: return {{IDRETRY, QMessageBox::Retry}, {IDCANCEL, QMessageBox::Cancel}};
        default: return {{IDOK, QMessageBox::Ok}};
    }
}

QMessageBox::Icon iconOf(UINT type) {
    switch (type & MB_ICONMASK) {
        case MB_ICONERROR: return QMessageBox::Critical;
        case MB_ICONQUESTION: return QMessageBox::Question;
        case MB_ICONWARNING: return QMessageBox::Warning;
        case MB_ICONINFORMATION: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

}  // namespace

QtPresentation::QtPresentation()
    : previousLoop_(rvnhost::setModalLoop(runDialogWithQt)),
      previousMessageBoxes_(rvnhost::setMessageBoxPresenter(showMessageBoxWithQt)) {}

QtPresentation::~QtPresentation() {
    rvnhost::setModalLoop(std::move(previousLoop_));
    rvnhost::setMessageBoxPresenter(std::move(previousMessageBoxes_));
}

void runDialogWithQt(CDialog& dialog) {
    DialogView view(dialog, QApplication::activeWindow());
    view.exec();
}

// Escape answers Cancel where the box has it, OK on a box with OK alone; a box closed without an
// answer gives its last button (Cancel or No where it has them).
int showMessageBoxWithQt(const std::wstring& text, const std::wstring& caption, UINT type) {
    QMessageBox box(iconOf(type), toQString(caption), toQString(text), QMessageBox::NoButton, QApplication::activeWindow());
    const std::vector<BoxButton> buttons = buttonsOf(type);
    for (const BoxButton& button : buttons) box.addButton(button.button);
    const std::size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    box.setDefaultButton(buttons[defaultIndex < buttons.size() ? defaultIndex : 0].button);
    const auto chosen = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const BoxButton& button : buttons) {
        if (button.button == chosen) return button.id;
    }
    return buttons.back().id;
}

}  // namespace rvngui

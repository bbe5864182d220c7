#include "dialog_view.h"

#include "dialog_actions.h"
#include "dialog_units.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QWidget>

namespace rvngui {
namespace {

std::map<const CDialog*, DialogView*>& viewsShowing() {
    static std::map<const CDialog*, DialogView*> views;
    return views;
}

bool isEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

}  // namespace

DialogView::DialogView(CDialog& dialog, QWidget* parent) : QDialog(parent), dialog_(dialog) {
    build();
    viewsShowing()[&dialog_] = this;
    rvnhost::addWindowObserver(*this);
}

// A widget being deleted still sends events through the filter: it must find no control by then.
DialogView::~DialogView() {
    rvnhost::removeWindowObserver(*this);
    viewsShowing().erase(&dialog_);
    windowsOfWidgets_.clear();
    presenters_.clear();
}

DialogView* DialogView::showing(const CDialog& dialog) {
    const auto found = viewsShowing().find(&dialog);
    return found == viewsShowing().end() ? nullptr : found->second;
}

// Every control of the template becomes its widget at its place; the dialog's client area has the
// template's size, which the user cannot change. The dialog made its child windows in the
// template's order (labels share one id, so they are found by their order, not their id).
void DialogView::build() {
    const rvnhost::DialogTemplate& form = dialog_.dialogTemplate();
    setFont(dialogFont(form));
    const DialogUnitScale scale(font());
    CWnd* window = dialog_.GetTopWindow();
    for (auto control = form.controls.begin(); control != form.controls.end() && window;
         ++control, window = window->GetNextWindow()) {
        std::unique_ptr<ControlPresenter> presenter = presentControl({dialog_, *window, *control, *this});
        QWidget* widget = presenter->widget();
        widget->setParent(this);
        widget->setObjectName(QString::number(control->id));
        const QRect place = scale.toPixels(control->place);
        widget->setGeometry(place.x(), place.y(), place.width(), presenter->heightFor(place.height()));
        if (presenter->liesBehind()) widget->lower();
        if (widget->focusPolicy() != Qt::NoFocus) {
            widget->setFocusPolicy((control->style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        }
        widget->installEventFilter(this);
        refresh(window->GetSafeHwnd(), *presenter);
        windowsOfWidgets_[widget] = window->GetSafeHwnd();
        presenters_[window->GetSafeHwnd()] = std::move(presenter);
    }
    setFixedSize(scale.width(form.place.width), scale.height(form.place.height));
    refreshDialog();
    showModelFocus();
}

void DialogView::refresh(HWND window, ControlPresenter& presenter) {
    QWidget* widget = presenter.widget();
    const QSignalBlocker blocker(widget);
    widget->setEnabled(IsWindowEnabled(window));
    presenter.refresh();
}

void DialogView::refreshDialog() {
    std::wstring caption;
    dialog_.GetWindowText(caption);
    setWindowTitle(toQString(caption));
    RECT place{};
    dialog_.GetWindowRect(&place);
    move(place.left, place.top);
}

// The widget of the control that has the model's focus takes Qt's focus.
void DialogView::showModelFocus() {
    const auto found = presenters_.find(::GetFocus());
    if (found == presenters_.end() || found->second->widget()->hasFocus()) return;
    showingFocus_ = true;
    found->second->widget()->setFocus(Qt::OtherFocusReason);
    showingFocus_ = false;
}

void DialogView::act(const std::function<void()>& action) {
    if (!dialog_.isEnded()) action();
}

void DialogView::reject() {
    act([this] { rvnhost::pressEscape(dialog_); });
}

void DialogView::windowChanged(HWND window) {
    if (window == dialog_.GetSafeHwnd()) {
        refreshDialog();
        if (dialog_.isEnded() && isVisible()) done(dialog_.result());
        return;
    }
    if (const auto found = presenters_.find(window); found != presenters_.end()) refresh(window, *found->second);
}

void DialogView::focusChanged(HWND) { showModelFocus(); }

void DialogView::windowDestroyed(HWND window) {
    if (window == dialog_.GetSafeHwnd()) {
        if (isVisible()) done(dialog_.result());
        windowsOfWidgets_.clear();
        presenters_.clear();
        return;
    }
    const auto found = presenters_.find(window);
    if (found == presenters_.end()) return;
    windowsOfWidgets_.erase(found->second->widget());
    presenters_.erase(found);
}

// A widget that gains Qt's focus gives its control the model's focus, which runs the check of the
// field left; when that check keeps the focus, the model's focus comes back to the widgets.
bool DialogView::eventFilter(QObject* watched, QEvent* event) {
    const auto known = windowsOfWidgets_.find(watched);
    if (known == windowsOfWidgets_.end()) return QDialog::eventFilter(watched, event);
    const HWND window = known->second;
    const ControlPresenter* presenter = presenters_.at(window).get();
    if (event->type() == QEvent::FocusIn && !showingFocus_) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::MouseFocusReason && presenter->focusComesWithClick()) return false;
        act([window] {
            if (CWnd* control = CWnd::FromHandle(window)) rvnhost::focusControl(*control);
        });
        showModelFocus();
        return false;
    }
    if (event->type() == QEvent::KeyPress) return handleKey(*static_cast<QKeyEvent*>(event), presenter);
    if (event->type() == QEvent::MouseButtonPress && presenter->passesRightClicks() &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        act([this, window] {
            if (const CWnd* control = CWnd::FromHandle(window)) rvnhost::rightClickControl(dialog_, *control);
        });
        return true;
    }
    return false;
}

void DialogView::keyPressEvent(QKeyEvent* event) {
    if (!handleKey(*event, nullptr)) QDialog::keyPressEvent(event);
}

// Enter and Escape are the dialog's keys, as at the terminal: Enter goes to the dialog's OK
// handling (which may move through the fields), Escape to Cancel.
bool DialogView::handleKey(QKeyEvent& key, const ControlPresenter* presenter) {
    if (key.modifiers() & ~Qt::KeypadModifier) return false;
    if (isEnter(key) && !(presenter && presenter->takesEnter())) {
        act([this] { rvnhost::pressEnter(dialog_); });
        return true;
    }
    if (key.key() == Qt::Key_Escape) {
        reject();
        return true;
    }
    return false;
}

}  // namespace rvngui

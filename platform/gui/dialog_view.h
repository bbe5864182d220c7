// A dialog of the framework shown as a Qt dialog built from the same template: each control a
// widget at its place (dialog units in pixels of the dialog's font), kept in step with the
// control both ways. Changes of the model reach the widgets through the window observer; the
// widgets' edits, clicks, focus and keys become the model operations that the dialog actions of
// the input source use, so the dialog's handlers run as they do at the terminal. When a handler
// ends the dialog, the view closes with its result.
#pragma once

#include "control_presenter.h"
#include "presentation_hooks.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>

namespace rvngui {

class DialogView : public QDialog, private rvnhost::WindowObserver {
public:
    explicit DialogView(CDialog& dialog, QWidget* parent = nullptr);
    ~DialogView() override;

    CDialog& dialog() const { return dialog_; }
    // Runs one user action on the model while the dialog runs; a handler that ends the dialog
    // closes the view with its result.
    void act(const std::function<void()>& action);
    // The view of the dialog running modally; nullptr when none.
    static DialogView* showing(const CDialog& dialog);

    // Escape and the window's close button: the dialog hears Cancel and decides.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void windowChanged(HWND window) override;
    void focusChanged(HWND focused) override;
    void windowDestroyed(HWND window) override;

    void build();
    void refresh(HWND window, ControlPresenter& presenter);
    void refreshDialog();
    void showModelFocus();
    bool handleKey(QKeyEvent& key, const ControlPresenter* presenter);

    CDialog& dialog_;
    std::map<HWND, std::unique_ptr<ControlPresenter>> presenters_;
    std::map<const QObject*, HWND> windowsOfWidgets_;
    bool showingFocus_ = false;
};

}  // namespace rvngui

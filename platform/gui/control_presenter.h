// One control of a dialog shown as one widget. refresh() puts the control's state on the widget;
// the widget's signals ask the dialog view to do the user's actions on the control, so the
// control stays the only holder of its state. A window class of its own (a grid, say) gets its
// widget by registering a factory for its class name.
#pragma once

#include "afx_dialog.h"
#include "resource_script.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

class QWidget;

namespace rvngui {

class DialogView;

class ControlPresenter {
public:
    virtual ~ControlPresenter() = default;
    virtual QWidget* widget() const = 0;
    // Puts the control's state on the widget; the view blocks the widget's signals meanwhile.
    virtual void refresh() = 0;
    // True when a click with the mouse is what moves the focus to the control (a button: the
    // click takes the focus first, and does not happen when the field left refuses its value).
    virtual bool focusComesWithClick() const { return false; }
    // True when the control takes the Enter key itself (a multi-line field that wants returns).
    virtual bool takesEnter() const { return false; }
    // True when a right click on the widget goes through to the dialog (a label, a colour swatch,
    // a group box), which hears it at the control's middle as with the action "rclick".
    virtual bool passesRightClicks() const { return false; }
    // True when the widget frames others and lies behind them (a group box).
    virtual bool liesBehind() const { return false; }
    // The widget's height for the template's: a drop-down combo box's template height includes
    // its open list.
    virtual int heightFor(int templateHeight) const { return templateHeight; }
};

// What a factory is given: the dialog and its control, the control's template, and the view whose
// act() runs the user's actions.
struct ControlContext {
    CDialog& dialog;
    CWnd& control;
    const rvnhost::ControlTemplate& form;
    DialogView& view;
};

using ControlPresenterFactory = std::function<std::unique_ptr<ControlPresenter>(const ControlContext& context)>;

// Presents the controls of a window class with the factory's widgets from now on.
void registerControlPresenter(const std::wstring& className, ControlPresenterFactory factory);
// The presenter of the control: its class's factory, else one of the standard controls (a static
// text for a class nobody presents).
std::unique_ptr<ControlPresenter> presentControl(const ControlContext& context);

inline QString toQString(const std::wstring& text) { return QString::fromStdWString(text); }

}  // namespace rvngui

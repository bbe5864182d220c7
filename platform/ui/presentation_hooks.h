// What a widget toolkit needs to present the dialogs of this framework, which itself knows no
// toolkit: it hears every change of a window's state, runs the modal dialogs' loop in place of the
// input source, and shows the message boxes. Without a presenter installed the dialogs take their
// actions and answers from the input source, and telling an absent observer costs one test.
#pragma once

#include "win_types.h"

#include <functional>
#include <string>

class CDialog;

namespace rvnhost {

// Told after a window's state changed: its text, style (enabled, read-only), check, items,
// selection, text limit or place; after the keyboard focus moved; before a window is destroyed.
class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void windowChanged(HWND window) = 0;
    virtual void focusChanged(HWND focused) = 0;
    virtual void windowDestroyed(HWND window) = 0;
};

void addWindowObserver(WindowObserver& observer);
void removeWindowObserver(WindowObserver& observer);
void notifyWindowChanged(HWND window);
void notifyFocusChanged(HWND focused);
void notifyWindowDestroyed(HWND window);

// Runs a modal dialog until a handler ends it.
using ModalLoop = std::function<void(CDialog& dialog)>;
// Shows a message box (already on the transcript) and gives the button chosen (IDOK, IDYES, ...).
using MessageBoxPresenter = std::function<int(const std::wstring& text, const std::wstring& caption, UINT type)>;

// Each installs its hook for what is shown from now on and returns the one it replaces; an empty
// one brings back the input source.
ModalLoop setModalLoop(ModalLoop loop);
MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter presenter);

// The dialog's loop: the installed one, else the actions of the input source.
void runModalLoop(CDialog& dialog);
// The installed presenter of message boxes; empty when the input source answers them.
const MessageBoxPresenter& messageBoxPresenter();

}  // namespace rvnhost

#include "presentation_hooks.h"

#include "dialog_input.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace rvnhost {
namespace {

std::vector<WindowObserver*>& observers() {
    static std::vector<WindowObserver*> list;
    return list;
}

ModalLoop& installedLoop() {
    static ModalLoop loop;
    return loop;
}

MessageBoxPresenter& installedPresenter() {
    static MessageBoxPresenter presenter;
    return presenter;
}

// An observer may add or remove observers while it is told: tell a copy of the list.
template <typename Tell>
void tellObservers(Tell tell) {
    if (observers().empty()) return;
    const std::vector<WindowObserver*> told = observers();
    for (WindowObserver* observer : told) {
        if (std::find(observers().begin(), observers().end(), observer) != observers().end()) tell(*observer);
    }
}

}  // namespace

void addWindowObserver(WindowObserver& observer) { observers().push_back(&observer); }

void removeWindowObserver(WindowObserver& observer) { std::erase(observers(), &observer); }

void notifyWindowChanged(HWND window) {
    tellObservers([window](WindowObserver& observer) { observer.windowChanged(window); });
}

void notifyFocusChanged(HWND focused) {
    tellObservers([focused](WindowObserver& observer) { observer.focusChanged(focused); });
}

void notifyWindowDestroyed(HWND window) {
    tellObservers([window](WindowObserver& observer) { observer.windowDestroyed(window); });
}

ModalLoop setModalLoop(ModalLoop loop) { return std::exchange(installedLoop(), std::move(loop)); }

MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter presenter) {
    return std::exchange(installedPresenter(), std::move(presenter));
}

void runModalLoop(CDialog& dialog) {
    if (installedLoop()) return installedLoop()(dialog);
    runDialogInput(dialog);
}

const MessageBoxPresenter& messageBoxPresenter() { return installedPresenter(); }

}  // namespace rvnhost

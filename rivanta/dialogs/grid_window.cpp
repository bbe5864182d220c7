#include "dialogs/grid_window.h"

#include <utility>

namespace {

TzRvnGridWindowFactory& factoryInForce() {
    static TzRvnGridWindowFactory factory;
    return factory;
}

std::unique_ptr<TzRvnGridWindow> noGridWindow(CWnd*, std::function<void()>) { return nullptr; }

}  // namespace

const TzRvnGridWindowFactory& GridWindowFactory() {
    static const TzRvnGridWindowFactory none = noGridWindow;
    return factoryInForce() ? factoryInForce() : none;
}

TzRvnGridWindowFactory SetGridWindowFactory(TzRvnGridWindowFactory factory) {
    return std::exchange(factoryInForce(), std::move(factory));
}

#include "dialogs/grid_window.h"

#include "dialogs/grid_container_dialog.h"
#include "dialogs/network_database_texts.h"
#include "frame/translation.h"

#include <utility>

namespace {

TzRvnGridWindowFactory& factoryInForce() {
    static TzRvnGridWindowFactory factory;
    return factory;
}

std::unique_ptr<TzRvnGridWindow> containerWindow(TzRvnGridWindowHost& host) {
    return std::make_unique<TzRvnContainerDlg>(host);
}

}  // namespace

const TzRvnGridWindowFactory& GridWindowFactory() {
    static const TzRvnGridWindowFactory container = containerWindow;
    return factoryInForce() ? factoryInForce() : container;
}

TzRvnGridWindowFactory SetGridWindowFactory(TzRvnGridWindowFactory factory) {
    return std::exchange(factoryInForce(), std::move(factory));
}

std::wstring GridSaveFailure(const TzRvnGridCounts& counts) {
    namespace Text = TzRvnDatiReteText;
    if (counts.tanks < 0) return TranslateText(Text::kTanksNotSaved);
    if (counts.edges < 0) return TranslateText(Text::kEdgesNotSaved);
    if (counts.nodes < 0) return TranslateText(Text::kNodesNotSaved);
    return {};
}

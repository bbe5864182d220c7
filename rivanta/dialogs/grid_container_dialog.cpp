#include "dialogs/grid_container_dialog.h"

#include "dialogs/edge_grid_dialog.h"
#include "dialogs/grid_texts.h"
#include "dialogs/node_grid_dialog.h"
#include "dialogs/tank_grid_dialog.h"
#include "frame/translation.h"

namespace Text = TzRvnGridText;

TzRvnContainerDlg::TzRvnContainerDlg(TzRvnGridWindowHost& host)
    : CDialog(kTemplate, host.hostWindow()), host_(host) {}

TzRvnContainerDlg::~TzRvnContainerDlg() = default;

// The window with its three panes; false, the window gone, when a grid could not be shown (it
// said why).
bool TzRvnContainerDlg::open() {
    shown_ = Create(kTemplate, host_.hostWindow()) != FALSE;
    if (!shown_) DestroyWindow();
    return shown_;
}

BOOL TzRvnContainerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    TranslateDialog(this);
    RECT place{0, 0, 0, 0};
    GetWindowRect(&place);
    stack_ = std::make_unique<TzRvnStackWnd>();
    stack_->Create(RECT{0, 0, place.right - place.left, place.bottom - place.top}, this, kStack);
    TzRvnGridOwner& owner = *this;
    nodes_ = std::make_unique<TzRvnNodesDlg>(owner);
    edges_ = std::make_unique<TzRvnEdgesDlg>(owner);
    tanks_ = std::make_unique<TzRvnTanksDlg>(owner);
    const std::pair<TzRvnElementGridDlg*, const wchar_t*> panes[] = {
        {nodes_.get(), Text::kNodesPane}, {edges_.get(), Text::kEdgesPane}, {tanks_.get(), Text::kTanksPane}};
    for (const auto& [pane, caption] : panes) {
        if (!pane->Create(pane->templateId(), stack_.get())) return FALSE;
        stack_->AddPane(pane, TranslateText(caption), true);
    }
    return TRUE;
}

int TzRvnContainerDlg::nodeRowCount() const { return shown_ ? nodes_->qualifyingRows() : 0; }

void TzRvnContainerDlg::setTitle(const std::wstring& title) { SetWindowText(title.c_str()); }

TzRvnGridCounts TzRvnContainerDlg::saveInto(TzRvnNetwork& network) {
    if (!shown_) return {};
    const int nodes = nodes_->saveInto(network);
    const int edges = edges_->saveInto(network);
    return {nodes, edges, tanks_->saveInto(network)};
}

void TzRvnContainerDlg::refreshFrom(const TzRvnNetwork& network) {
    if (!shown_) return;
    for (TzRvnElementGridDlg* grid : {static_cast<TzRvnElementGridDlg*>(nodes_.get()),
                                      static_cast<TzRvnElementGridDlg*>(edges_.get()),
                                      static_cast<TzRvnElementGridDlg*>(tanks_.get())}) {
        grid->fillFrom(network);
    }
}

void TzRvnContainerDlg::refreshTitles() {
    if (!shown_) return;
    TzRvnSettings settings;
    if (!ReadGridSettings(*this, settings)) return;
    nodes_->retitle(settings, false);
    edges_->retitle(settings, false);
    tanks_->retitle(settings, false);
}

void TzRvnContainerDlg::clear() {
    if (!shown_) return;
    nodes_->clearRows();
    edges_->clearRows();
    tanks_->clearRows();
}

void TzRvnContainerDlg::OnClose() {
    if (!shown_ || !saveOnClose()) return;
    EndDialog(IDOK);  // recorded with the grids as they were saved
    tearDown();
}

// The panes and the stack destroyed; the dialog may open its settings again.
void TzRvnContainerDlg::tearDown() {
    if (stack_) stack_->DestroyWindow();
    active_ = nullptr;
    shown_ = false;
    host_.gridWindowClosed();
}

const std::wstring& TzRvnContainerDlg::programFolder() const { return host_.programFolder(); }

AcDbObjectId TzRvnContainerDlg::chosenNetwork() const { return host_.chosenNetwork(); }

void TzRvnContainerDlg::say(const std::wstring& text, UINT icon) {
    MessageBoxW(GetSafeHwnd(), text.c_str(), TranslateText(Text::kBoxTitle).c_str(), MB_OK | icon);
}

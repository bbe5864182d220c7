#include "profiles/profile_dialog.h"

#include "afx_grid.h"
#include "dialogs/dialog_icon.h"
#include "frame/help.h"
#include "frame/help_topics.h"
#include "frame/translation.h"
#include "profiles/profile_dialog_ids.h"
#include "profiles/profile_drawing.h"
#include "profiles/profile_grids.h"
#include "profiles/profile_list.h"
#include "profiles/profile_run_network.h"
#include "profiles/profile_pick.h"

using namespace TzRvnProfileDialog;

namespace {

// Where each grid lies, as fractions of the dialog's area: left and right margins of the width,
// top and bottom margins of the height.
struct GridPlace {
    int id;
    double left, right;
};
constexpr GridPlace kGridPlaces[] = {{kNodeList, 0.015, 0.846}, {kBranchList, 0.168, 0.624}, {kComposition, 0.39, 0.015}};
constexpr double kGridTop = 0.075;
constexpr double kGridBottom = 0.217;

}  // namespace

TzRvnCreaProfiliDlg::TzRvnCreaProfiliDlg(CWnd* parent) : CDialog(kTemplate, parent) {}

CGridCtrl& TzRvnCreaProfiliDlg::Grid(int id) const { return *static_cast<CGridCtrl*>(GetDlgItem(id)); }

// The grids laid out and titled, the network brought up to date from its schema, its nodes listed,
// then the profiles already composed when a picking has just added one.
BOOL TzRvnCreaProfiliDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    TranslateDialog(this);
    SetRivantaDialogIcon(*this);
    PlaceGrids();
    SetUpNodeList(Grid(kNodeList));
    SetUpBranchList(Grid(kBranchList));
    SetUpComposition(Grid(kComposition));
    currentColumn_ = 1;
    TzRvnOpenObject<TzRvnNetwork> network;
    if (!OpenUpdatedProfileNetwork(network)) return TRUE;
    const TzRvnNetworkData data = network->data();
    network.close();
    FillNodeList(data);
    if (ProfilePicking().saved) ListSavedProfiles(data);
    return TRUE;
}

void TzRvnCreaProfiliDlg::PlaceGrids() {
    RECT area{0, 0, 0, 0};
    GetWindowRect(&area);
    const double width = area.right - area.left;
    const double height = area.bottom - area.top;
    const int top = static_cast<int>(kGridTop * height);
    const int bottom = static_cast<int>(height - kGridBottom * height);
    for (const GridPlace& place : kGridPlaces) {
        const int left = static_cast<int>(place.left * width);
        const int right = static_cast<int>(width - place.right * width);
        Grid(place.id).MoveWindow(left, top, right - left, bottom - top);
    }
}

void TzRvnCreaProfiliDlg::FillNodeList(const TzRvnNetworkData& network) {
    CGridCtrl& grid = Grid(kNodeList);
    int row = 1;
    for (const TzRvnNode& node : network.nodes()) {
        SetGridText(grid, row++, 1, node.name.str());
    }
}

void TzRvnCreaProfiliDlg::ListSavedProfiles(const TzRvnNetworkData& network) {
    ProfilePicking().saved = false;
    for (const ProfileChain& chain : ProfileList()) {
        profileRow_ = ++profileCount_;
        for (std::size_t i = 0; i < chain.size(); ++i) {
            lastNode_ = chain[i];
            AddNode(network, chain[i], i == 0 ? AddMode::first : AddMode::next);
        }
    }
}

BOOL TzRvnCreaProfiliDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* view = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
    const auto id = static_cast<int>(view->hdr.idFrom);
    if (id != kNodeList && id != kBranchList && id != kComposition) return CDialog::OnNotify(wParam, lParam, result);
    if (view->hdr.code == NM_DBLCLK && id == kNodeList) OnNodeDoubleClick(view->iRow);
    if (view->hdr.code == NM_DBLCLK && id == kBranchList) OnBranchDoubleClick(view->iRow);
    if (view->hdr.code == NM_CLICK && id == kComposition && view->iColumn == 0) OnProfileNumberClick(view->iRow);
    return TRUE;
}

BOOL TzRvnCreaProfiliDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != BN_CLICKED) return CDialog::OnCommand(wParam, lParam);
    switch (static_cast<int>(LOWORD(wParam))) {
        case kPickButton: return OnPick(), TRUE;
        case kResetButton: return OnReset(), TRUE;
        case kDrawButton: return OnDraw(), TRUE;
        case kHelpButton: return OpenHelpTopic(TzRvnHelpTopic::kProfileCreation), TRUE;
        default: return CDialog::OnCommand(wParam, lParam);
    }
}

// The dialog closes while the user picks; a chain picked shows a new dialog with every profile.
void TzRvnCreaProfiliDlg::OnPick() {
    ProfilePicking().firstNodeTaken = false;
    EndDialog(IDCANCEL);
    if (!PickProfileChain()) return;
    TzRvnCreaProfiliDlg fresh(GetParent());
    fresh.DoModal();
}

// The dialog closes and every profile composed is drawn.
void TzRvnCreaProfiliDlg::OnDraw() {
    EndDialog(IDOK);
    DrawProfiles();
}

void RunProfileDialog() {
    TzRvnCreaProfiliDlg dialog(nullptr);
    dialog.DoModal();
}

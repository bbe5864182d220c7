// What the handlers of the network database dialog share: the network made under a typed name,
// the grids saved into a network, the topology check into its report, the summary and the
// messages.
#include "dialogs/network_database_dialog.h"

#include "analysis/jobs/calc_run.h"
#include "analysis/jobs/calc_summary.h"
#include "analysis/jobs/calc_texts.h"
#include "dialogs/network_database_ids.h"
#include "dialogs/network_database_texts.h"
#include "frame/translation.h"
#include "host/open_object.h"
#include "dialogs/typed_network.h"

namespace Text = TzRvnDatiReteText;
using namespace TzRvnDatiReteId;

// Adds a network under name with the settings of the settings file, and selects it; false, with
// the message shown, when the settings file cannot be read or the drawing refuses the network
// (the drawing then unchanged).
bool TzRvnDatiReteDlg::CreateTypedNetwork(const std::wstring& name) {
    const TzRvnNewNetwork made = AddTypedNetwork(programFolder_, name);
    if (made.status == TzRvnNewNetworkStatus::settingsNotRead) {
        Say(TranslateText(Text::kSettingsNotRead), MB_ICONERROR);
        return false;
    }
    if (made.status == TzRvnNewNetworkStatus::notAdded) {
        Say(FormatTranslated(rvntext::kNetworkNotAdded, {std::wstring_view(name), int(made.addStatus)}), MB_ICONERROR);
        return false;
    }
    networkCreated(made.id, name);
    return true;
}

void TzRvnDatiReteDlg::networkCreated(AcDbObjectId id, const std::wstring& name) {
    selected_ = id;
    SelectName(name);
}

// Updates network (open for write) from the three grids; false when an update failed, its message
// (the last failure's) kept for the caller to show.
bool TzRvnDatiReteDlg::SaveGrids(TzRvnNetwork& network) {
    const TzRvnGridCounts counts = grids_->saveInto(network);
    saveFailure_ = GridSaveFailure(counts);
    return saveFailure_.empty();
}

// Checks network into rvncheck.tmp of the temporary directory: passed tells the outcome and
// reportPath names the report. False, with the message shown, when the check cannot run.
bool TzRvnDatiReteDlg::CheckToReport(TzRvnNetwork& network, std::wstring& reportPath, bool& passed) {
    std::wstring folder;
    if (!TemporaryFolder(folder)) return Say(TranslateText(rvntext::kNoTempDirectory), MB_ICONERROR), false;
    const TzRvnCalcFiles files = CalcFilesIn(folder);
    reportPath = files.checkReport;
    const TzRvnCalcRun run = RunNetworkCheck(network, files.checkReport);
    passed = run.check == 1;
    if (passed || run.status == TzRvnCalcStatus::checkFailed) return true;
    Say(CalcRunMessage(run, files), MB_ICONERROR);
    return false;
}

std::wstring TzRvnDatiReteDlg::CheckFailedQuestion(const std::wstring& reportPath) const {
    return TranslateText(rvntext::kCheckFailed) + L"\"" + reportPath + L"\"\n" + TranslateText(Text::kShowAnyway);
}

// The grid window is open when it was made, opened once and not closed since.
bool TzRvnDatiReteDlg::GridWindowOpen() const { return grids_ != nullptr && !firstUse_ && grids_->isOpen(); }

int TzRvnDatiReteDlg::NodeRows() const { return grids_ != nullptr ? grids_->nodeRowCount() : 0; }

std::wstring TzRvnDatiReteDlg::TypedName() const {
    std::wstring name;
    GetDlgItemText(kNetworkNames, name);
    return name;
}

// The name among the list's entries (added when missing), selected.
void TzRvnDatiReteDlg::SelectName(const std::wstring& name) {
    auto* names = static_cast<CComboBox*>(GetDlgItem(kNetworkNames));
    int index = names->FindStringExact(-1, name.c_str());
    if (index < 0) index = names->AddString(name.c_str());
    names->SetCurSel(index);
}

void TzRvnDatiReteDlg::SetGridTitle(const std::wstring& networkName) {
    grids_->setTitle(FormatTranslated(Text::kGridWindowNetworkTitle, {std::wstring_view(networkName)}));
}

// The counts and, once computed, the extreme heads of network.
void TzRvnDatiReteDlg::ShowSummary(const TzRvnNetwork& network) {
    const TzRvnNetworkData& data = network.data();
    ShowCounts(data.numNodes(), data.numEdges(), data.numTanks());
    ShowHeads(network.maxHead() > 0.0 ? HeadText(network.maxHead()) : L"",
              network.minHead() > -1e10 ? HeadText(network.minHead()) : L"");
}

void TzRvnDatiReteDlg::ShowCounts(int nodes, int edges, int tanks) {
    SetDlgItemText(kNodeCount, std::to_wstring(nodes).c_str());
    SetDlgItemText(kEdgeCount, std::to_wstring(edges).c_str());
    SetDlgItemText(kTankCount, std::to_wstring(tanks).c_str());
}

void TzRvnDatiReteDlg::ShowHeads(const std::wstring& highest, const std::wstring& lowest) {
    SetDlgItemText(kMaxHead, highest.c_str());
    SetDlgItemText(kMinHead, lowest.c_str());
}

void TzRvnDatiReteDlg::Say(const std::wstring& text, UINT icon) const {
    MessageBoxW(GetSafeHwnd(), text.c_str(), TranslateText(rvntext::kRunTitle).c_str(), MB_OK | icon);
}

bool TzRvnDatiReteDlg::Ask(const std::wstring& text) const {
    return MessageBoxW(GetSafeHwnd(), text.c_str(), TranslateText(rvntext::kRunTitle).c_str(),
                       MB_YESNO | MB_ICONQUESTION) == IDYES;
}

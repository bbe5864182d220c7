#include "dialogs/network_database_dialog.h"

#include "dialogs/dialog_icon.h"
#include "dialogs/network_database_ids.h"
#include "dialogs/network_database_texts.h"
#include "dialogs/settings_dialog.h"
#include "frame/command_line.h"
#include "frame/help.h"
#include "frame/help_topics.h"
#include "frame/translation.h"
#include "host/open_object.h"
#include "netobj/network_dictionary.h"
#include "network/materials.h"
#include "schema/model_space.h"
#include "schema/program_folder.h"
#include "schema/schema_layers.h"
#include "schema/schema_reader.h"
#include "schema/schema_writer.h"
#include "dbapserv.h"

#include <vector>

namespace Text = TzRvnDatiReteText;
using namespace TzRvnDatiReteId;

namespace {

AcDbDatabase* drawing() { return acdbHostApplicationServices()->workingDatabase(); }

// The network's name in "TZ-RVN"; false when it cannot be read.
bool nameOf(const TzRvnNetwork& network, std::wstring& name) {
    const std::optional<std::wstring> owned = network.nameInOwner();
    if (owned) name = *owned;
    return owned.has_value();
}

}  // namespace

TzRvnDatiReteDlg::TzRvnDatiReteDlg(CWnd* parent, AcDbObjectId preselected, std::wstring programFolder)
    : CDialog(kTemplate, parent), preselected_(preselected), programFolder_(std::move(programFolder)) {}

TzRvnDatiReteDlg::~TzRvnDatiReteDlg() = default;

BOOL TzRvnDatiReteDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    TranslateDialog(this);
    SetRivantaDialogIcon(*this);
    if (programFolder_.empty() && !ReadProgramFolder(programFolder_)) {
        Say(TranslateText(Text::kNoProgramFolder), MB_ICONERROR);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    std::vector<CMateriale> materials;
    if (ReadCheckedMaterials(programFolder_ + kMaterialsFileName, materials).status != TzRvnCheckedFileStatus::read) {
        Say(TranslateText(Text::kNoMaterials), MB_ICONERROR);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    MaterialList() = std::move(materials);
    if (!preselected_.isNull() && !ShowPreselected()) EndDialog(IDCANCEL);
    return TRUE;
}

// The preselected network checked, listed among the drawing's networks and summed up; false when
// the dialog is to close.
bool TzRvnDatiReteDlg::ShowPreselected() {
    TzRvnOpenObject<TzRvnNetwork> network(preselected_, AcDb::kForRead);
    if (!network.isOpen()) return Say(TranslateText(Text::kSummaryNotRead), MB_ICONERROR), false;
    std::wstring report;
    bool passed = false;
    if (!CheckToReport(*network, report, passed)) return false;
    if (!passed && !Ask(CheckFailedQuestion(report))) return false;
    std::wstring name;
    if (!nameOf(*network, name)) return Say(TranslateText(Text::kNameNotRead), MB_ICONERROR), false;
    RefillNetworkNames();
    auto* names = static_cast<CComboBox*>(GetDlgItem(kNetworkNames));
    if (names->FindStringExact(-1, name.c_str()) < 0) {
        return Say(TranslateText(Text::kComboNotFilled), MB_ICONERROR), false;
    }
    SelectName(name);
    ShowSummary(*network);
    selected_ = preselected_;
    return true;
}

// The list holds every network of the drawing again; the selected entry, or else the typed text,
// stays.
void TzRvnDatiReteDlg::RefillNetworkNames() {
    auto* names = static_cast<CComboBox*>(GetDlgItem(kNetworkNames));
    std::wstring kept;
    names->GetWindowText(kept);
    const bool wasSelected = names->GetCurSel() >= 0;
    std::vector<std::wstring> networks;
    ListNetworks(drawing(), networks);
    names->ResetContent();
    for (const std::wstring& network : networks) names->AddString(network.c_str());
    if (wasSelected) names->SetCurSel(names->FindStringExact(-1, kept.c_str()));
    names->SetWindowText(kept.c_str());
}

// A name chosen from the list: the grids' unsaved network may be saved first, then the chosen
// one is read again from its schema and becomes the selected network. A failure keeps the
// selection before.
void TzRvnDatiReteDlg::OnNetworkChosen() {
    auto* names = static_cast<CComboBox*>(GetDlgItem(kNetworkNames));
    std::wstring chosen;
    if (names->GetCurSel() < 0) return;
    names->GetLBText(names->GetCurSel(), chosen);
    const AcDbObjectId before = selected_;
    const auto restore = [&] {
        std::wstring name;
        TzRvnOpenObject<TzRvnNetwork> previous(before, AcDb::kForRead);
        if (previous.isOpen() && nameOf(*previous, name)) SelectName(name);
        else names->SetCurSel(-1), names->SetWindowText(typed_.c_str());
    };
    if (!OfferToSaveTyped()) return restore();
    AcDbObjectId id;
    if (FindNetwork(drawing(), chosen, id) != Acad::eOk) return restore();
    TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForWrite);
    if (!network.isOpen()) return restore();
    AcDbObjectId modelSpace;
    if (network->hasSchema() && (ModelSpaceId(drawing(), modelSpace) != Acad::eOk ||
                                 !ReadNetworkFromSchema(*network, drawing(), modelSpace, NetworkLayerName(chosen)))) {
        return restore();
    }
    if (GridWindowOpen()) {
        SetGridTitle(chosen);
        grids_->refreshFrom(*network);
    }
    SelectName(chosen);
    ShowSummary(*network);
    selected_ = id;
    typed_.clear();
}

// With the grids holding a network not yet in the drawing under a typed name, asks whether to
// save it and does; false when saving was wanted and failed.
bool TzRvnDatiReteDlg::OfferToSaveTyped() {
    if (!GridWindowOpen() || !selected_.isNull() || typed_.empty() || NodeRows() == 0) return true;
    if (!Ask(FormatTranslated(Text::kSaveDataOf, {std::wstring_view(typed_)}))) return true;
    if (!CreateTypedNetwork(typed_)) return false;
    TzRvnOpenObject<TzRvnNetwork> network(selected_, AcDb::kForWrite);
    if (!network.isOpen() || !SaveGrids(*network)) {
        if (network.isOpen()) network.close();
        Say(saveFailure_, MB_ICONWARNING);
        return false;
    }
    WriteSchemaFromNetwork(*network);
    return true;
}

// The grid window made on first use or after it was closed (it shows the selected network
// itself), titled with the network's name; the settings wait until it is closed.
void TzRvnDatiReteDlg::OnGridWindow() {
    if (firstUse_ || !GridWindowOpen()) {
        grids_ = GridWindowFactory()(*this);
        if (grids_ == nullptr) return PrintMessage(TranslateText(Text::kGridWindowMissing));
        if (!grids_->open()) return grids_.reset();
        firstUse_ = false;
    }
    std::wstring name;
    TzRvnOpenObject<TzRvnNetwork> network(selected_, AcDb::kForRead);
    if (network.isOpen() && nameOf(*network, name)) SetGridTitle(name);
    GetDlgItem(kSettingsButton)->EnableWindow(FALSE);
}

void TzRvnDatiReteDlg::gridWindowClosed() { GetDlgItem(kSettingsButton)->EnableWindow(TRUE); }

void TzRvnDatiReteDlg::OnSettings() {
    std::wstring name;
    {
        TzRvnOpenObject<TzRvnNetwork> network(selected_, AcDb::kForRead);
        if (network.isOpen()) nameOf(*network, name);
    }
    TzRvnImpostazioniDlg settings(this, programFolder_, name.empty() ? AcDbObjectId::kNull : selected_, name);
    if (settings.DoModal() == IDOK && GridWindowOpen()) grids_->refreshTitles();
}

// Saves the grids into the selected network after asking; false when saving was wanted and failed.
bool TzRvnDatiReteDlg::SaveIntoSelected() {
    std::wstring name;
    TzRvnOpenObject<TzRvnNetwork> network(selected_, AcDb::kForWrite);
    if (!network.isOpen() || !nameOf(*network, name)) return true;
    if (!Ask(FormatTranslated(Text::kSaveDataOf, {std::wstring_view(name)}))) return true;
    if (!SaveGrids(*network)) {
        network.close();
        Say(saveFailure_, MB_ICONWARNING);
        return false;
    }
    WriteSchemaFromNetwork(*network);
    return true;
}

// A new network: the grids' data may be saved first; then the grids, the selection and the
// summary are emptied.
void TzRvnDatiReteDlg::OnNew() {
    if (GridWindowOpen()) {
        if (!selected_.isNull() ? !SaveIntoSelected() : !OfferToSaveTyped()) return;
        grids_->clear();
        grids_->setTitle(TranslateText(Text::kGridWindowTitle));
    }
    selected_ = AcDbObjectId::kNull;
    typed_.clear();
    auto* names = static_cast<CComboBox*>(GetDlgItem(kNetworkNames));
    names->SetCurSel(-1);
    names->SetWindowText(L"");
    for (int field : {kNodeCount, kEdgeCount, kTankCount, kMaxHead, kMinHead}) SetDlgItemText(field, L"");
}

// OK saves the grids' network (when there is one to save) and closes; a failed save keeps the
// dialog open.
void TzRvnDatiReteDlg::OnOK() {
    if (!GridWindowOpen()) return EndDialog(IDOK);
    if (selected_.isNull()) {
        const std::wstring name = TypedName();
        if (name.empty() || NodeRows() == 0) return EndDialog(IDOK);
        if (!CreateTypedNetwork(name)) return;
    }
    TzRvnOpenObject<TzRvnNetwork> network(selected_, AcDb::kForWrite);
    if (!network.isOpen()) return;
    if (!SaveGrids(*network)) {
        network.close();
        return Say(saveFailure_, MB_ICONWARNING);
    }
    WriteSchemaFromNetwork(*network);
    network.close();
    EndDialog(IDOK);
}

BOOL TzRvnDatiReteDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    const int id = static_cast<int>(LOWORD(wParam));
    const UINT code = HIWORD(wParam);
    if (id == kNetworkNames) {
        if (code == CBN_DROPDOWN) RefillNetworkNames();
        if (code == CBN_SELCHANGE) OnNetworkChosen();
        if (code == CBN_EDITCHANGE) GetDlgItemText(kNetworkNames, typed_);
        return TRUE;
    }
    if (code != BN_CLICKED) return CDialog::OnCommand(wParam, lParam);
    switch (id) {
        case kPickButton: return OnPickSchema(), TRUE;
        case kNewButton: return OnNew(), TRUE;
        case kSettingsButton: return OnSettings(), TRUE;
        case kGridButton: return OnGridWindow(), TRUE;
        case kCalculateButton: return OnCalculate(), TRUE;
        case kImportButton: return OnImport(), TRUE;
        case kHelpButton: return OpenHelpTopic(TzRvnHelpTopic::kNetworkDatabase), TRUE;
        default: return CDialog::OnCommand(wParam, lParam);
    }
}

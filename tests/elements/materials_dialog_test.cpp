// The materials dialog and the roughness dialog on the plug-in's own templates: over a program
// folder copied from examples/ (roughness in mm), under the settings dialog whose unit list they
// follow, or over a network of a drawing.
#include "afx_grid.h"
#include "dialogs/materials_dialog.h"
#include "dialogs/roughness_dialog.h"
#include "program_folder_dialog.h"

#include <functional>

namespace {

using rvnhost::Transcript;
using rvntest::play;
using Cells = std::vector<std::vector<std::wstring>>;
namespace fs = std::filesystem;

constexpr char kArchive[] = "PVC\n0.0000015000\nGhisa\n0.0015000000\n";
const std::wstring kTitleMm = L"Scabrezza [ mm ]                             ";

// A dialog with the cells of its grid (9041) recorded as it opens and as it is closed.
template <class Dialog>
class Recording : public Dialog {
public:
    using Dialog::Dialog;
    Cells opened;
    Cells closing;

protected:
    BOOL OnInitDialog() override {
        const BOOL result = Dialog::OnInitDialog();
        opened = cells();
        return result;
    }
    void OnOK() override { closing = cells(), Dialog::OnOK(); }
    void OnCancel() override { closing = cells(), Dialog::OnCancel(); }

private:
    Cells cells() const {
        const auto* grid = dynamic_cast<const CGridCtrl*>(this->GetDlgItem(9041));
        Cells all;
        for (int row = 0; grid && row < grid->GetRowCount(); ++row) {
            all.emplace_back();
            for (int col = 0; col < grid->GetColumnCount(); ++col) all.back().push_back(grid->GetItemText(row, col));
        }
        return all;
    }
};

// The program folder also holds an archive of the two materials of the list.
class MaterialsDialog : public rvntest::ProgramFolderDialogTest {
protected:
    void SetUp() override {
        ProgramFolderDialogTest::SetUp();
        rvntest::writeBytes(archive(), kArchive);
    }
    fs::path archive() const { return folder_ / "rvnmateriali.dat"; }
};

TEST_F(MaterialsDialog, OkKeepsTheRowsWithAPositiveRoughnessInMetresAndANewMaterialOfTheEmptyLastRow) {
    MaterialList() = {{L"Senza", 0.001}, {L"Zero", 0.001}, {L"Negativo", 0.001},
                      {L"Testo", 0.001}, {L"Anonimo", 0.001}, {L"Ghisa", 0.0015}};
    Recording<TzRvnMaterialiDlg> dialog(nullptr, programFolder());
    ASSERT_EQ(play(dialog, {L"edit 9041 1 2", L"edit 9041 2 2 0", L"edit 9041 3 2 -1", L"edit 9041 4 2 abc",
                            L"edit 9041 5 1", L"edit 9041 7 1 Nuovo", L"key 9041 tab", L"edit 9041 7 2 0.5",
                            L"click 1"}),
              IDOK);
    ASSERT_EQ(dialog.opened.size(), 8u);  // titles, six materials, the empty row
    EXPECT_EQ(dialog.opened[0], (std::vector<std::wstring>{L"", L"Materiale            ", kTitleMm}));
    EXPECT_EQ(dialog.opened[6], (std::vector<std::wstring>{L"6", L"Ghisa", L"1.5000"}));
    EXPECT_EQ(dialog.opened[7], (std::vector<std::wstring>{L"7", L"", L""}));
    EXPECT_EQ(rvntest::readBytes(archive()), "Ghisa\n0.0015000000\nNuovo\n0.0005000000\n");
    ASSERT_EQ(MaterialList().size(), 2u);
    EXPECT_DOUBLE_EQ(MaterialList()[1].roughness, 0.0005);
}

TEST_F(MaterialsDialog, TheUnitIsTheOneChosenInTheParentAndARoundedTextKeepsItsStoredValue) {
    // In cm 0.01 is a tenth of a millimetre; in m the drawing's four decimals show PVC as 0.0000,
    // yet it keeps its 1.5e-6 m.
    EXPECT_EQ(settingsDialog({L"choose 9018 [ cm ]", L"click 9009", L"edit 9041 3 1 Rame", L"edit 9041 3 2 0.01",
                              L"click 1", L"choose 9018 [ m ]", L"click 9009", L"click 1", L"esc"}),
              IDCANCEL);
    EXPECT_EQ(rvntest::readBytes(archive()), std::string(kArchive) + "Rame\n0.0001000000\n");
}

TEST_F(MaterialsDialog, TheContextMenuInsertsAndNumbersRowsCutsCopiesPastesAndPrints) {
    const fs::path pdf = folder_ / "materiali.pdf";
    Recording<TzRvnMaterialiDlg> dialog(nullptr, programFolder());
    ASSERT_EQ(play(dialog, {L"rclick 9041 0 1", L"Inserisci Riga", L"rclick 9041 2 0", L"Inserisci Riga",
                            L"rclick 9041 3 1", L"Copia", L"rclick 9041 2 1", L"Incolla", L"edit 9041 2 2 0.02",
                            L"rclick 9041 4 2", L"Taglia",  // Ghisa loses its roughness
                            L"rclick 9041 3 1", L"Stampa", rvnos::fromUtf8(pdf.string()), L"click 1"}),
              IDOK);
    EXPECT_EQ(dialog.closing, (Cells{{L"", L"Materiale            ", kTitleMm},
                                     {L"1", L"", L""},
                                     {L"2", L"PVC", L"0.02"},
                                     {L"3", L"PVC", L"0.0015"},
                                     {L"4", L"Ghisa", L""},
                                     {L"5", L"", L""}}));
    EXPECT_EQ(rvntest::readBytes(archive()), "PVC\n0.0000200000\nPVC\n0.0000015000\n");
    EXPECT_EQ(rvntest::readBytes(pdf).substr(0, 4), "%PDF");
}

TEST_F(MaterialsDialog, WhatCannotBeWrittenKeepsTheDialogOpenTheOldArchiveAndTheList) {
    const fs::perms writable = fs::status(folder_.path()).permissions();
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::vector<std::wstring> actions;
        std::wstring message;
    };
    const Case cases[] = {
        {"read-only folder", [&] { fs::permissions(folder_.path(), fs::perms::owner_read | fs::perms::owner_exec); },
         {L"edit 9041 3 1 Rame", L"edit 9041 3 2 1"}, L"Impossibile aprire il file dei materiali (o NON es.)"},
        {"folder in its place", [&] { fs::remove(archive()), fs::create_directory(archive()); }, {},
         L"it is a folder, not a file"},
        {"no material", [] {}, {L"cell 9041 0 0", L"rclick 9041 1 1", L"Taglia"},
         L"L'archivio deve contenere almeno un materiale"},
        {"long name", [] {}, {L"edit 9041 3 1 " + std::wstring(130, L'x'), L"edit 9041 3 2 1"}, L"Riga 3: il materiale"},
        {"long value", [] {}, {L"edit 9041 1 2 1e300"}, L"Riga 1: il materiale \"PVC\" non puo' essere scritto"},
    };
    for (const Case& refused : cases) {
        SCOPED_TRACE(refused.what);
        Transcript::instance().clear();
        fs::remove_all(archive());
        rvntest::writeBytes(archive(), kArchive);
        refused.prepare();
        std::vector<std::wstring> actions = refused.actions;
        actions.insert(actions.end(), {L"click 1", L"ok", L"esc"});
        TzRvnMaterialiDlg dialog(nullptr, programFolder());
        EXPECT_EQ(play(dialog, actions), IDCANCEL);  // closed by Escape after the message
        fs::permissions(folder_.path(), writable);
        EXPECT_TRUE(said(L"[error] Messaggio Archivio Materiali: ")) << rvnos::toUtf8(Transcript::instance().textOf(rvnhost::TranscriptKind::MessageBox));
        EXPECT_TRUE(said(refused.message));
        EXPECT_EQ(MaterialList(), rvntest::kTwoMaterials);
        if (fs::is_regular_file(archive())) {
            EXPECT_EQ(rvntest::readBytes(archive()), kArchive);
        }
    }
}

// The settings file goes while the dialog is open.
class SettingsLosingMaterialsDlg : public TzRvnMaterialiDlg {
public:
    using TzRvnMaterialiDlg::TzRvnMaterialiDlg;
    fs::path settingsFile;

protected:
    void OnOK() override {
        fs::remove(settingsFile);
        TzRvnMaterialiDlg::OnOK();
    }
};

TEST_F(MaterialsDialog, SettingsThatCannotBeReadAreSaidUnderEachDialogsCaption) {
    SettingsLosingMaterialsDlg losing(nullptr, programFolder());
    losing.settingsFile = folder_ / "rvnsetup.par";
    // Open after the message, closed by Escape.
    EXPECT_EQ(play(losing, {L"edit 9041 3 1 Rame", L"edit 9041 3 2 1", L"click 1", L"ok", L"esc"}), IDCANCEL);
    EXPECT_EQ(rvntest::readBytes(archive()), kArchive);
    TzRvnMaterialiDlg materials(nullptr, programFolder());
    EXPECT_EQ(play(materials, {L"ok"}), IDCANCEL);
    TzRvnScabrezzaDlg roughness(nullptr, programFolder());
    EXPECT_EQ(play(roughness, {L"ok"}), IDCANCEL);
    EXPECT_TRUE(said(L"[error] Messaggio Impostazioni: Impossibile leggere le impostazioni da file"));
    EXPECT_TRUE(said(L"[error] Messaggio Database Dati Rete: Impossibile leggere le impostazioni da file"));
}

// A drawing holding the network "rete" whose roughness is shown in cm; no settings file.
class NetworkMaterialsDialog : public MaterialsDialog {
protected:
    void SetUp() override {
        MaterialsDialog::SetUp();
        TzRvnSettings settings = installed();
        settings.roughnessUnit = 1;
        addNetwork(settings);
        fs::remove(settingsFile());
    }
};

TEST_F(NetworkMaterialsDialog, TheRoughnessDialogShowsTheListInTheNetworksUnitAndTakesNoEdit) {
    Recording<TzRvnScabrezzaDlg> roughness(nullptr, programFolder(), network_);
    EXPECT_EQ(play(roughness, {L"edit 9041 2 2 7", L"click 2"}), IDCANCEL);
    EXPECT_EQ(roughness.opened, (Cells{{L"", L"Materiale            ", L"Scabrezza [ cm ]                             "},
                                       {L"1", L"PVC", L"0.0002"},
                                       {L"2", L"Ghisa", L"0.1500"}}));
    EXPECT_TRUE(said(L"Cell 2,2 of grid 9041 is read-only"));
    EXPECT_EQ(rvntest::readBytes(archive()), kArchive);
}

TEST_F(NetworkMaterialsDialog, ANetworkThatCannotBeReadIsSaidUnderEachDialogsCaption) {
    eraseNetwork();
    TzRvnMaterialiDlg materials(nullptr, programFolder(), network_);
    EXPECT_EQ(play(materials, {L"ok"}), IDCANCEL);
    TzRvnScabrezzaDlg roughness(nullptr, programFolder(), network_);
    EXPECT_EQ(play(roughness, {L"ok"}), IDCANCEL);
    EXPECT_TRUE(said(L"[error] Messaggio Archivio Materiali: Impossibile recuperare il setup della rete"));
    EXPECT_TRUE(said(L"[error] Messaggio Impostazioni: Impossibile recuperare il setup della rete"));
}

}  // namespace

// The materials dialog and the roughness dialog on the plug-in's own templates: over a program
// folder copied from examples/ (roughness in mm), under the settings dialog whose unit list they
// follow, or over a network of a drawing.
#include "afx_grid.h"
#include "afx_resources.h"
#include "dialogs/materials_dialog.h"
#include "dialogs/roughness_dialog.h"
#include "dialogs/settings_dialog.h"
#include "host/open_object.h"
#include "input_queue.h"
#include "../frame/plugin_folder.h"
#include "netobj/network_class.h"
#include "netobj/network_dictionary.h"
#include "network/materials.h"
#include "network/settings_file.h"
#include "open_object_guard.h"
#include "test_files.h"
#include "text_codec.h"
#include "transcript.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

using rvnhost::Transcript;
using Cells = std::vector<std::vector<std::wstring>>;

const std::filesystem::path kExamples = std::filesystem::path(RVN_SOURCE_DIR) / "examples";
constexpr int kGrid = 9041;
constexpr char kArchive[] = "PVC\n0.0000015000\nGhisa\n0.0015000000\n";

Cells cellsOf(const CWnd& dialog) {
    const auto* grid = dynamic_cast<const CGridCtrl*>(dialog.GetDlgItem(kGrid));
    Cells cells;
    for (int row = 0; grid && row < grid->GetRowCount(); ++row) {
        cells.emplace_back();
        for (int col = 0; col < grid->GetColumnCount(); ++col) cells.back().push_back(grid->GetItemText(row, col));
    }
    return cells;
}

// The dialogs with their grid's cells recorded as they open (and the materials dialog's as it is
// closed).
class RecordingMaterialsDlg : public TzRvnMaterialiDlg {
public:
    using TzRvnMaterialiDlg::TzRvnMaterialiDlg;
    Cells opened;
    Cells closing;

protected:
    BOOL OnInitDialog() override {
        const BOOL result = TzRvnMaterialiDlg::OnInitDialog();
        opened = cellsOf(*this);
        return result;
    }
    void OnOK() override {
        closing = cellsOf(*this);
        TzRvnMaterialiDlg::OnOK();
    }
    void OnCancel() override {
        closing = cellsOf(*this);
        TzRvnMaterialiDlg::OnCancel();
    }
};

class RecordingRoughnessDlg : public TzRvnScabrezzaDlg {
public:
    using TzRvnScabrezzaDlg::TzRvnScabrezzaDlg;
    Cells opened;

protected:
    BOOL OnInitDialog() override {
        const BOOL result = TzRvnScabrezzaDlg::OnInitDialog();
        opened = cellsOf(*this);
        return result;
    }
};

// The settings dialog whose "Materiali " button opens the recording materials dialog over it.
class SettingsOverMaterialsDlg : public TzRvnImpostazioniDlg {
public:
    SettingsOverMaterialsDlg(std::wstring folder) : TzRvnImpostazioniDlg(nullptr, folder), folder_(std::move(folder)) {}
    std::vector<Cells> materials;  // as each materials dialog opened

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        if (LOWORD(wParam) != 9009 || HIWORD(wParam) != BN_CLICKED) return TzRvnImpostazioniDlg::OnCommand(wParam, lParam);
        RecordingMaterialsDlg dialog(this, folder_);
        dialog.DoModal();
        materials.push_back(dialog.opened);
        return TRUE;
    }

private:
    std::wstring folder_;
};

// The plug-in's templates embedded in the test program, a program folder holding the installed
// settings file (roughness in mm) and an archive of two materials, which the material list holds.
class MaterialsDialog : public rvntest::OpenObjectCheckedTest {
protected:
    void SetUp() override {
        RegisterNetworkClass();
        ASSERT_TRUE(plugin_.ready());
        AfxSetResourceHandle(GetModuleHandleW(nullptr));
        std::filesystem::copy_file(kExamples / "rvnsetup.par", folder_ / "rvnsetup.par");
        rvntest::writeBytes(archive(), kArchive);
        savedMaterials_ = MaterialList();
        MaterialList() = {{L"PVC", 0.0000015}, {L"Ghisa", 0.0015}};
        Transcript::instance().clear();
    }
    void TearDown() override {
        MaterialList() = savedMaterials_;
        rvntest::OpenObjectCheckedTest::TearDown();
    }

    std::filesystem::path archive() const { return folder_ / "rvnmateriali.dat"; }
    std::wstring programFolder() const { return rvnos::fromUtf8(folder_.path().string()) + L"/"; }
    static bool said(const std::wstring& text) { return Transcript::instance().contains(text); }

    // The dialog could not save: its message, then Escape, and the archive and list are as before.
    void expectNothingSaved(const std::wstring& message) {
        EXPECT_TRUE(said(L"[error] Messaggio Archivio Materiali: " + message))
            << rvnos::toUtf8(Transcript::instance().textOf(rvnhost::TranscriptKind::MessageBox));
        EXPECT_TRUE(said(L"Dialog \"Materiali\" (9067) closed with Cancel"));
        EXPECT_EQ(MaterialList(), (std::vector<CMateriale>{{L"PVC", 0.0000015}, {L"Ghisa", 0.0015}}));
    }

    rvntest::PluginFolderFixture plugin_;
    rvntest::ScratchDir folder_;
    std::vector<CMateriale> savedMaterials_;
};

TEST_F(MaterialsDialog, ShowsTheListInTheSettingsUnitAndANewMaterialTypedInTheEmptyLastRow) {
    rvntest::QueuedInput input({L"edit 9041 3 1 Acciaio", L"key 9041 tab", L"edit 9041 3 2 0.05", L"click 1"});
    RecordingMaterialsDlg dialog(nullptr, programFolder());
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.opened, (Cells{{L"", L"Materiale            ", L"Scabrezza [ mm ]                             "},
                                    {L"1", L"PVC", L"0.0015"},
                                    {L"2", L"Ghisa", L"1.5000"},
                                    {L"3", L"", L""}}));
    EXPECT_EQ(rvntest::readBytes(archive()), std::string(kArchive) + "Acciaio\n0.0000500000\n");
    ASSERT_EQ(MaterialList().size(), 3u);
    EXPECT_EQ(MaterialList()[2].name, L"Acciaio");
    EXPECT_DOUBLE_EQ(MaterialList()[2].roughness, 0.00005);
    EXPECT_EQ(MaterialList()[0], (CMateriale{L"PVC", 0.0000015}));
}

TEST_F(MaterialsDialog, RowsWithoutAPositiveNumberLeaveTheArchiveAndATypedValueIsStoredInMetres) {
    MaterialList() = {{L"Senza", 0.001}, {L"Zero", 0.001}, {L"Negativo", 0.001},
                      {L"Testo", 0.001}, {L"Anonimo", 0.001}, {L"Ghisa", 0.0015}};
    rvntest::QueuedInput input({L"edit 9041 1 2", L"edit 9041 2 2 0", L"edit 9041 3 2 -1", L"edit 9041 4 2 abc",
                                L"edit 9041 5 1", L"edit 9041 7 1 Nuovo", L"edit 9041 7 2 0.5", L"click 1"});
    RecordingMaterialsDlg dialog(nullptr, programFolder());
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(rvntest::readBytes(archive()), "Ghisa\n0.0015000000\nNuovo\n0.0005000000\n");
    ASSERT_EQ(MaterialList().size(), 2u);
    EXPECT_DOUBLE_EQ(MaterialList()[1].roughness, 0.0005);
}

TEST_F(MaterialsDialog, TheUnitIsTheOneChosenInTheParentAndARoundedTextKeepsItsStoredValue) {
    rvntest::QueuedInput input({L"choose 9018 [ cm ]", L"click 9009", L"esc", L"choose 9018 [ m ]", L"click 9009",
                                L"edit 9041 3 1 Rame", L"edit 9041 3 2 0.0001", L"click 1", L"esc"});
    SettingsOverMaterialsDlg settings(programFolder());
    EXPECT_EQ(settings.DoModal(), IDCANCEL);
    ASSERT_EQ(settings.materials.size(), 2u);
    EXPECT_EQ(settings.materials[0][0][2], L"Scabrezza [ cm ]                             ");
    EXPECT_EQ(settings.materials[0][2][2], L"0.1500");
    // In m the drawing's four decimals show PVC as 0, yet it is still PVC's 1.5e-6 m, not 0.
    EXPECT_EQ(settings.materials[1], (Cells{{L"", L"Materiale            ", L"Scabrezza [ m ]                              "},
                                            {L"1", L"PVC", L"0.0000"},
                                            {L"2", L"Ghisa", L"0.0015"},
                                            {L"3", L"", L""}}));
    EXPECT_EQ(rvntest::readBytes(archive()), std::string(kArchive) + "Rame\n0.0001000000\n");
    EXPECT_EQ(MaterialList()[0], (CMateriale{L"PVC", 0.0000015}));
}

TEST_F(MaterialsDialog, TheContextMenuInsertsARowCutsCopiesPastesAndPrints) {
    const std::filesystem::path pdf = folder_ / "materiali.pdf";
    rvntest::QueuedInput input({L"rclick 9041 2 1", L"Inserisci Riga",  // Ghisa moves to row 3
                                L"rclick 9041 1 1", L"Copia", L"rclick 9041 2 1", L"Incolla",
                                L"edit 9041 2 2 0.02", L"rclick 9041 3 2", L"Taglia",  // Ghisa without roughness
                                L"rclick 9041 1 1", L"Stampa", rvnos::fromUtf8(pdf.string()), L"click 1"});
    RecordingMaterialsDlg dialog(nullptr, programFolder());
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(input.remaining(), 0u);
    EXPECT_TRUE(said(L"[32771 Inserisci Riga]"));
    EXPECT_EQ(rvntest::readBytes(archive()), "PVC\n0.0000015000\nPVC\n0.0000200000\n");
    EXPECT_EQ(rvntest::readBytes(pdf).substr(0, 4), "%PDF");
}

TEST_F(MaterialsDialog, AnInsertedRowNumbersTheRowsBelowItAndAnnullaWritesNothing) {
    rvntest::QueuedInput input({L"rclick 9041 1 0", L"Inserisci Riga", L"rclick 9041 0 1", L"Inserisci Riga", L"esc"});
    RecordingMaterialsDlg dialog(nullptr, programFolder());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    // Both rows inserted at row 1 (on the titles the first row is taken): PVC and Ghisa move down.
    EXPECT_EQ(dialog.closing, (Cells{{L"", L"Materiale            ", L"Scabrezza [ mm ]                             "},
                                     {L"1", L"", L""},
                                     {L"2", L"", L""},
                                     {L"3", L"PVC", L"0.0015"},
                                     {L"4", L"Ghisa", L"1.5000"},
                                     {L"5", L"", L""}}));
    EXPECT_EQ(rvntest::readBytes(archive()), kArchive);
}

TEST_F(MaterialsDialog, AnArchiveThatCannotBeWrittenKeepsTheDialogOpenAndTheOldFile) {
    const std::filesystem::perms before = std::filesystem::status(folder_.path()).permissions();
    std::filesystem::permissions(folder_.path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                                     std::filesystem::perms::group_read |
                                                     std::filesystem::perms::others_read);
    {
        rvntest::QueuedInput input({L"edit 9041 3 1 Rame", L"edit 9041 3 2 1", L"click 1", L"ok", L"esc"});
        TzRvnMaterialiDlg dialog(nullptr, programFolder());
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_FALSE(input.ranOut());
    }
    std::filesystem::permissions(folder_.path(), before);
    expectNothingSaved(L"Impossibile aprire il file dei materiali (o NON es.)");
    EXPECT_EQ(rvntest::readBytes(archive()), kArchive);

    Transcript::instance().clear();
    std::filesystem::remove(archive());
    std::filesystem::create_directory(archive());
    rvntest::QueuedInput input({L"click 1", L"ok", L"esc"});
    TzRvnMaterialiDlg dialog(nullptr, programFolder());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    expectNothingSaved(L"Impossibile aprire il file dei materiali (o NON es.)");
    EXPECT_TRUE(said(L"it is a folder, not a file"));
    EXPECT_TRUE(std::filesystem::is_directory(archive()));
}

TEST_F(MaterialsDialog, RowsTheArchiveCannotHoldAreRefusedBeforeAnythingIsWritten) {
    struct Case {
        std::vector<std::wstring> actions;
        const wchar_t* message;
    };
    const Case cases[] = {
        {{L"cell 9041 0 0", L"rclick 9041 1 1", L"Taglia"}, L"L'archivio deve contenere almeno un materiale"},
        {{L"edit 9041 3 1 " + std::wstring(130, L'x'), L"edit 9041 3 2 1"}, L"Riga 3: il materiale \"xxx"},
        {{L"edit 9041 1 2 1e300"}, L"Riga 1: il materiale \"PVC\" non puo' essere scritto nell'archivio"},
    };
    for (const Case& refused : cases) {
        Transcript::instance().clear();
        std::vector<std::wstring> actions = refused.actions;
        actions.insert(actions.end(), {L"click 1", L"ok", L"esc"});
        rvntest::QueuedInput input(actions);
        TzRvnMaterialiDlg dialog(nullptr, programFolder());
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_FALSE(input.ranOut());
        expectNothingSaved(refused.message);
        EXPECT_EQ(rvntest::readBytes(archive()), kArchive);
    }
}

TEST_F(MaterialsDialog, AnArchiveWithAnOddNumberOfLinesLosesItsLastName) {
    rvntest::writeBytes(archive(), "Ghisa\n0.0015\nOrfano\n");
    ASSERT_EQ(LoadMaterials(rvnos::fromUtf8(archive().string()), MaterialList()), 1);
    rvntest::QueuedInput input({L"click 1"});
    RecordingMaterialsDlg dialog(nullptr, programFolder());
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.opened.size(), 3u);  // titles, Ghisa, the empty row
    EXPECT_EQ(rvntest::readBytes(archive()), "Ghisa\n0.0015000000\n");
}

// The settings file goes while the dialog is open.
class SettingsLosingMaterialsDlg : public TzRvnMaterialiDlg {
public:
    using TzRvnMaterialiDlg::TzRvnMaterialiDlg;
    std::filesystem::path settingsFile;

protected:
    void OnOK() override {
        std::filesystem::remove(settingsFile);
        TzRvnMaterialiDlg::OnOK();
    }
};

TEST_F(MaterialsDialog, SettingsThatCannotBeReadAreSaid) {
    {
        rvntest::QueuedInput input({L"edit 9041 3 1 Rame", L"edit 9041 3 2 1", L"click 1", L"ok", L"esc"});
        SettingsLosingMaterialsDlg dialog(nullptr, programFolder());
        dialog.settingsFile = folder_ / "rvnsetup.par";
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);  // stays open after the message, closed by Escape
        EXPECT_FALSE(input.ranOut());
    }
    EXPECT_TRUE(said(L"[error] Messaggio Impostazioni: Impossibile leggere le impostazioni da file"));
    EXPECT_EQ(rvntest::readBytes(archive()), kArchive);

    Transcript::instance().clear();
    rvntest::QueuedInput input({L"ok", L"ok"});
    TzRvnMaterialiDlg materials(nullptr, programFolder());
    EXPECT_EQ(materials.DoModal(), IDCANCEL);
    EXPECT_TRUE(said(L"[error] Messaggio Impostazioni: Impossibile leggere le impostazioni da file"));
    TzRvnScabrezzaDlg roughness(nullptr, programFolder());
    EXPECT_EQ(roughness.DoModal(), IDCANCEL);
    EXPECT_TRUE(said(L"[error] Messaggio Database Dati Rete: Impossibile leggere le impostazioni da file"));
    EXPECT_FALSE(input.ranOut());
}

TEST_F(MaterialsDialog, TheRoughnessDialogShowsTheListAndTakesNoEdit) {
    rvntest::QueuedInput input({L"edit 9041 1 2 7", L"click 1"});
    RecordingRoughnessDlg dialog(nullptr, programFolder());
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.opened, (Cells{{L"", L"Materiale            ", L"Scabrezza [ mm ]                             "},
                                    {L"1", L"PVC", L"0.0015"},
                                    {L"2", L"Ghisa", L"1.5000"}}));
    EXPECT_TRUE(said(L"Cell 1,2 of grid 9041 is read-only"));
    EXPECT_EQ(rvntest::readBytes(archive()), kArchive);
}

// A drawing holding the network "rete" whose roughness is shown in cm.
class NetworkMaterialsDialog : public MaterialsDialog {
protected:
    void SetUp() override {
        MaterialsDialog::SetUp();
        ASSERT_EQ(Acad::eOk, CreateNetwork(&db_, L"rete", true, network_));
        TzRvnOpenObject<TzRvnNetwork> network(network_, AcDb::kForWrite);
        ASSERT_TRUE(network.isOpen());
        TzRvnSettings settings;
        ReadSettingsText(rvntest::readBytes(kExamples / "rvnsetup.par"), settings);
        settings.roughnessUnit = 1;
        ASSERT_EQ(Acad::eOk, network->setSettings(settings));
    }
    void eraseNetwork() {
        TzRvnOpenObject<TzRvnNetwork> network(network_, AcDb::kForWrite);
        ASSERT_TRUE(network.isOpen());
        ASSERT_EQ(Acad::eOk, network->erase());
    }

    AcDbDatabase db_;
    AcDbObjectId network_;
};

TEST_F(NetworkMaterialsDialog, BothDialogsShowTheNetworksUnit) {
    std::filesystem::remove(folder_ / "rvnsetup.par");  // the network's settings are enough
    rvntest::QueuedInput input({L"click 2", L"edit 9041 2 2 0.2", L"click 1"});
    RecordingRoughnessDlg roughness(nullptr, programFolder(), network_);
    EXPECT_EQ(roughness.DoModal(), IDCANCEL);
    EXPECT_EQ(roughness.opened, (Cells{{L"", L"Materiale            ", L"Scabrezza [ cm ]                             "},
                                       {L"1", L"PVC", L"0.0002"},
                                       {L"2", L"Ghisa", L"0.1500"}}));
    RecordingMaterialsDlg materials(nullptr, programFolder(), network_);
    ASSERT_EQ(materials.DoModal(), IDOK);
    EXPECT_EQ(materials.opened[0][2], L"Scabrezza [ cm ]                             ");
    EXPECT_EQ(rvntest::readBytes(archive()), "PVC\n0.0000015000\nGhisa\n0.0020000000\n");
}

TEST_F(NetworkMaterialsDialog, ANetworkThatCannotBeReadIsSaidUnderEachDialogsCaption) {
    eraseNetwork();
    rvntest::QueuedInput input({L"ok", L"ok"});
    TzRvnMaterialiDlg materials(nullptr, programFolder(), network_);
    EXPECT_EQ(materials.DoModal(), IDCANCEL);
    EXPECT_TRUE(said(L"[error] Messaggio Archivio Materiali: Impossibile recuperare il setup della rete"));
    TzRvnScabrezzaDlg roughness(nullptr, programFolder(), network_);
    EXPECT_EQ(roughness.DoModal(), IDCANCEL);
    EXPECT_TRUE(said(L"[error] Messaggio Impostazioni: Impossibile recuperare il setup della rete"));
    EXPECT_FALSE(input.ranOut());
    EXPECT_EQ(rvntest::readBytes(archive()), kArchive);
}

}  // namespace

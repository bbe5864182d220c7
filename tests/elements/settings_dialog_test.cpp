// The settings dialog on the plug-in's own template, opened directly as the network database
// dialog opens it: over a program folder copied from examples/, or over a network of a drawing.
#include "html_help.h"
#include "program_folder_dialog.h"

#include <algorithm>
#include <sys/stat.h>

namespace {

using rvnhost::Transcript;

using rvntest::kExamples;
using rvntest::play;

std::size_t countOf(rvnhost::TranscriptKind kind) {
    const auto& entries = Transcript::instance().entries();
    return static_cast<std::size_t>(
        std::count_if(entries.begin(), entries.end(), [kind](const auto& entry) { return entry.kind == kind; }));
}

// The value field id showed when the last dialog closed, as the transcript recorded it.
std::wstring closedValue(int id) {
    const auto& entries = Transcript::instance().entries();
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
        const std::wstring& text = entry->text;
        const bool closed = text.find(L" closed with ") != std::wstring::npos;
        if (entry->kind != rvnhost::TranscriptKind::Dialog || !closed) continue;
        std::size_t at = text.find(L": " + std::to_wstring(id) + L" ");
        if (at == std::wstring::npos) at = text.find(L"; " + std::to_wstring(id) + L" ");
        if (at == std::wstring::npos) return L"(no field)";
        const std::size_t value = text.find(L'=', at) + 1;
        return text.substr(value, text.find(L';', value) - value);
    }
    return L"(no dialog closed)";
}

// The settings dialog with the focus's path recorded (each list or field that gains it) and its
// flow and roughness unit labels as it closes; OK first erases the network given, as another
// command could while the dialog is open.
class RecordingSettingsDlg : public TzRvnImpostazioniDlg {
public:
    using TzRvnImpostazioniDlg::TzRvnImpostazioniDlg;
    std::vector<int> focused;
    std::wstring unitLabels;
    AcDbObjectId erased;

protected:
    void OnOK() override {
        if (!erased.isNull()) {
            TzRvnOpenObject<TzRvnNetwork> network(erased, AcDb::kForWrite);
            if (network.isOpen()) network->erase();
        }
        TzRvnImpostazioniDlg::OnOK();
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        const UINT code = HIWORD(wParam);
        if (code == EN_SETFOCUS || code == CBN_SETFOCUS) focused.push_back(static_cast<int>(LOWORD(wParam)));
        return TzRvnImpostazioniDlg::OnCommand(wParam, lParam);
    }
    void OnCancel() override {
        for (int id : {9033, 9034, 9035}) {
            std::wstring label;
            GetDlgItemText(id, label);
            unitLabels += label + L"|";
        }
        TzRvnImpostazioniDlg::OnCancel();
    }
};

using SettingsDialog = rvntest::ProgramFolderDialogTest;

TEST_F(SettingsDialog, ShowsTheInstalledSettingsInTheirDisplayUnits) {
    EXPECT_EQ(settingsDialog({L"esc"}), IDCANCEL);
    // Flows in l/s, roughness in mm, as the installed file's codes say. The other fields' values
    // are checked where a refused edit puts them back, the colours where a swatch is picked.
    EXPECT_TRUE(said(L"Dialog \"Impostazioni\" (9065) closed with Cancel: 9016 Portata=\"[ l/s ]\"; "
                     L"9017 Diametro=\"[ mm ]\"; 9018 Scabrezza=\"[ mm ]\"; 9021 Pendenza Attrito=\"[ m/Km ]\"; "
                     L"9019 =\"Acqua\"; 9022 Visc. Cinematica=\"1.004e-06\"; 9020 =\"PVC\"; "
                     L"9023 Scabrezza=\"0.0015\"; "))
        << rvnos::toUtf8(Transcript::instance().textOf(rvnhost::TranscriptKind::Dialog));
    EXPECT_EQ(rvntest::readBytes(settingsFile()), rvntest::readBytes(kExamples / "rvnsetup.par"));
}

TEST_F(SettingsDialog, EachFieldRefusesWhatBreaksItsRuleAndLosesNothing) {
    struct Case {
        int field;
        const wchar_t* typed;
        const wchar_t* message;
        const wchar_t* kept;
    };
    const Case cases[] = {
        {9024, L"0", L"La velocita iniziale deve essere positiva", L"1"},
        {9025, L"0", L"E' richiesta almeno una iterazione", L"100"},
        {9026, L"-1", L"La portata minima deve essere positiva", L"0.0001"},
        {9027, L"0", L"La tolleranza sul carico deve essere positiva", L"0.001"},
        {9028, L"-0.5", L"La tolleranza sulla portata deve essere positiva", L"0.01"},
        {9029, L"0", L"Il carico idraulico minimo deve essere positivo", L"10"},
        {9030, L"-70", L"Il carico idraulico massimo deve essere positivo", L"70"},
        {9031, L"0", L"La velocita minima deve essere positiva", L"0.3"},
        {9032, L"0", L"La velocita massima deve essere positiva", L"2"},
    };
    for (const Case& refused : cases) {
        SCOPED_TRACE(refused.field);
        Transcript::instance().clear();
        const std::wstring field = std::to_wstring(refused.field);
        // The click on OK does not happen: the field keeps the focus. Then a text that is no
        // number is put back without a word, and Escape closes.
        EXPECT_EQ(settingsDialog({L"type " + field + L" " + refused.typed, L"click 1", L"ok",
                                  L"type " + field + L" abc", L"focus 9016", L"esc"}),
                  IDCANCEL);
        EXPECT_TRUE(said(std::wstring(L"[warning] AutoCAD: ") + refused.message));
        EXPECT_EQ(countOf(rvnhost::TranscriptKind::MessageBox), 1u);
        EXPECT_EQ(closedValue(refused.field), L"\"" + std::wstring(refused.kept) + L"\"");
    }
    EXPECT_EQ(rvntest::readBytes(settingsFile()), rvntest::readBytes(kExamples / "rvnsetup.par"));
}

TEST_F(SettingsDialog, IterationsAreWholeAndThresholdsHoldToTheirPartners) {
    ASSERT_EQ(settingsDialog({L"type 9025 2.5", L"type 9030 30", L"type 9029 50", L"type 9032 0.1", L"type 9031 5",
                              L"focus 9016", L"click 1"}),
              IDOK);
    EXPECT_EQ(closedValue(9029), L"\"30\"");  // hmin 50 above hmax 30 becomes hmax, and shows it
    const TzRvnSettings settings = written();
    EXPECT_EQ(settings.maxIterations, 100);  // 2.5 is no iteration count: put back
    EXPECT_EQ(settings.minPressureHead, 30.0);
    EXPECT_EQ(settings.maxPressureHead, 30.0);
    EXPECT_EQ(settings.maxVelocity, 0.3);  // Vmax 0.1 below Vmin 0.3 becomes Vmin
    EXPECT_EQ(settings.minVelocity, 0.3);  // Vmin 5 above that Vmax becomes Vmax
    EXPECT_EQ(countOf(rvnhost::TranscriptKind::MessageBox), 0u);
}

TEST_F(SettingsDialog, AFlowUnitShowsTheStoredFlowsInItAndGivesUpTheirEdits) {
    ASSERT_EQ(settingsDialog({L"type 9028 7", L"type 9024 2", L"choose 9016 [ m3/s ]", L"click 1"}), IDOK);
    EXPECT_EQ(closedValue(9026), L"\"1e-07\"");
    EXPECT_EQ(closedValue(9028), L"\"1e-05\"");
    const TzRvnSettings settings = written();
    EXPECT_EQ(settings.flowUnit, 0);
    EXPECT_DOUBLE_EQ(settings.flowTolerance, installed().flowTolerance);  // the edit to 7 l/s is given up
    EXPECT_DOUBLE_EQ(settings.minBranchFlow, installed().minBranchFlow);
    EXPECT_EQ(settings.initialVelocity, 2.0);  // other edits stay

    Transcript::instance().clear();
    ASSERT_EQ(settingsDialog({L"choose 9016 [ l/s ]", L"type 9026 0.5", L"click 1"}), IDOK);
    EXPECT_EQ(closedValue(9028), L"\"0.01\"");  // the stored 1e-5 m3/s, times 1000
    EXPECT_DOUBLE_EQ(written().minBranchFlow, 0.0005);    // 0.5 l/s stored in m3/s
}

TEST_F(SettingsDialog, TheUnitLabelsFollowTheUnitsChosen) {
    RecordingSettingsDlg installedUnits(nullptr, programFolder());
    EXPECT_EQ(play(installedUnits, {L"esc"}), IDCANCEL);
    EXPECT_EQ(installedUnits.unitLabels, L"[ l/s ]|[ l/s ]|[ mm ]|");
    RecordingSettingsDlg chosen(nullptr, programFolder());
    EXPECT_EQ(play(chosen, {L"choose 9016 [ m3/s ]", L"choose 9018 [ cm ]", L"esc"}), IDCANCEL);
    EXPECT_EQ(chosen.unitLabels, L"[ m3/s ]|[ m3/s ]|[ cm ]|");
}

TEST_F(SettingsDialog, AMaterialShowsItsRoughnessInTheUnitChosen) {
    ASSERT_EQ(settingsDialog({L"choose 9020 Ghisa", L"choose 9018 [ m ]", L"choose 9018 [ mm ]", L"click 1"}), IDOK);
    EXPECT_EQ(closedValue(9023), L"\"1.5\"");
    const TzRvnSettings settings = written();
    EXPECT_EQ(settings.materialIndex, 1);
    EXPECT_DOUBLE_EQ(settings.defaultRoughness, 0.0015);
    EXPECT_EQ(settings.roughnessUnit, 2);

    // Without a material chosen, a new roughness unit shows the stored roughness in it.
    MaterialList().clear();
    Transcript::instance().clear();
    ASSERT_EQ(settingsDialog({L"choose 9018 [ cm ]", L"click 1"}), IDOK);
    EXPECT_EQ(closedValue(9023), L"\"0.15\"");
    EXPECT_DOUBLE_EQ(written().defaultRoughness, 0.0015);
    EXPECT_EQ(written().materialIndex, 1);  // a list without a selection keeps the stored index
}

TEST_F(SettingsDialog, AMaterialAddedInTheMaterialsDialogIsListedWhenTheListTakesTheFocus) {
    ASSERT_EQ(settingsDialog({L"click 9009", L"edit 9041 3 1 Acciaio", L"edit 9041 3 2 0.05", L"click 1",
                              L"focus 9020", L"choose 9020 Acciaio", L"click 1"}),
              IDOK);
    EXPECT_TRUE(said(L"Dialog \"Materiali\" (9067) closed with OK"));
    EXPECT_EQ(written().materialIndex, 2);
    EXPECT_DOUBLE_EQ(written().defaultRoughness, 0.00005);  // 0.05 mm
    EXPECT_EQ(rvntest::readBytes(folder_ / "rvnmateriali.dat"),
              "PVC\n0.0000015000\nGhisa\n0.0015000000\nAcciaio\n0.0000500000\n");
}

TEST_F(SettingsDialog, ARightClickOnASwatchPicksItsColour) {
    ASSERT_EQ(settingsDialog({L"rclick 9051", L"colour 10,20,30", L"ok",  // V < Vmin
                              L"rclick 9052", L"colour 2", L"esc",        // cancelled
                              L"rclick 9049", L"colour 300,0,0", L"colour 12", L"enter",
                              L"rclick 9026", L"click 1"}),  // a field takes no colour
              IDOK);
    const TzRvnSettings settings = written();
    EXPECT_EQ(settings.colourLowVelocity, RGB(10, 20, 30));
    EXPECT_EQ(settings.colourHighVelocity, installed().colourHighVelocity);
    EXPECT_EQ(settings.colourLowHead, RGB(0, 0, 255));  // basic colour 12
    EXPECT_TRUE(said(L"Dialog \"Colore\" closed with Cancel: 255,0,255"));  // opened on the swatch's colour
    EXPECT_EQ(closedValue(9051), L"colour 10,20,30");  // the swatch shows it
    EXPECT_EQ(countOf(rvnhost::TranscriptKind::Dialog), 8u);  // three pickers and the dialog opened, closed
}

TEST_F(SettingsDialog, EnterGoesRoundTheListsAndFieldsWithoutClosing) {
    std::vector<std::wstring> actions{L"focus 9028", L"enter", L"focus 9016"};
    actions.insert(actions.end(), 15, L"enter");
    actions.push_back(L"esc");
    RecordingSettingsDlg dialog(nullptr, programFolder());
    EXPECT_EQ(play(dialog, actions), IDCANCEL);
    const std::vector<int> cycle{9028, 9029, 9016, 9017, 9018, 9021, 9019, 9020, 9024, 9025,
                                 9026, 9027, 9028, 9029, 9030, 9031, 9032, 9016};
    EXPECT_EQ(std::vector<int>(dialog.focused.end() - static_cast<long>(cycle.size()), dialog.focused.end()), cycle);
}

TEST_F(SettingsDialog, OkWritesTheSettingsFileInSi) {
    ASSERT_EQ(settingsDialog({L"choose 9017 [ cm ]", L"choose 9021 [ m/m ]", L"type 9026 0.2", L"type 9027 0.005",
                              L"type 9025 250", L"click 1"}),
              IDOK);
    TzRvnSettings expected = installed();
    expected.diameterUnit = 1;
    expected.slopeUnit = 0;
    expected.minBranchFlow = 0.0002;
    expected.headTolerance = 0.005;
    expected.maxIterations = 250;
    EXPECT_EQ(rvntest::readBytes(settingsFile()), SettingsFileText(expected));
}

TEST_F(SettingsDialog, TheHelpButtonOpensTheNetworkTopic) {
    std::filesystem::create_directories(plugin_.path() / "Help");
    rvntest::writeBytes(plugin_.path() / "Help" / "TZHelp.chm", "ITSF");
    EXPECT_EQ(settingsDialog({L"click 9084", L"esc"}), IDCANCEL);
    EXPECT_TRUE(said(L"Help/TZHelp.chm::/Rivanta e Reti in Pressione\\Gestione e Calcolo Rete.htm"));
}

TEST_F(SettingsDialog, ASettingsFileThatCannotBeReadIsSaidAndTheDialogCloses) {
    for (const std::wstring& folder : {programFolder() + L"missing/", std::wstring()}) {
        Transcript::instance().clear();
        TzRvnImpostazioniDlg dialog(nullptr, folder);
        EXPECT_EQ(play(dialog, {L"ok"}), IDCANCEL);
        EXPECT_TRUE(said(L"[error] Messaggio Impostazioni: Impossibile leggere le impostazioni da file"));
    }
    std::string text = rvntest::readBytes(settingsFile());
    text.replace(text.find("100\n"), 4, "cento\n");
    rvntest::writeBytes(settingsFile(), text);
    EXPECT_EQ(settingsDialog({L"ok"}), IDCANCEL);
    EXPECT_TRUE(said(L"rvnsetup.par\", riga 8: \"cento\" is not a number"));
    EXPECT_EQ(rvntest::readBytes(settingsFile()), text);
}

TEST_F(SettingsDialog, ASettingsFileThatCannotBeWrittenKeepsTheDialogOpen) {
    chmod(settingsFile().c_str(), 0444);
    EXPECT_EQ(settingsDialog({L"type 9024 3", L"click 1", L"ok", L"esc"}), IDCANCEL);
    EXPECT_TRUE(said(L"[error] Messaggio Impostazioni: Impossibile salvare le impostazioni su file"));
    EXPECT_EQ(rvntest::readBytes(settingsFile()), rvntest::readBytes(kExamples / "rvnsetup.par"));
}

// A drawing holding the network "rete", whose settings differ from the installed file's.
class NetworkSettingsDialog : public SettingsDialog {
protected:
    void SetUp() override {
        SettingsDialog::SetUp();
        settings_ = installed();
        settings_.flowUnit = 0;
        settings_.roughnessUnit = 0;
        settings_.maxIterations = 40;
        addNetwork(settings_);
    }
    TzRvnSettings networkSettings() const {
        TzRvnOpenObject<TzRvnNetwork> network(network_, AcDb::kForRead);
        return network.isOpen() ? network->getSettings() : TzRvnSettings{};
    }

    TzRvnSettings settings_;
};

TEST_F(NetworkSettingsDialog, OkWritesTheNetworksSettingsAndLeavesTheFileAlone) {
    TzRvnImpostazioniDlg dialog(nullptr, programFolder(), network_, L"rete");
    ASSERT_EQ(play(dialog, {L"type 9025 60", L"rclick 9050", L"colour 1,2,3", L"ok", L"click 1"}), IDOK);
    EXPECT_TRUE(said(L"Dialog \"Impostazioni - [rete]\" (9065) opened"));
    EXPECT_EQ(closedValue(9016), L"\"[ m3/s ]\"");
    TzRvnSettings expected = settings_;
    expected.maxIterations = 60;
    expected.colourHighHead = RGB(1, 2, 3);
    EXPECT_EQ(networkSettings(), expected);
    EXPECT_EQ(rvntest::readBytes(settingsFile()), rvntest::readBytes(kExamples / "rvnsetup.par"));
}

TEST_F(NetworkSettingsDialog, ANetworkThatCannotBeUpdatedKeepsTheDialogOpen) {
    RecordingSettingsDlg dialog(nullptr, programFolder(), network_, L"rete");
    dialog.erased = network_;
    EXPECT_EQ(play(dialog, {L"choose 9016 [ l/s ]", L"click 1", L"ok", L"choose 9016 [ m3/s ]", L"ok", L"esc"}),
              IDCANCEL);
    EXPECT_TRUE(said(L"[error] Messaggio Impostazioni: Impossibile aggiornare le impostazioni di rete"));
    // Then a new flow unit cannot reload the erased network's settings: the unit of the flows
    // shown stays.
    EXPECT_TRUE(said(L"[error] Messaggio Impostazioni: Impossibile recuperare il setup della rete"));
    EXPECT_EQ(closedValue(9016), L"\"[ l/s ]\"");
    EXPECT_EQ(closedValue(9028), L"\"0.01\"");
}

}  // namespace

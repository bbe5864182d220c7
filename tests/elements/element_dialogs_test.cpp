// The node, branch and tank dialogs on the plug-in's own templates, in a document whose current
// network has settings of the test's choosing.
#include "dialogs/edge_attribute_dialog.h"
#include "dialogs/node_attribute_dialog.h"
#include "dialogs/tank_attribute_dialog.h"
#include "drawing_view.h"
#include "network_document.h"
#include "network/settings_units.h"
#include "program_folder_dialog.h"

namespace {

using rvnhost::Transcript;
using rvntest::play;

class ElementDialogs : public rvntest::NetworkDocumentTest {
protected:
    void SetUp() override {
        TzRvnSettings settings;
        settings.flowUnit = kFlowLitresPerSecond;
        settings.diameterUnit = kLengthMillimetres;
        settings.roughnessUnit = kLengthMillimetres;
        settings.defaultRoughness = 0.0001;
        openNetworkDocument(settings);
    }
    static bool said(const std::wstring& text) { return Transcript::instance().contains(text); }
};

TEST_F(ElementDialogs, ANodeIsTypedInWithItsRules) {
    currentDocState()->addNodeName(L"N1");
    TzRvnNodeAttributeDlg dialog(nullptr, 0, false);
    dialog.symbol = L"A";
    dialog.name = L"-";
    dialog.elevation = 12.5;
    ASSERT_EQ(play(dialog, {L"type 9023 Nodo-di-testa-lungo", L"focus 9024",  // cut to 15
                            L"type 9023 N1", L"focus 9024", L"ok",            // in use
                            L"type 9023", L"focus 9024", L"ok",               // empty
                            L"type 9024 -0.5", L"type 9025 abc", L"focus 9026",  // not a number: put back
                            L"type 9025 -2", L"focus 9026", L"ok", L"type 9026 presa", L"click 1"}),
              IDOK);
    EXPECT_EQ(dialog.name, L"Nodo-di-testa-l");
    EXPECT_EQ(dialog.flow, -0.5);
    EXPECT_EQ(dialog.elevation, 12.5);
    EXPECT_EQ(dialog.description, L"presa");
    EXPECT_TRUE(said(L"Dialog \"Inserimento NODO\" (9068) opened"));
    EXPECT_TRUE(said(L"[warning] AutoCAD: Nome/Numero ESISTENTE: modificarlo!"));
    EXPECT_TRUE(said(L"[warning] AutoCAD: Il Nome/Numero deve avere almeno 1 carattere!"));
    EXPECT_TRUE(said(L"[warning] AutoCAD: La quota deve essere positiva o nulla"));
    EXPECT_TRUE(said(L"9024 Portata=\"-0.5\"; 9025 Quota=\"12.5\""));
}

TEST_F(ElementDialogs, AModifiedNodeKeepsItsOwnName) {
    currentDocState()->addNodeName(L"N7");
    TzRvnNodeAttributeDlg dialog(nullptr, 1, true);
    dialog.name = L"N7";
    ASSERT_EQ(play(dialog, {L"type 9023 N7", L"click 1"}), IDOK);
    EXPECT_EQ(dialog.name, L"N7");
    EXPECT_FALSE(said(L"ESISTENTE"));
    EXPECT_TRUE(said(L"Dialog \"Modifica NODO\" (9068) closed with OK"));
}

TEST_F(ElementDialogs, EnterMovesThroughTheFieldsAndOnlyOkAccepts) {
    TzRvnNodeAttributeDlg dialog(nullptr, 0, false);
    dialog.name = L"-";
    // Five Enters go round the fields back to the symbol.
    EXPECT_EQ(play(dialog, {L"focus 9027", L"enter", L"enter", L"enter", L"enter", L"enter", L"type 9027 B", L"enter",
                            L"type 9023 N9", L"focus 2", L"enter"}),
              IDCANCEL);
    EXPECT_TRUE(said(L"closed with Cancel: 9027 Simbolo=\"B\"; 9023 Nome/Numero=\"N9\""));
}

TEST_F(ElementDialogs, ABranchStartsFromTheSettingsAndKeepsItsLength) {
    TzRvnEdgeAttributeDlg dialog(nullptr, 0);
    dialog.length = 42.0;
    ASSERT_EQ(play(dialog, {L"type 9025 5", L"type 9028 -1", L"focus 9029", L"ok", L"type 9026 0", L"focus 9027", L"ok",
                            L"click 1"}),
              IDOK);
    EXPECT_EQ(dialog.diameter, 1.0);
    EXPECT_DOUBLE_EQ(dialog.roughness, 0.1);
    EXPECT_EQ(dialog.length, 42.0);
    EXPECT_EQ(dialog.csi, 0.0);
    EXPECT_TRUE(said(L"Field 9025 is read-only"));
    EXPECT_TRUE(said(L"AutoCAD: Il coefficiente deve essere positivo o nullo"));
    EXPECT_TRUE(said(L"AutoCAD: Il diametro deve essere positivo"));
    EXPECT_TRUE(said(L"9026 Diametro=\"1\"; 9027 Scabrezza=\"0.1\""));
    EXPECT_TRUE(said(L"Inserimento TUBAZIONE"));
}

TEST_F(ElementDialogs, ATankStandsOnItsNodeWithAPositiveHead) {
    TzRvnTankAttributeDlg dialog(nullptr, 1);
    dialog.nodeName = L"N3";
    dialog.head = 1.0;
    ASSERT_EQ(play(dialog, {L"type 9022 X", L"type 9024 0", L"focus 9025", L"ok", L"type 9024 35.2", L"type 9023 DD",
                            L"focus 2", L"click 1"}),
              IDOK);
    EXPECT_EQ(dialog.head, 35.2);
    EXPECT_EQ(dialog.symbol, L"D");
    EXPECT_TRUE(said(L"AutoCAD: La piezometrica deve positiva"));
    EXPECT_TRUE(said(L"Dialog \"Modifica SERBATOIO\" (9069) closed with OK: 9022 Nome/Num. Nodo=\"N3\""));
}

TEST_F(ElementDialogs, WithoutSettingsTheDialogSaysSoAndIsCancelled) {
    ASSERT_TRUE(currentDocState()->setCurrentLayer(L"TZ-RV-altra"));
    rvntest::ScratchDir empty;
    rvnhost::putLispString(L"tz-cpath", rvnos::fromUtf8(empty.path().string()) + L"/");
    TzRvnEdgeAttributeDlg dialog(nullptr, 0);
    EXPECT_EQ(play(dialog, {L"ok"}), IDCANCEL);
    EXPECT_TRUE(said(L"[warning] AutoCAD: Impossibile ottenere l'impostazione corrente"));
}

// Records where the dialog stood when it was accepted.
class PlacedNodeDialog : public TzRvnNodeAttributeDlg {
public:
    using TzRvnNodeAttributeDlg::TzRvnNodeAttributeDlg;
    RECT placed{};
    void OnOK() override {
        GetWindowRect(&placed);
        TzRvnNodeAttributeDlg::OnOK();
    }
};

TEST_F(ElementDialogs, ADialogNearTheViewsCornerMovesInsideIt) {
    RECT view{};
    acedGetAcadDwgView()->GetWindowRect(&view);
    PlacedNodeDialog corner(nullptr, 0, false);
    corner.name = L"N1";
    corner.SetPosition(view.right - 10, view.bottom - 5);
    ASSERT_EQ(play(corner, {L"click 1"}), IDOK);
    EXPECT_EQ(corner.placed.right, view.right);
    EXPECT_EQ(corner.placed.bottom, view.bottom);
    EXPECT_GT(corner.placed.right - corner.placed.left, 100);  // not resized

    PlacedNodeDialog inside(nullptr, 0, false);
    inside.name = L"N1";
    inside.SetPosition(view.left + 20, view.top + 30);
    ASSERT_EQ(play(inside, {L"click 1"}), IDOK);
    EXPECT_EQ(inside.placed.left, view.left + 20);
    EXPECT_EQ(inside.placed.top, view.top + 30);
}

TEST_F(ElementDialogs, TheHelpButtonOpensTheTopicOfTheMode) {
    rvntest::PluginFolderFixture plugin;
    ASSERT_TRUE(plugin.ready());
    std::filesystem::create_directories(plugin.path() / "Help");
    rvntest::writeBytes(plugin.path() / "Help" / "TZHelp.chm", "ITSF");
    TzRvnTankAttributeDlg dialog(nullptr, 0);
    dialog.head = 1.0;
    EXPECT_EQ(play(dialog, {L"click 9084", L"esc"}), IDCANCEL);
    EXPECT_TRUE(said(L"Inserisci Serbatoio.htm"));
}

}  // namespace

// The grid window "Database Dati Rete" made alone: its grids filled from a network, the row rules
// and checks of the save, the context menu and the roughness proposal.
#include "grid_window_fixture.h"

#include "dialogs/edge_grid_dialog.h"
#include "dialogs/node_grid_dialog.h"
#include "dialogs/tank_grid_dialog.h"

#include "network/settings_units.h"

#include <array>

namespace {

using gridtest::GridWindowTest;
using rvntest::NetworkBuilder;

constexpr COLORREF kLowVelocity = RGB(1, 2, 3);
constexpr COLORREF kHighVelocity = RGB(4, 5, 6);
constexpr COLORREF kLowHead = RGB(7, 8, 9);
constexpr COLORREF kHighHead = RGB(10, 11, 12);

// Nine nodes, twelve branches and three tanks, shown in l/s, mm and m/km, with results on the
// first branches and nodes.
TzRvnNetworkData resultsNetwork() {
    NetworkBuilder builder;
    for (int node = 1; node <= 9; ++node) builder.node(L"N" + std::to_wstring(node), 0.0, 10.0);
    for (int edge = 1; edge <= 12; ++edge) builder.branch(L"N1", L"N2", 100.0, 0.1, 0.0002);
    builder.tank(L"N1", 50.0).tank(L"N2", 40.0).tank(L"N3", 30.0);
    TzRvnNetworkData data = builder.build();
    TzRvnSettings settings = data.getSettings();
    settings.flowUnit = kFlowLitresPerSecond;
    settings.diameterUnit = kLengthMillimetres;
    settings.minVelocity = 0.3;
    settings.maxVelocity = 2.0;
    settings.minPressureHead = 10.0;
    settings.maxPressureHead = 70.0;
    settings.colourLowVelocity = kLowVelocity;
    settings.colourHighVelocity = kHighVelocity;
    settings.colourLowHead = kLowHead;
    settings.colourHighHead = kHighHead;
    data.setSettings(settings);
    data.nodes()[0].demand = 0.005;
    data.nodes()[0].pressureHead = 5.0;
    data.nodes()[1].pressureHead = 80.0;
    data.nodes()[2].pressureHead = 30.0;
    data.edges()[0].velocity = 0.2;
    data.edges()[1].velocity = -5.0;
    data.edges()[2].velocity = 1.0;
    return data;
}

TEST_F(GridWindowTest, AnOpenedWindowShowsTheNetworkInItsUnitsWithResultColours) {
    host_.chosen = addNetwork(L"alfa", resultsNetwork());
    auto window = openWindow();
    CGridCtrl& nodes = grid(*window, 9038);
    CGridCtrl& edges = grid(*window, 9039);
    CGridCtrl& tanks = grid(*window, 9040);
    EXPECT_EQ((std::vector{nodes.GetRowCount(), edges.GetRowCount(), tanks.GetRowCount()}), (std::vector{11, 14, 6}));
    EXPECT_EQ((std::vector{nodes.GetColumnCount(), edges.GetColumnCount(), tanks.GetColumnCount()}),
              (std::vector{7, 14, 5}));
    EXPECT_EQ(nodes.GetItemText(0, 2), L" Q [ l/s ]");
    EXPECT_EQ(edges.GetItemText(0, 9), L" Q [ l/s ]");
    EXPECT_EQ(edges.GetItemText(0, 5), L"  D [ mm ]");
    EXPECT_EQ(edges.GetItemText(0, 12), L"Sfr [ m/m ]");
    EXPECT_EQ(tanks.GetItemText(0, 3), L" Q [ l/s ]");

    EXPECT_EQ(nodes.GetItemText(1, 1), L"N1");
    EXPECT_EQ(nodes.GetItemText(1, 2), L"5.000000");  // 0.005 m3/s in l/s
    EXPECT_EQ(edges.GetItemText(1, 5), L"100.000000");
    EXPECT_EQ(edges.GetItemText(1, 3), L"");            // not excluded
    EXPECT_EQ(nodes.GetItemText(1, 4), L"");            // no head computed
    EXPECT_EQ(edges.GetItemText(4, 10), L"");
    EXPECT_EQ(nodes.GetItemText(10, 0), L"10");         // an empty row after the data, numbered
    EXPECT_EQ(nodes.GetItemText(10, 1), L"");

    // The fourth branch has no result, so no colour.
    EXPECT_EQ((std::vector{edges.GetItemFgColour(1, 10), edges.GetItemFgColour(2, 10), edges.GetItemFgColour(3, 10),
                           edges.GetItemFgColour(4, 10)}),
              (std::vector<COLORREF>{kLowVelocity, kHighVelocity, CLR_DEFAULT, CLR_DEFAULT}));
    EXPECT_EQ((std::vector{nodes.GetItemFgColour(1, 5), nodes.GetItemFgColour(2, 5), nodes.GetItemFgColour(3, 5)}),
              (std::vector<COLORREF>{kLowHead, kHighHead, CLR_DEFAULT}));

    EXPECT_EQ(nodes.GetRowHeight(0), nodes.GetRowHeight(1) * 3 / 2);
    EXPECT_EQ(nodes.GetItemFormat(0, 1) & DT_RIGHT, 0u);   // a text column's title to the left
    EXPECT_NE(nodes.GetItemFormat(0, 3) & DT_RIGHT, 0u);
    EXPECT_NE(nodes.GetItemFormat(1, 3) & DT_RIGHT, 0u);
    EXPECT_TRUE(nodes.IsColumnReadOnly(4));
    EXPECT_FALSE(nodes.IsColumnReadOnly(1));  // no schema: names are typed here
}

TEST_F(GridWindowTest, WithoutNetworkTheTitlesFollowTheSettingsFileAndRowsFitTheCount) {
    auto window = openWindow();
    CGridCtrl& nodes = grid(*window, 9038);
    CGridCtrl& edges = grid(*window, 9039);
    EXPECT_EQ(nodes.GetItemText(0, 2), L"    Q [ l/s ]");  // the installed settings: l/s, mm, m/km
    EXPECT_EQ(edges.GetItemText(0, 9), L"     Q [ l/s ]");
    EXPECT_EQ(edges.GetItemText(0, 5), L"     D [ mm ]");
    EXPECT_EQ(edges.GetItemText(0, 6), L"Sca [ mm ]");
    EXPECT_EQ(edges.GetItemText(0, 12), L"Sfr [ m/km ]");
    window->refreshTitles();
    EXPECT_EQ(edges.GetItemText(0, 12), L"Sfr [ m/Km ]");
    EXPECT_EQ(edges.GetItemText(0, 5), L"  D [ mm ]");

    NetworkBuilder builder;
    for (int node = 1; node <= 12; ++node) builder.node(L"N" + std::to_wstring(node));
    builder.tank(L"N1", 10.0).tank(L"N2", 10.0).tank(L"N3", 10.0).tank(L"N4", 10.0).tank(L"N5", 10.0);
    const TzRvnNetwork network(builder.build());
    window->refreshFrom(network);
    EXPECT_EQ(nodes.GetRowCount(), 14);
    EXPECT_EQ(grid(*window, 9040).GetRowCount(), 7);
    EXPECT_EQ(nodes.GetItemText(0, 2), L"Q [ m3/s ]");
    window->clear();
    EXPECT_EQ(nodes.GetRowCount(), 11);
    EXPECT_EQ(nodes.GetItemText(1, 1), L"");
}

// A chosen network that cannot be read, or no settings file: the window says why and is not shown.
TEST_F(GridWindowTest, AWindowThatCannotBeFilledSaysWhyAndIsNotShown) {
    const auto refused = [this](const std::wstring& why) {
        rvntest::QueuedInput input({L"ok"});
        TzRvnContainerDlg window(host_);
        EXPECT_FALSE(window.open());
        EXPECT_FALSE(window.isOpen());
        EXPECT_FALSE(input.ranOut());
        EXPECT_TRUE(said(L"[error] Messaggio Database Dati Rete: " + why));
        EXPECT_TRUE(rvnhost::modelessDialogs().empty());
    };
    host_.chosen = addNetwork(L"rete", resultsNetwork());
    ASSERT_EQ(Acad::eOk, TzRvnOpenObject<TzRvnNetwork>(host_.chosen, AcDb::kForWrite)->erase());
    refused(L"Impossibile visualizzare i nodi della rete");  // the node grid, filled first, says so and ends
    host_.chosen = AcDbObjectId();
    std::filesystem::remove(folder_ / "rvnsetup.par");
    refused(L"Impossibile leggere le impostazioni da file");
}

TEST_F(GridWindowTest, ASchemaMakesNamesAndLengthsReadOnlyAndGraysRowEditingAndScabrezzaShowsItsUnit) {
    TzRvnNetworkData data = resultsNetwork();
    TzRvnSettings settings = data.getSettings();
    settings.roughnessUnit = kLengthCentimetres;
    data.setSettings(settings);
    host_.chosen = addNetwork(L"rete", data, true);
    auto window = openWindow();
    CGridCtrl& edges = grid(*window, 9039);
    for (int col : {1, 2, 4}) EXPECT_TRUE(edges.IsColumnReadOnly(col)) << col;
    EXPECT_FALSE(edges.IsColumnReadOnly(5));
    EXPECT_TRUE(grid(*window, 9038).IsColumnReadOnly(1));
    EXPECT_TRUE(grid(*window, 9040).IsColumnReadOnly(1));
    act(*window, L"rclick 9039 1 6", {L"Inserisci Riga", L"esc"});
    EXPECT_TRUE(said(L"[32771 Inserisci Riga (grayed)] [32772 Elimina Riga (grayed)]")) << rvnos::toUtf8(all());
    EXPECT_TRUE(said(L"[32779 Scabrezza]"));
    EXPECT_TRUE(said(L"The item \"Inserisci Riga\" is grayed"));
    EXPECT_EQ(edges.GetRowCount(), 14);
    EXPECT_EQ(window->activeGrid(), edges.GetParent());
    act(*window, L"rclick 9039 1 6", {L"Scabrezza", L"click 1"});
    EXPECT_TRUE(said(L"Dialog \"Scabrezza\" (9066) opened")) << rvnos::toUtf8(all());
    EXPECT_TRUE(said(L"Scabrezza [ cm ]"));
}

// The menu's Calcolo is the imported network example's (tests/shell), which calculates from it.
TEST_F(GridWindowTest, TheMenuInsertsDeletesPrintsAndGraysWhatDoesNotApply) {
    auto window = openWindow();
    CGridCtrl& nodes = grid(*window, 9038);
    typeRow(nodes, 1, {L"A", L"1", L"10"});
    typeRow(nodes, 2, {L"B", L"2", L"20"});
    act(*window, L"rclick 9038 2 4", {L"Inserisci Riga"});
    EXPECT_TRUE(said(L"[32776 Incolla (grayed)]"));  // the head column is a result
    EXPECT_TRUE(said(L"[32779 Scabrezza (grayed)]"));
    EXPECT_EQ(nodes.GetRowCount(), 12);
    EXPECT_EQ(nodes.GetItemText(2, 1), L"");
    EXPECT_EQ(nodes.GetItemText(3, 1), L"B");
    EXPECT_EQ(nodes.GetItemText(3, 0), L"3");  // renumbered below
    act(*window, L"rclick 9038 1 1", {L"Elimina Riga"});
    EXPECT_TRUE(said(L"[32776 Incolla]"));
    EXPECT_EQ(nodes.GetItemText(1, 1), L"");
    EXPECT_EQ(nodes.GetItemText(2, 0), L"3");  // the rows keep their numbers
    act(*window, L"rclick 9038 2 1", {L"Stampa", tempFile("nodi.pdf")});  // the grid clicked
    EXPECT_EQ(rvntest::readBytes(temp_ / "nodi.pdf").substr(0, 4), "%PDF");
}

// Rows typed into one grid, the message the save prints and the elements it keeps.
struct CheckCase {
    int gridId;
    std::vector<std::vector<const wchar_t*>> rows;
    const wchar_t* message;
    int kept;
};

const CheckCase kCheckCases[] = {
    {9038, {{L"A", L"1", L"10"}, {L"B", L"1", L"-1"}}, L"\nLa quota del nodo 2 e' NEGATIVA!", 1},
    {9038, {{L"A", L"uno", L"10"}, {L"B", L"1", L"5"}}, L"\nLa portata del nodo 1 NON e' un numero!", 0},
    {9038, {{L"A", L"1", L"10"}, {L"B", L"1", L"dieci"}}, L"\nLa quota del nodo 2 NON e' un numero!", 1},
    {9038, {{L"NOME_DI_SEDICI_C", L"1", L"10"}}, L"\nIl nome alla riga 1 supera i 15 caratteri!", 0},
    {9039, {{L"A", L"B", L"", L"0", L"100", L"0.1", L"0"}}, L"\nLa lunghezza del ramo 1 NON e' positiva!", 0},
    {9039, {{L"A", L"B", L"", L"lungo", L"100", L"0.1", L"0"}}, L"\nLa lunghezza del ramo 1 NON e' un numero!", 0},
    {9039, {{L"A", L"B", L"", L"10", L"abc", L"0.1", L"0"}, {L"B", L"C", L"", L"10", L"100", L"0.1", L"0"}},
     L"\nIl diametro del ramo 1 NON e' un numero!", 0},
    {9039, {{L"A", L"B", L"", L"10", L"100", L"0.1", L"0"}, {L"B", L"C", L"", L"10", L"-100", L"0.1", L"0"}},
     L"\nIl diametro del ramo 2 NON e' positivo!", 1},
    {9039, {{L"A", L"B", L"1", L"10", L"100", L"0", L"0"}}, L"\nLa scabrezza del ramo 1 NON e' positiva!", 0},
    {9039, {{L"A", L"B", L"", L"10", L"100", L"x", L"0"}}, L"\nLa scabrezza del ramo 1 NON e' un numero!", 0},
    {9039, {{L"A", L"B", L"", L"10", L"100", L"0.1", L"-0.5"}}, L"\nIl coefficiente Csi del ramo 1 e' NEGATIVO!", 0},
    {9039, {{L"A", L"B", L"", L"10", L"100", L"0.1", L"csi"}}, L"\nIl coefficiente Csi ramo 1 NON e' un numero!", 0},
    {9039, {{L"A", L"B", L"si", L"10", L"100", L"0.1", L"0"}}, L"\nIl valore E del ramo 1 NON e' un numero intero!", 0},
    {9040, {{L"A", L"40"}, {L"B", L"0"}}, L"\nLa piezometrica del serbatoio 2 NON e' positiva", 1},
    {9040, {{L"A", L"alta"}}, L"\nLa piezometrica del serbatoio 1 NON e' un numero!", 0},
};

TEST_F(GridWindowTest, EachCheckNamesItsRowKeepsTheElementsBeforeAndLosesNothingTyped) {
    for (const CheckCase& check : kCheckCases) {
        SCOPED_TRACE(rvnos::toUtf8(check.message));
        rvnhost::Transcript::instance().clear();
        auto window = openWindow();
        CGridCtrl& typed = grid(*window, check.gridId);
        int row = 0;
        for (const auto& cells : check.rows) typeRow(typed, ++row, cells);
        const std::wstring before = typed.TableText();
        const AcDbObjectId id = addNetwork(L"rete" + std::to_wstring(&check - kCheckCases), TzRvnNetworkData());
        TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForWrite);
        const TzRvnGridCounts counts = window->saveInto(*network);
        EXPECT_EQ((std::array{counts.nodes, counts.edges, counts.tanks})[check.gridId - 9038], -1);
        EXPECT_TRUE(said(check.message)) << rvnos::toUtf8(all());
        const TzRvnNetworkData& data = network->data();
        EXPECT_EQ((std::array{data.numNodes(), data.numEdges(), data.numTanks()})[check.gridId - 9038], check.kept);
        EXPECT_EQ(typed.TableText(), before);
    }
}

TEST_F(GridWindowTest, RowsWithAnEmptyRequiredCellAreLeftOutSilently) {
    auto window = openWindow();
    CGridCtrl& nodes = grid(*window, 9038);
    typeRow(nodes, 1, {L"A", L"-2", L""});  // no elevation: skipped
    typeRow(nodes, 3, {L"B", L"-2", L"7", L"", L"", L"serbatoio"});
    typeRow(grid(*window, 9039), 2, {L"A", L"B", L"0", L"10", L"", L"0.1", L"0"});  // no diameter
    EXPECT_EQ(window->nodeRowCount(), 1);
    const AcDbObjectId id = addNetwork(L"rete", TzRvnNetworkData());
    const TzRvnGridCounts counts = saveInto(*window, id);
    EXPECT_EQ(counts.nodes, 1);
    EXPECT_EQ(counts.edges, 0);
    EXPECT_EQ(counts.tanks, 0);
    const TzRvnNetworkData data = saved(id);
    EXPECT_EQ(data.nodes()[0].name.str(), L"B");
    EXPECT_DOUBLE_EQ(data.nodes()[0].demand, -2.0);  // a supply, in the network's own unit (m3/s)
    EXPECT_EQ(data.nodes()[0].note.text(), L"serbatoio");
    EXPECT_FALSE(said(L"NON e'"));
}

TEST_F(GridWindowTest, DeletingTheSecondRowKeepsEntityIdsByPosition) {
    TzRvnNetworkData data = rvntest::NetworkBuilder().node(L"N1").node(L"N2").node(L"N3").build();
    for (std::size_t node = 0; node < 3; ++node) data.nodes()[node].entityId = TzRvnEntityId{11 + node};
    host_.chosen = addNetwork(L"rete", data);
    auto window = openWindow();
    act(*window, L"rclick 9038 2 1", {L"Elimina Riga"});
    EXPECT_EQ(saveInto(*window, host_.chosen).nodes, 2);
    const TzRvnNetworkData after = saved(host_.chosen);
    EXPECT_EQ(after.nodes()[1].name.str(), L"N3");
    EXPECT_EQ(after.nodes()[0].entityId.value, 11u);
    EXPECT_EQ(after.nodes()[1].entityId.value, 12u);  // the id of the position it moved up to
}

TEST_F(GridWindowTest, LeavingADiameterWithTabOrEnterProposesTheDefaultRoughness) {
    auto window = openWindow();
    CGridCtrl& edges = grid(*window, 9039);
    typeRow(edges, 1, {L"1", L"2", L"", L"100"});
    typeRow(edges, 2, {L"3", L"0", L"1", L"100"});
    typeRow(edges, 3, {L"N1", L"N2", L"", L"100"});
    typeRow(edges, 4, {L"4", L"5", L"", L"100"});
    for (const wchar_t* action : {L"edit 9039 1 5 100", L"key 9039 tab", L"edit 9039 2 5 80", L"key 9039 enter",
                                  L"edit 9039 3 5 80", L"key 9039 tab", L"edit 9039 4 5 80", L"cell 9039 1 1"}) {
        act(*window, action);
    }
    EXPECT_EQ(edges.GetItemText(1, 6), L"0.001500");  // 1.5e-6 m of the settings file, in mm
    EXPECT_EQ(edges.GetItemText(2, 6), L"0.001500");
    EXPECT_EQ(edges.GetItemText(3, 6), L"");  // node names that are not numbers
    EXPECT_EQ(edges.GetItemText(4, 6), L"");  // left with a click

    edges.SetItemText(1, 6, L"0.2");
    act(*window, L"edit 9039 1 5 90");
    act(*window, L"key 9039 tab");
    EXPECT_EQ(edges.GetItemText(1, 6), L"0.2");  // a roughness typed stays
}

}  // namespace

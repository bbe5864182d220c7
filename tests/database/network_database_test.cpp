// CalcRet and its dialog "Dati Rete": the list, the selection, Nuovo, OK, the settings, the grid
// window's seam, the calculation run, the import of Portavia files and the pick in the drawing.
#include "database_fixture.h"

#include "dbdatabase.h"
#include "dialogs/network_database_dialog.h"
#include "network_builder.h"

namespace {

using dbtest::DatabaseTest;

constexpr wchar_t kTitle[] = L"Messaggio Dati Rete: ";

std::wstring box(const wchar_t* icon, const std::wstring& text) {
    return std::wstring(icon) + L" " + kTitle + text;
}

// Two nodes fed by a tank through one pipe.
TzRvnNetworkData smallNetwork() {
    return rvntest::NetworkBuilder().node(L"A", 0.0, 10.0).node(L"B", 0.001, 5.0).branch(L"A", L"B", 100.0, 0.1)
        .tank(L"A", 40.0).build();
}

TEST_F(DatabaseTest, TheListIsFilledWhenDroppedAndHeadsShowSixDecimalsWhileOpen) {
    TzRvnNetworkData alfa = smallNetwork();
    alfa.nodes()[0].head = 52.5;
    alfa.nodes()[1].head = 48.25;
    addNetwork(L"alfa", alfa);
    createNetwork(L"beta");
    db_.setLuprec(3);
    EXPECT_TRUE(calcRet({L"choose 9016 alfa", L"drop 9016", L"choose 9016 alfa", L"click 1"}));
    EXPECT_TRUE(said(L"Control 9016 has no item \"alfa\""));  // empty until dropped down
    EXPECT_TRUE(said(L"9016 =\"alfa\"; ")) << rvnos::toUtf8(all());
    EXPECT_TRUE(said(L"9025 Nr. nodi=\"2\"; 9026 Nr. rami=\"1\"; 9027 Nr. serbatoi=\"1\"; 9028 H max=\"52.500000\"; "
                     L"9029 H min=\"48.250000\""));
    EXPECT_EQ(db_.luprec(), 3);
}

TEST_F(DatabaseTest, AChosenNetworkIsReadFromItsSchemaAndAFailedReadKeepsThePrevious) {
    drawSchema();
    createNetwork(L"rete", true);
    createNetwork(L"rotta", true);  // no layer TZ-RV-rotta: no schema to read
    EXPECT_TRUE(calcRet({L"drop 9016", L"choose 9016 rete", L"choose 9016 rotta", L"click 1"}));
    EXPECT_TRUE(said(L"9016 =\"rete\"; 9025 Nr. nodi=\"2\"; 9026 Nr. rami=\"1\"; 9027 Nr. serbatoi=\"1\"; "
                     L"9028 H max=\"\"; 9029 H min=\"\""))
        << rvnos::toUtf8(all());
    TzRvnOpenObject<TzRvnNetwork> rete(network(L"rete"), AcDb::kForRead);
    EXPECT_EQ(rete->numNodes(), 2);
    EXPECT_EQ(rete->numEdges(), 1);
}

TEST_F(DatabaseTest, NuovoOffersToSaveTheGridsThenEmptiesThemAndTheSummary) {
    auto grids = fakeGrids();
    grids->data = smallNetwork();
    const AcDbObjectId id = createNetwork(L"alfa");
    EXPECT_TRUE(calcRet({L"drop 9016", L"choose 9016 alfa", L"click 9001", L"click 9004", L"click 9002", L"ok",
                         L"click 9008", L"yes", L"type 9016 nuova", L"click 9008", L"click 1"}));
    EXPECT_TRUE(said(L"Control 9004 is disabled"));  // no settings and no pick while the grids are open
    EXPECT_TRUE(said(box(L"[warning]", L"Chiudere la finestra \"Database Dati Rete\"")));
    EXPECT_TRUE(said(box(L"[question]", L"Salvare i dati di alfa?")));
    EXPECT_EQ(grids->saves, 1);
    EXPECT_EQ(grids->clears, 2);
    EXPECT_EQ(grids->title, L"Database Dati Rete");
    EXPECT_TRUE(said(L"9016 =\"\"; 9025 Nr. nodi=\"\"; 9026 Nr. rami=\"\"; 9027 Nr. serbatoi=\"\"; 9028 H max=\"\""));
    TzRvnOpenObject<TzRvnNetwork> alfa(id, AcDb::kForRead);
    EXPECT_EQ(alfa->numNodes(), 2);

    // A typed name with nodes in the grids: answered No, nothing is made; a later choice asks again.
    alfa.close();
    grids->rows = 2;
    rvnhost::Transcript::instance().clear();
    EXPECT_TRUE(calcRet({L"click 9001", L"type 9016 nuova", L"click 9008", L"no", L"click 1"}));
    EXPECT_TRUE(said(box(L"[question]", L"Salvare i dati di nuova?")));
    EXPECT_EQ(grids->rows, 0);  // the grids emptied
    grids->rows = 2;
    EXPECT_TRUE(calcRet({L"click 9001", L"type 9016 terza", L"drop 9016", L"choose 9016 alfa", L"yes", L"click 1"}));
    EXPECT_TRUE(said(box(L"[question]", L"Salvare i dati di terza?")));
    EXPECT_EQ(networks(), (std::vector<std::wstring>{L"alfa", L"terza"}));
    EXPECT_EQ(grids->title, L"Database Dati Rete - [alfa]");
}

TEST_F(DatabaseTest, OkSavesTheGridsNetworkOrKeepsTheDialogWhenTheyCannotBeSaved) {
    auto grids = fakeGrids();
    grids->data = smallNetwork();
    EXPECT_TRUE(calcRet({L"click 9001", L"click 1"}));  // no name: closes, nothing made
    EXPECT_TRUE(networks().empty());

    grids->rows = 2;
    grids->result = {2, -1, -1};
    EXPECT_TRUE(calcRet({L"click 9001", L"type 9016 nuova", L"click 1", L"ok", L"esc"}));
    EXPECT_TRUE(said(box(L"[warning]", L"\nImpossibile aggiornare i SERBATOI")));

    grids->result = {2, 1, 1};
    EXPECT_TRUE(calcRet({L"click 9001", L"type 9016 nuova", L"click 1"}));
    TzRvnOpenObject<TzRvnNetwork> saved(network(L"nuova"), AcDb::kForRead);
    ASSERT_TRUE(saved.isOpen());
    EXPECT_EQ(saved->numNodes(), 2);
    EXPECT_EQ(saved->data().settings().maxIterations, 100);  // the installed settings file's
}

TEST_F(DatabaseTest, WithoutGridWindowTheButtonSaysSoAndImpostazioniOpensTheSettings) {
    SetGridWindowFactory([](TzRvnGridWindowHost&) { return nullptr; });
    EXPECT_TRUE(calcRet({L"click 9001", L"click 9004", L"esc", L"click 9084", L"click 1"}));
    EXPECT_TRUE(said(L"Database Dati Rete: non ancora disponibile in questa versione"));
    EXPECT_TRUE(said(L"Dialog \"Impostazioni\" (9065) opened"));
    EXPECT_TRUE(said(L"Dialog \"Dati Rete\" (9060) closed with OK"));
}

TEST_F(DatabaseTest, AFileThatCannotBeImportedChangesNothing) {
    EXPECT_TRUE(calcRet({L"click 9007", caseFile("e15_truncated_file.ptv"), L"ok", L"click 9007", L"esc",
                         L"click 9007", rvnos::fromUtf8((temp_ / "missing.ptv").string()), L"ok",
                         L"click 9007", caseFile("e16_roughness_zero.ptv"), L"no", L"click 1"}));
    EXPECT_TRUE(said(L"[error] Messaggio Dati Rete: Impossibile importare il file")) << rvnos::toUtf8(all());
    EXPECT_TRUE(said(L"Dialog \"Apri\" closed with Cancel"));
    EXPECT_TRUE(said(L"[error] Messaggio Dati Rete: Impossibile aprire il file"));
    EXPECT_TRUE(said(L"NON e' POSITIVA\n\nProseguire con l'IMPORTAZIONE dei dati?"));  // answered No
    EXPECT_FALSE(said(L"annullata"));
    EXPECT_TRUE(networks().empty());
}

TEST_F(DatabaseTest, ARunThatCannotCalculateSaysWhereToReadWhy) {
    rvntest::writeBytes(temp_ / "rvncalcr.tmp", "earlier run\n");
    EXPECT_TRUE(calcRet({L"click 9003", L"ok", L"click 9007", caseFile("e14_no_branches.ptv"), L"click 9003", L"ok",
                         L"click 1"}));
    EXPECT_TRUE(said(box(L"[warning]", L"Selezionare una rete o crearla    ")));
    EXPECT_TRUE(said(box(L"[warning]", L"Incongruenze sui dati: Vedi \"" + tempFile("rvncheck.tmp") +
                                           L"\"\nImpossibile avviare il calcolo della rete")));
    EXPECT_EQ(rvntest::readBytes(temp_ / "rvncalcr.tmp"), "earlier run\n");

    EXPECT_TRUE(calcRet({L"click 9007", caseFile("e11_component_without_tank.ptv"), L"click 9003", L"ok", L"click 1"}));
    EXPECT_TRUE(said(box(L"[warning]", L"Incongruenze sul calcolo: Vedi \"" + tempFile("rvncalcr.tmp") +
                                           L"\"\nCalcolo della rete  *** ABORTITO ***")));
}

TEST_F(DatabaseTest, CalcoloFromTheGridsNeedsANameAndNodesThenShowsTheResultsInThem) {
    auto grids = fakeGrids();
    grids->data = smallNetwork();
    EXPECT_TRUE(calcRet({L"click 9001", L"click 9003", L"ok", L"type 9016 griglia", L"click 9003", L"ok", L"esc"}));
    EXPECT_TRUE(said(box(L"[warning]", L"Inserire una rete o selezionarla")));
    EXPECT_TRUE(said(box(L"[warning]", L"La rete deve avere ALMENO 1 nodo")));
    grids->rows = 2;
    EXPECT_TRUE(calcRet({L"click 9001", L"click 9003", L"ok", L"type 9016 griglia", L"click 9003", L"ok", L"esc"}));
    EXPECT_TRUE(said(box(L"[warning]", L"Specificare un nome per la rete")));
    EXPECT_TRUE(said(std::wstring(kTitle) + L"  Calcolo della rete TERMINATO")) << rvnos::toUtf8(all());
    EXPECT_EQ(grids->title, L"Database Dati Rete - [griglia]");
    EXPECT_EQ(grids->refreshedNodes, 2);
    TzRvnOpenObject<TzRvnNetwork> griglia(network(L"griglia"), AcDb::kForRead);
    ASSERT_TRUE(griglia.isOpen());
    EXPECT_GT(griglia->maxHead(), 0.0);
}

// Settings given back when the grid window closes are the grid window's test (grid_window_calcret_test.cpp).
TEST_F(DatabaseTest, PickingANodeBlockSelectsItsNetworkMadeFromTheSchema) {
    const AcDbObjectId node = drawSchema();
    db_.setLuprec(2);
    EXPECT_TRUE(calcRet({L"click 9002", L"#" + node.handle().text(), L"click 1"}));
    // The network is made from the schema as the calculation job makes it (tests/schema, tests/profiles).
    ASSERT_FALSE(network(L"rete").isNull()) << rvnos::toUtf8(all());
    EXPECT_TRUE(said(L"9016 =\"rete\"; 9025 Nr. nodi=\"2\"; 9026 Nr. rami=\"1\"; 9027 Nr. serbatoi=\"1\""))
        << rvnos::toUtf8(all());
    EXPECT_EQ(db_.luprec(), 2);

    // A cancelled pick opens the dialog again without a network.
    rvnhost::Transcript::instance().clear();
    EXPECT_TRUE(calcRet({L"click 9002", L"*cancel*", L"click 1"}));
    EXPECT_TRUE(said(L"Dialog \"Dati Rete\" (9060) closed with OK: 9016 =\"\""));
}

TEST_F(DatabaseTest, WithoutProgramFolderOrMaterialsTheDialogSaysWhyAndCloses) {
    std::filesystem::remove(folder_ / "rvnmateriali.dat");
    db_.setLuprec(1);
    EXPECT_TRUE(calcRet({L"ok"}));
    EXPECT_TRUE(said(L"[error] Messaggio Dati Rete: Impossibile aprire il file dei materiali (o file NON esistente)"));
    unsetProgramFolder();
    EXPECT_TRUE(calcRet({L"ok"}));
    EXPECT_TRUE(said(L"[error] Messaggio Dati Rete: Impossibile recuperare la directory di installazione"));
    EXPECT_TRUE(said(L"Dialog \"Dati Rete\" (9060) closed with Cancel"));
    EXPECT_EQ(db_.luprec(), 1);
}

}  // namespace

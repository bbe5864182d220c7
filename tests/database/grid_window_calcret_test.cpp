// The grid window as CalcRet's dialog shows it: typed networks saved on closing, the refusals that
// keep the window open and the schema written back.
#include "grid_window_fixture.h"

#include "dbents.h"
#include "schema/block_attributes.h"

namespace {

using gridtest::GridWindowTest;

// Two nodes, a pipe and a tank typed into the grids, N1's demand 5 l/s.
const std::vector<std::wstring> kTypedNetwork{
    L"edit 9038 1 1 N1", L"edit 9038 1 2 5",   L"edit 9038 1 3 10",  L"edit 9038 2 1 N2",
    L"edit 9038 2 2 0",  L"edit 9038 2 3 5",   L"edit 9039 1 1 N1",  L"edit 9039 1 2 N2",
    L"edit 9039 1 4 100", L"edit 9039 1 5 100", L"edit 9039 1 6 0.1", L"edit 9039 1 7 0",
    L"edit 9040 1 1 N1", L"edit 9040 1 2 40"};

std::vector<std::wstring> with(std::vector<std::wstring> before, const std::vector<std::wstring>& middle,
                               std::vector<std::wstring> after) {
    before.insert(before.end(), middle.begin(), middle.end());
    before.insert(before.end(), after.begin(), after.end());
    return before;
}

TEST_F(GridWindowTest, ATypedNetworkIsMadeOnClosingAndSummedUp) {
    EXPECT_TRUE(calcRet({L"click 9001", L"close 9064", L"click 1"}));  // nothing typed: nothing made
    EXPECT_TRUE(networks().empty());
    EXPECT_TRUE(said(L"Dialog \"Database Dati Rete\" (9064) closed"));

    EXPECT_TRUE(calcRet(with({L"click 9001", L"type 9016 nuova"}, kTypedNetwork,
                             {L"close 9064", L"click 9004", L"esc", L"click 1"})));
    EXPECT_TRUE(said(L"9016 =\"nuova\"; 9025 Nr. nodi=\"2\"; 9026 Nr. rami=\"1\"; 9027 Nr. serbatoi=\"1\"; "
                     L"9028 H max=\"\"; 9029 H min=\"\""))
        << rvnos::toUtf8(all());
    EXPECT_TRUE(said(L"Dialog \"Impostazioni - [nuova]\" (9065) opened"));  // given back on closing
    EXPECT_FALSE(saved(network(L"nuova")).hasSchema());
}

TEST_F(GridWindowTest, ANameWithoutNodesOrNodesWithoutNameKeepTheWindowOpen) {
    EXPECT_TRUE(calcRet({L"click 9001", L"edit 9038 1 1 N1", L"edit 9038 1 2 0", L"edit 9038 1 3 10", L"close 9064",
                         L"ok", L"edit 9038 1 3 dieci", L"type 9016 rete", L"close 9064", L"ok",
                         L"edit 9038 1 3 10", L"close 9064", L"click 1"}));
    EXPECT_TRUE(said(L"[warning] Messaggio Database Dati Rete: Specificare un nome per la rete"));
    EXPECT_TRUE(said(L"[warning] Messaggio Database Dati Rete: La rete deve avere ALMENO 1 nodo"));
    EXPECT_EQ(saved(network(L"rete")).numNodes(), 1);
}

TEST_F(GridWindowTest, ARowThatFailsItsCheckKeepsTheWindowOpenUntilCorrected) {
    EXPECT_TRUE(calcRet(with({L"click 9001", L"type 9016 rete"}, kTypedNetwork,
                             {L"edit 9038 2 3 -1", L"close 9064", L"ok", L"edit 9038 2 3 1", L"close 9064",
                              L"click 1"})));
    EXPECT_TRUE(said(L"\nLa quota del nodo 2 e' NEGATIVA!"));
    EXPECT_TRUE(said(L"[warning] Messaggio Database Dati Rete: Impossibile aggiornare i NODI"));
    EXPECT_EQ(saved(network(L"rete")).numNodes(), 2);
}

TEST_F(GridWindowTest, ClosingWritesTheSchemaOfANetworkThatHasOne) {
    const AcDbObjectId node = drawSchema();
    createNetwork(L"rete", true);
    EXPECT_TRUE(calcRet({L"drop 9016", L"choose 9016 rete", L"click 9001", L"edit 9038 1 1 X", L"edit 9038 1 4 1",
                         L"edit 9038 1 6 nota", L"close 9064", L"click 1"}));
    TzRvnOpenObject<AcDbBlockReference> reference(node, AcDb::kForRead);
    std::vector<TzRvnTaggedText> texts;
    ASSERT_TRUE(ReadAttributeTexts(*reference, texts));
    EXPECT_EQ(FindAttributeText(texts, L"NODE_01"), L"N1");  // a name from the drawing takes no typing
    EXPECT_EQ(FindAttributeText(texts, L"NODE_04"), L"nota");
}

TEST_F(GridWindowTest, AnActionOnAWindowNotShownIsRefused) {
    EXPECT_TRUE(calcRet({L"close 9064", L"edit 9038 1 1 N1", L"click 1"}));
    EXPECT_TRUE(said(L"No window 9064 is shown"));
    EXPECT_TRUE(said(L"The dialog has no grid 9038"));
}

}  // namespace

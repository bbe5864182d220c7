// SerbRet: tanks on picked nodes, their angle, dialog and attributes, and the nodes it refuses.
#include "schema_fixture.h"

#include "dbline.h"
#include "input_queue.h"
#include "schema/block_attributes.h"
#include "schema/insert_blocks.h"
#include "schema/tank_command.h"

#include <numbers>

namespace {

using schematest::kLayer;

class TankCommand : public schematest::SchemaTest {
protected:
    // The tank references of model space: position, rotation and attribute texts.
    struct Tank {
        AcGePoint3d position;
        double rotation;
        std::vector<TzRvnTaggedText> texts;
    };
    std::vector<Tank> tanks() {
        std::vector<Tank> found;
        TzRvnOpenObject<AcDbBlockTableRecord> space(modelSpace(), AcDb::kForRead);
        for (AcDbObjectId id : space->entityIds()) {
            TzRvnOpenObject<AcDbBlockReference> reference(id, AcDb::kForRead);
            if (!reference.isOpen() || id.isErased() || reference->blockTableRecord() != block(kTankBlock)) continue;
            Tank tank{reference->position(), reference->rotation(), {}};
            ReadAttributeTexts(*reference, tank.texts);
            found.push_back(tank);
        }
        return found;
    }
};

TEST_F(TankCommand, ATankStandsOnEachPickedNodeOfOneNetwork) {
    const AcDbObjectId first = addNode(L"N1", {10.0, 20.0, 5.0});
    const AcDbObjectId second = addNode(L"N2", {30.0, 20.0, 6.0});
    const AcDbObjectId other = addNode(L"X1", {50.0, 20.0, 6.0}, 0.0, L"", L"TZ-RV-altra");
    const AcDbObjectId line = append(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
    EXPECT_TRUE(play(PlaceTanks, {L"", handleOf(line), handleOf(first), L"", L"type 9024 35.5", L"type 9025 vasca",
                                  L"click 1", handleOf(other), handleOf(second), L"45", L"click 1", L""}));
    EXPECT_TRUE(said(L"\nSelezione non valida: ripetere la selezione..."));
    EXPECT_TRUE(said(L"\nL'entita' selezionata NON e' un nodo!"));
    EXPECT_TRUE(said(L"\nIl nodo selezionato e' di un'ALTRA rete!"));

    const auto made = tanks();
    ASSERT_EQ(made.size(), 2u);
    EXPECT_TRUE(made[0].position.isEqualTo({10.0, 20.0, 5.0}));
    EXPECT_EQ(FindAttributeText(made[0].texts, L"TANK_00"), L"D");
    EXPECT_EQ(FindAttributeText(made[0].texts, L"TANK_01"), FormatDrawingReal(35.5));
    EXPECT_EQ(FindAttributeText(made[0].texts, L"TANK_02"), L"vasca");
    EXPECT_EQ(made[0].rotation, 0.0);
    EXPECT_NEAR(made[1].rotation, std::numbers::pi / 4.0, 1e-12);
    EXPECT_EQ(FindAttributeText(made[1].texts, L"TANK_01"), FormatDrawingReal(1.0));
}

TEST_F(TankCommand, NoNodesOrACancelInTheDialogOrAtThePromptLeaveNoTank) {
    EXPECT_TRUE(play(PlaceTanks, {}));
    EXPECT_EQ(shown(), L"\nNessun nodo inserito!");
    const AcDbObjectId node = addNode(L"N1", {10.0, 20.0, 5.0});
    EXPECT_TRUE(play(PlaceTanks, {handleOf(node), L"", L"esc"}));
    EXPECT_TRUE(tanks().empty());
    EXPECT_TRUE(play(PlaceTanks, {handleOf(node), L"*Cancel*"}));
    EXPECT_TRUE(tanks().empty());
}

// An angle typed in degrees is the first test's.
TEST_F(TankCommand, TheAngleIsPickedOrZeroAndWrongTextIsAskedAgain) {
    const AcGeMatrix3d identity;
    const AcGePoint3d node(10.0, 20.0, 5.0);
    rvntest::QueuedInput input({L"abc", L"10,10", L"", L"*Cancel*"});
    double angle = -1.0;
    ASSERT_TRUE(AskBlockAngle(node, identity, L"\nAngolo: ", angle));
    EXPECT_NEAR(angle, 1.5 * std::numbers::pi, 1e-12);  // straight down: clockwise from X
    EXPECT_NE(shown().find(L"\nLa stringa digitata NON e' corretta: ripeti l'immissione"), std::wstring::npos);
    ASSERT_TRUE(AskBlockAngle(node, identity, L"\nAngolo: ", angle));
    EXPECT_EQ(angle, 0.0);
    EXPECT_FALSE(AskBlockAngle(node, identity, L"\nAngolo: ", angle));
}

}  // namespace

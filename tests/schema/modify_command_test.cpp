// ModiRet: a node, tank or branch picked and edited in its dialog, written back into the schema.
#include "schema_fixture.h"

#include "expect_doubles.h"

#include "db3dpl.h"
#include "dbline.h"
#include "frame/doc_state.h"
#include "input_queue.h"
#include "schema/block_attributes.h"
#include "schema/branch_data.h"
#include "schema/modify_command.h"
#include "schema/pipe_test_command.h"
#include "dbpl2d.h"
#include "db_entity_owned.h"
#include "acdbads.h"
#include "schema/polyline_vertices.h"

namespace {

using schematest::kLayer;

using ModifyCommand = schematest::DocumentSchemaTest;

TEST_F(ModifyCommand, ANodesNewElevationMovesItsAttributesAndBranchEnds) {
    const AcDbObjectId node = addNode(L"N1", {10.0, 0.0, 10.0}, 0.0005);
    addNode(L"N2", {40.0, 0.0, 8.0});
    const AcDbObjectId branch = addBranch({{10.0, 0.0, 10.0}, {40.0, 0.0, 8.0}}, {30.0, 0.1, 0.0001, 0.0, L""});
    EXPECT_TRUE(play(ModifyElement, {handleOf(node), L"type 9025 12", L"type 9023 N9", L"click 1"}));
    // The examples' settings show l/s: 0.0005 m3/s is 0.5 in the dialog.
    EXPECT_TRUE(said(L"9024 Portata=\"0.5\""));
    const auto texts = attributeTexts(node);
    using Texts = std::vector<std::optional<std::wstring>>;
    EXPECT_EQ((Texts{L"N9", FormatDrawingReal(0.0005), FormatDrawingReal(12.0)}),
              (Texts{FindAttributeText(texts, L"NODE_01"), FindAttributeText(texts, L"NODE_02"),
                     FindAttributeText(texts, L"NODE_03")}));
    // The branch end is lifted with it (how a node's block and its twins move is the elevation's own test).
    TzRvnOpenObject<AcDb3dPolyline> polyline(branch, AcDb::kForRead);
    std::vector<TzRvnVertex> vertices;
    ASSERT_TRUE(ReadPolylineVertices(*polyline, vertices));
    EXPECT_EQ(std::pair(12.0, 8.0), std::pair(vertices[0].position.z, vertices[1].position.z));
    EXPECT_EQ(currentDocState()->currentLayer(), kLayer);
}

TEST_F(ModifyCommand, ABranchKeepsItsLengthAndLosesAClearedDescription) {
    const AcDbObjectId branch = addBranch({{0.0, 0.0, 0.0}, {30.0, 0.0, 0.0}}, {30.0, 0.1, 0.0001, 0.5, L"vecchia"});
    EXPECT_TRUE(play(ModifyElement, {L"15,0", L"type 9026 150", L"type 9029", L"click 1"}));
    TzRvnOpenObject<AcDb3dPolyline> polyline(branch, AcDb::kForRead);
    TzRvnBranchData data;
    ASSERT_TRUE(ReadBranchData(*polyline, data));
    // The examples show diameters in mm.
    rvntest::ExpectDoublesEq({30.0, 0.15, 0.0001, 0.5}, {data.length, data.diameter, data.roughness, data.csi});
    EXPECT_EQ(data.note, L"");
}

TEST_F(ModifyCommand, ATankShowsTheNameOfItsNode) {
    addNode(L"N4", {5.0, 5.0, 3.0});
    const AcDbObjectId tank = addTank({5.0, 5.0, 3.0}, 40.0);
    EXPECT_TRUE(play(ModifyElement, {handleOf(tank), L"type 9024 42.5", L"click 1"}));
    EXPECT_TRUE(said(L"9022 Nome/Num. Nodo=\"N4\""));
    EXPECT_EQ(FindAttributeText(attributeTexts(tank), L"TANK_01"), FormatDrawingReal(42.5));
}

TEST_F(ModifyCommand, WhatIsNoElementIsRefused) {
    const AcDbObjectId foreign = addNode(L"X", {70.0, 0.0, 0.0}, 0.0, L"", L"altro");
    const AcDbObjectId closed =
        append(new AcDb3dPolyline(AcDb::k3dSimplePoly, {{0, 50, 0}, {10, 50, 0}, {10, 60, 0}}, true), kLayer);
    const AcDbObjectId line = append(new AcDbLine(AcGePoint3d(0, 90, 0), AcGePoint3d(5, 90, 0)), kLayer);
    EXPECT_TRUE(play(ModifyElement, {L"", handleOf(closed), handleOf(line), handleOf(foreign)}));
    EXPECT_TRUE(said(L"\nSelezione non valida: ripetere la selezione..."));
    EXPECT_TRUE(said(L"\nLa polilinea selezionata deve essere APERTA"));
    EXPECT_TRUE(said(L"\nSelezionare un blocco o una polilinea 3d"));
    EXPECT_TRUE(said(L"\nIl layer della rete selezionata NON e' valido!"));
}

TEST_F(ModifyCommand, ThePipeTestWalksItsVerticesShowingNothingButAVertexItCannotOpen) {
    const AcDbObjectId pipe = append(new AcDb2dPolyline(AcDb::k2dSimplePoly, {{0, 0, 0}, {10, 0, 0}, {20, 0, 0}}));
    rvntest::QueuedInput input({handleOf(pipe), handleOf(pipe)});
    TestPipePolyline();
    EXPECT_EQ(shown(), L"");
    EXPECT_EQ(acdbRegApp(L"TZ-TOZARI-TZ-RV"), RTERROR);  // registered already by the command
    TzRvnOpenObject<AcDb2dVertex> held(rvnhost::subentitiesOf(pipe).at(1), AcDb::kForWrite);
    ASSERT_TRUE(held.isOpen());
    TestPipePolyline();
    EXPECT_EQ(shown(), L"\nImpossibile aprire il vertice");
    EXPECT_FALSE(input.ranOut());
}

}  // namespace

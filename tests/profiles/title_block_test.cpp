// InsertTitleBlock on a drawing of the test's own: the block definition made entity by entity, its
// reference with the six attributes, the placement of the first and the stacking of the next, and
// every refusal leaving the drawing as it was.
#include "profiles/title_block.h"

#include "acdbads.h"
#include "acedads.h"
#include "acutmem.h"
#include "db_entity_iterator.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "drawing_writer.h"
#include "editor_open_object.h"
#include "input_queue.h"
#include "lisp_symbols.h"
#include "open_object_guard.h"
#include "resbuf_kind.h"
#include "table_records.h"
#include "test_files.h"
#include "text_codec.h"
#include "transcript.h"
#include "ucs.h"
#include "working_database.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <vector>

namespace {

using rvnhost::OpenedObject;

constexpr double kTolerance = 1e-9;
constexpr char kTemplate[] = "Rete\nProfilo\nProgr. iniziale\nQuota riferimento\nScala orizzontale\nScala verticale\n";

// What one entity of a block is, for comparing in numbers.
struct Part {
    std::wstring type;   // DXF type
    std::wstring layer;
    AcGePoint3d at;      // position (first vertex for a polyline)
    std::wstring text;   // text, tag=value, or block name
    double a = 0.0, b = 0.0;  // height and width factor, or the scales
};

class TitleBlock : public rvntest::OpenObjectCheckedTest {
protected:
    void SetUp() override {
        rvntest::addBlock(db_, L"TZ-FINATT");
        rvntest::addBlock(db_, L"TZ-FINOBJ");
        auto* style = new AcDbTextStyleTableRecord;
        style->setTextSize(2.0);
        style->setXScale(0.8);
        style->setObliquingAngle(0.1);
        rvntest::addRecord<AcDbTextStyleTable>(db_, style, L"TZ-CART");
        folder_.write("TZ-RR.SIG", kTemplate);
        rvnhost::putLispString(L"tz-cpath", rvnos::fromUtf8(folder_.path().string()) + L"/");
        setHeightSymbol(2.5);
        rvnhost::Transcript::instance().clear();
        TzRvnAskNextTitleBlockPoint();
    }
    void TearDown() override {
        rvnhost::LispSymbols::instance().clear();
        rvnhost::setWorldUcs();
        OpenObjectCheckedTest::TearDown();
    }

    static void setHeightSymbol(double value) {
        const rvnhost::ResbufList real(acutBuildList(RTREAL, value, 0));
        acedPutSym(L"TZCARHTES", real.get());
    }

    static TzRvnTitleBlock profile(int number, double width, double minimumHeight = 0.0) {
        TzRvnTitleBlock block;
        block.number = number;
        block.width = width;
        block.minimumHeight = minimumHeight;
        block.row1 = L"distretto";
        block.row2 = L"N1-N2-N3";
        block.row3 = 0.0;
        block.row4 = 37.5;
        block.row5 = 1000.0;
        block.row6 = 100.0;
        return block;
    }

    // Runs the operation with the answers queued; every answer must be used, none more asked.
    int insert(const TzRvnTitleBlock& block, std::vector<std::wstring> answers, AcGePoint3d& point, std::wstring& handle) {
        rvntest::QueuedInput input(std::move(answers));
        const int result = InsertTitleBlock(block, point, handle);
        EXPECT_EQ(input.remaining(), 0u);
        EXPECT_FALSE(input.ranOut());
        return result;
    }

    std::vector<unsigned char> drawingBytes() {
        std::vector<unsigned char> bytes;
        std::wstring message;
        EXPECT_EQ(rvnhost::writeDrawing(db_, bytes, message), Acad::eOk);
        return bytes;
    }

    AcDbObjectId blockNamed(const ACHAR* name) {
        AcDbBlockTable* opened = nullptr;
        EXPECT_EQ(db_.getSymbolTable(opened, AcDb::kForRead), Acad::eOk);
        OpenedObject<AcDbBlockTable> blocks(opened);
        AcDbObjectId id;
        blocks->getAt(name, id);
        return id;
    }

    std::vector<AcDbObjectId> entitiesOf(const ACHAR* block) {
        OpenedObject<AcDbBlockTableRecord> record(blockNamed(block), AcDb::kForRead);
        return record ? record->entityIds() : std::vector<AcDbObjectId>{};
    }

    static Part partOf(AcDbObjectId id) {
        OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
        Part part{entity->isA()->dxfName(), AcDbSymbolTable::recordName(entity->layerId()), {}, {}};
        if (const auto* text = AcDbText::cast(entity.get())) {
            part.at = text->position();
            part.a = text->height();
            part.b = text->widthFactor();
            part.text = text->textStringConst();
            if (const auto* definition = AcDbAttributeDefinition::cast(text)) {
                part.text = std::wstring(definition->tagConst()) + L"=" + part.text + L"?" + definition->promptConst();
            }
            if (const auto* attribute = AcDbAttribute::cast(text)) part.text = std::wstring(attribute->tagConst()) + L"=" + part.text;
        } else if (const auto* reference = AcDbBlockReference::cast(entity.get())) {
            part.at = reference->position();
            part.text = AcDbSymbolTable::recordName(reference->blockTableRecord());
            part.a = reference->scaleFactors().sx;
            part.b = reference->scaleFactors().sy;
        } else if (const auto* polyline = AcDb2dPolyline::cast(entity.get())) {
            std::unique_ptr<AcDbObjectIterator> vertices(polyline->vertexIterator());
            OpenedObject<AcDb2dVertex> first(vertices->objectId(), AcDb::kForRead);
            part.at = first->position();
            part.a = first->startWidth();
            part.b = first->bulge();
        }
        return part;
    }

    std::vector<Part> attributesOf(AcDbObjectId reference) {
        OpenedObject<AcDbBlockReference> insert(reference, AcDb::kForRead);
        std::vector<Part> parts;
        std::unique_ptr<AcDbObjectIterator> each(insert->attributeIterator());
        for (; !each->done(); each->step()) parts.push_back(partOf(each->objectId()));
        return parts;
    }

    static void expectPart(const Part& part, const wchar_t* type, const wchar_t* layer, double x, double y,
                           const std::wstring& text, double a, double b) {
        SCOPED_TRACE(testing::Message() << "a part of type " << std::string(type, type + std::wcslen(type)));
        EXPECT_EQ(part.type, type);
        EXPECT_EQ(part.layer, layer);
        EXPECT_NEAR(part.at.x, x, kTolerance);
        EXPECT_NEAR(part.at.y, y, kTolerance);
        EXPECT_EQ(part.text, text);
        EXPECT_NEAR(part.a, a, kTolerance);
        EXPECT_NEAR(part.b, b, kTolerance);
    }

    static bool printed(std::wstring_view text) { return rvnhost::Transcript::instance().contains(text); }

    AcDbDatabase db_;
    rvntest::WorkingDatabase working_{&db_};
    rvntest::ScratchDir folder_;
};

// h = 2 (the style), w = 0.8; H = max(20 × 2.5 × 1000 / 1000, 30) = 50.
TEST_F(TitleBlock, TheDefinitionHoldsTheFramesTheDotAndTheLabelledRows) {
    AcGePoint3d point;
    std::wstring handle;
    ASSERT_EQ(insert(profile(3, 250.0, 30.0), {L"100,200"}, point, handle), 1);
    EXPECT_TRUE(printed(L"Punto d'inserimento del cartiglio: "));
    EXPECT_NEAR(point.distanceTo(AcGePoint3d(100, 200, 0)), 0.0, kTolerance);

    const std::vector<AcDbObjectId> ids = entitiesOf(L"TZ-RR3");
    ASSERT_EQ(ids.size(), 15u);
    std::vector<Part> parts;
    for (AcDbObjectId id : ids) parts.push_back(partOf(id));
    const double h = 2.0, w = 0.8, H = 50.0, x = -21.0 * h * w;
    expectPart(parts[0], L"INSERT", L"TZ-FINESTRATTIVA", 0, 0, L"TZ-FINATT", 250.0, H);
    expectPart(parts[1], L"INSERT", L"TZ-OBJ-LIN", -22.0 * h * w, -h, L"TZ-FINOBJ", 250.0 + 23.0 * h * w, H + 2 * h);
    expectPart(parts[2], L"POLYLINE", L"TZ-OBJ-LIN", -0.125 * h, 0, L"", 0.25 * h, 1.0);
    const std::vector<std::wstring> rows = {L"OBJ1=distretto?Rete",          L"OBJ2=N1-N2-N3?Profilo",
                                            L"OBJ3=0.0000?Progr. iniziale",   L"OBJ4=37.5000?Quota riferimento",
                                            L"OBJ5=1000.0000?Scala orizzontale", L"OBJ6=100.0000?Scala verticale"};
    const std::vector<std::wstring> labels = {L"Rete", L"Profilo", L"Progr. iniziale", L"Quota riferimento",
                                              L"Scala orizzontale", L"Scala verticale"};
    for (std::size_t row = 0; row < 6; ++row) {
        const double y = H - h - 3.5 * h * static_cast<double>(row);
        expectPart(parts[3 + 2 * row], L"TEXT", L"TZ-OBJ-TXT", x, y, labels[row], h, w);
        expectPart(parts[4 + 2 * row], L"ATTDEF", L"TZ-OBJ-TXT", x, y - 1.5 * h, rows[row], h, w);
    }
    OpenedObject<AcDbBlockTableRecord> block(blockNamed(L"TZ-RR3"), AcDb::kForRead);
    EXPECT_TRUE(block->hasAttributeDefinitions());
    EXPECT_FALSE(block->isAnonymous());
}

TEST_F(TitleBlock, TheReferenceCarriesSixAttributesAndItsHandleComesOut) {
    AcGePoint3d point;
    std::wstring handle;
    ASSERT_EQ(insert(profile(1, 120.0), {L"10,20"}, point, handle), 1);
    const std::vector<AcDbObjectId> model = entitiesOf(ACDB_MODEL_SPACE);
    ASSERT_EQ(model.size(), 1u);
    EXPECT_EQ(handle, model[0].handle().text());
    expectPart(partOf(model[0]), L"INSERT", L"CARTIGLI", 10, 20, L"TZ-RR1", 1.0, 1.0);
    const std::vector<Part> attributes = attributesOf(model[0]);
    ASSERT_EQ(attributes.size(), 6u);
    const std::vector<std::wstring> values = {L"OBJ1=distretto", L"OBJ2=N1-N2-N3", L"OBJ3=0.0000",
                                              L"OBJ4=37.5000",   L"OBJ5=1000.0000", L"OBJ6=100.0000"};
    for (std::size_t row = 0; row < 6; ++row) {
        const double y = 20.0 + 50.0 - 2.5 * 2.0 - 3.5 * 2.0 * static_cast<double>(row);
        expectPart(attributes[row], L"ATTRIB", L"TZ-OBJ-TXT", 10.0 - 21.0 * 2.0 * 0.8, y, values[row], 2.0, 0.8);
    }
    OpenedObject<AcDbEntity> reference(model[0], AcDb::kForRead);
    EXPECT_EQ(reference->xData(), nullptr) << "no link handle, no extended data";
}

TEST_F(TitleBlock, TheNextTitleBlocksOfARunStackBelowTheFirstWithoutAsking) {
    AcGePoint3d first, second, third;
    std::wstring handle;
    ASSERT_EQ(insert(profile(1, 80.0, 10.0), {L"0,500"}, first, handle), 1);
    ASSERT_EQ(insert(profile(2, 80.0, 75.0), {}, second, handle), 1);
    ASSERT_EQ(insert(profile(3, 80.0, 0.0), {}, third, handle), 1);
    EXPECT_NEAR(second.distanceTo(AcGePoint3d(0, 500 - 75 - 10, 0)), 0.0, kTolerance) << "H of the second is 75";
    EXPECT_NEAR(third.distanceTo(AcGePoint3d(0, 415 - 50 - 10, 0)), 0.0, kTolerance) << "H of the third is 20 h0 = 50";
    TzRvnAskNextTitleBlockPoint();
    AcGePoint3d fourth;
    ASSERT_EQ(insert(profile(4, 80.0), {L"300,0"}, fourth, handle), 1);
    EXPECT_NEAR(fourth.distanceTo(AcGePoint3d(300, 0, 0)), 0.0, kTolerance);
}

TEST_F(TitleBlock, TheFrameHeightFollowsTZCARHTESOrTheDefaultPaperHeight) {
    AcGePoint3d point;
    std::wstring handle;
    setHeightSymbol(4.0);
    TzRvnTitleBlock block = profile(1, 80.0, 10.0);
    block.row5 = 500.0;
    ASSERT_EQ(insert(block, {L"0,0"}, point, handle), 1);
    expectPart(partOf(entitiesOf(L"TZ-RR1")[0]), L"INSERT", L"TZ-FINESTRATTIVA", 0, 0, L"TZ-FINATT", 80.0, 40.0);
    rvnhost::putLispString(L"TZCARHTES", L"4.0");
    block.number = 2;
    ASSERT_EQ(insert(block, {}, point, handle), 1);
    expectPart(partOf(entitiesOf(L"TZ-RR2")[0]), L"INSERT", L"TZ-FINESTRATTIVA", 0, 0, L"TZ-FINATT", 80.0, 25.0);
}

TEST_F(TitleBlock, ALinkHandleOtherThanZeroIsKeptInExtendedData) {
    AcGePoint3d point;
    std::wstring handle;
    TzRvnTitleBlock block = profile(1, 50.0);
    block.linkHandle = L"0";
    ASSERT_EQ(insert(block, {L"0,0"}, point, handle), 1);
    block.number = 2;
    block.linkHandle = L"1F";
    ASSERT_EQ(insert(block, {}, point, handle), 1);
    const std::vector<AcDbObjectId> model = entitiesOf(ACDB_MODEL_SPACE);
    ASSERT_EQ(model.size(), 2u);
    OpenedObject<AcDbEntity> unlinked(model[0], AcDb::kForRead);
    EXPECT_EQ(unlinked->xData(), nullptr);
    OpenedObject<AcDbEntity> linked(model[1], AcDb::kForRead);
    const rvnhost::ResbufList data(linked->xData(L"TZ-TOZARI-TZ-RR"));
    ASSERT_NE(data, nullptr);
    ASSERT_NE(data->rbnext, nullptr);
    EXPECT_EQ(data->rbnext->restype, 1005);
    EXPECT_STREQ(data->rbnext->resval.rstring, L"1F");
    EXPECT_EQ(data->rbnext->rbnext, nullptr);
}

TEST_F(TitleBlock, AShortTemplateGivesRowsWithoutLabelsAndAllSixAttributes) {
    folder_.write("TZ-RR.SIG", "Rete\nProfilo");
    AcGePoint3d point;
    std::wstring handle;
    ASSERT_EQ(insert(profile(1, 50.0), {L"0,0"}, point, handle), 1);
    std::map<std::wstring, int> kinds;
    std::vector<std::wstring> texts;
    for (AcDbObjectId id : entitiesOf(L"TZ-RR1")) {
        const Part part = partOf(id);
        ++kinds[part.type];
        if (part.type == L"TEXT") texts.push_back(part.text);
    }
    EXPECT_EQ(kinds[L"ATTDEF"], 6);
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"Rete", L"Profil"}));
    EXPECT_EQ(attributesOf(entitiesOf(ACDB_MODEL_SPACE)[0]).size(), 6u);
}

TEST_F(TitleBlock, WithoutTZCARTTheCurrentStyleAndTextSizeAreUsed) {
    AcDbTextStyleTable* opened = nullptr;
    ASSERT_EQ(db_.getSymbolTable(opened, AcDb::kForWrite), Acad::eOk);
    {
        OpenedObject<AcDbTextStyleTable> styles(opened);
        AcDbTextStyleTableRecord* style = nullptr;
        ASSERT_EQ(styles->getAt(L"TZ-CART", style, AcDb::kForWrite), Acad::eOk);
        style->erase();
        style->close();
    }
    db_.setTextsize(1.5);
    AcGePoint3d point;
    std::wstring handle;
    ASSERT_EQ(insert(profile(1, 50.0), {L"0,0"}, point, handle), 1);
    const Part label = partOf(entitiesOf(L"TZ-RR1")[3]);
    EXPECT_EQ(label.type, L"TEXT");
    EXPECT_NEAR(label.a, 1.5, kTolerance);
    EXPECT_NEAR(label.b, 1.0, kTolerance);
    OpenedObject<AcDbText> text(entitiesOf(L"TZ-RR1")[3], AcDb::kForRead);
    EXPECT_EQ(text->textStyle(), db_.textstyle());
}

TEST_F(TitleBlock, UnderAUserSystemThePickedPointIsTakenToTheWorld) {
    ASSERT_TRUE(rvnhost::setCurrentUcs({1000.0, 0.0, 0.0}, AcGeVector3d::kYAxis, {-1.0, 0.0, 0.0}));
    AcGePoint3d first, second;
    std::wstring handle;
    ASSERT_EQ(insert(profile(1, 50.0), {L"10,20"}, first, handle), 1);
    ASSERT_EQ(insert(profile(2, 50.0), {}, second, handle), 1);
    EXPECT_NEAR(first.distanceTo(AcGePoint3d(980, 10, 0)), 0.0, kTolerance);
    // Stacked 60 lower along the UCS Y axis, which is the world's -X.
    EXPECT_NEAR(second.distanceTo(AcGePoint3d(1040, 10, 0)), 0.0, kTolerance);
    expectPart(partOf(entitiesOf(ACDB_MODEL_SPACE)[1]), L"INSERT", L"CARTIGLI", 1040, 10, L"TZ-RR2", 1.0, 1.0);
}

TEST_F(TitleBlock, AProfileOfOneNodeHasNoInnerFrame) {
    AcGePoint3d point;
    std::wstring handle;
    ASSERT_EQ(insert(profile(1, 0.0), {L"0,0"}, point, handle), 1);
    const std::vector<AcDbObjectId> ids = entitiesOf(L"TZ-RR1");
    ASSERT_EQ(ids.size(), 14u);
    expectPart(partOf(ids[0]), L"INSERT", L"TZ-OBJ-LIN", -22.0 * 2.0 * 0.8, -2.0, L"TZ-FINOBJ", 23.0 * 2.0 * 0.8, 54.0);
}

// Each failure answers 0 and leaves the drawing as it was.
TEST_F(TitleBlock, ACancelledPointLeavesTheDrawingAndAsksAgainNextTime) {
    const std::vector<unsigned char> before = drawingBytes();
    AcGePoint3d point;
    std::wstring handle = L"x";
    EXPECT_EQ(insert(profile(1, 50.0), {L"*Cancel*"}, point, handle), 0);
    EXPECT_TRUE(handle.empty());
    EXPECT_TRUE(drawingBytes() == before);
    EXPECT_EQ(insert(profile(1, 50.0), {L"5,5"}, point, handle), 1);
}

TEST_F(TitleBlock, AMissingFrameBlockIsNamedBeforeTheTemplateIsRead) {
    std::filesystem::remove(folder_ / "TZ-RR.SIG");
    {
        OpenedObject<AcDbBlockTableRecord> outer(blockNamed(L"TZ-FINOBJ"), AcDb::kForWrite);
        ASSERT_TRUE(outer);
        outer->erase();
    }
    const std::vector<unsigned char> before = drawingBytes();
    AcGePoint3d point;
    std::wstring handle;
    EXPECT_EQ(insert(profile(1, 50.0), {L"0,0"}, point, handle), 0);
    EXPECT_TRUE(printed(L"\nImpossibile trovare in tabella blocchi la definizione TZ-FINOBJ"));
    EXPECT_FALSE(printed(L"Impossibile trovare il file"));
    EXPECT_TRUE(drawingBytes() == before);
}

TEST_F(TitleBlock, AMissingTemplateIsNamedWithItsPathAndNothingIsDrawn) {
    std::filesystem::remove(folder_ / "TZ-RR.SIG");
    const std::vector<unsigned char> before = drawingBytes();
    AcGePoint3d point;
    std::wstring handle;
    EXPECT_EQ(insert(profile(1, 50.0), {L"0,0"}, point, handle), 0);
    const std::string path = (folder_ / "TZ-RR.SIG").string();
    EXPECT_TRUE(printed(L"\nImpossibile trovare il file " + rvnos::fromUtf8(path)));
    EXPECT_TRUE(drawingBytes() == before);
}

TEST_F(TitleBlock, ARefusedDefinitionLeavesTheDrawingAsItWas) {
    rvntest::addBlock(db_, L"TZ-RR1");
    AcGePoint3d point;
    std::wstring handle;
    // A frame so high that its rows lie at no finite place: the host refuses the first label.
    const TzRvnTitleBlock block = profile(1, 50.0, std::numeric_limits<double>::infinity());
    const std::vector<unsigned char> before = drawingBytes();
    EXPECT_EQ(insert(block, {L"0,0"}, point, handle), 0);
    EXPECT_TRUE(drawingBytes() == before);
    EXPECT_TRUE(entitiesOf(L"TZ-RR1").empty());
}

}  // namespace

// InsertTitleBlock on a drawing of the test's own: the block definition made entity by entity, its
// reference with the six attributes, the placement of the first and the stacking of the next, and
// every refusal leaving the drawing as it was; the labels of its template, read into buffers of 20
// characters.
#include "profile_fixture.h"

#include "profiles/title_block.h"
#include "profiles/title_block_labels.h"

#include "acutmem.h"
#include "db_entity_iterator.h"
#include "dbents.h"
#include "dbsymtb.h"
#include "drawing_fixture.h"
#include "drawing_writer.h"
#include "editor_open_object.h"
#include "resbuf_kind.h"
#include "test_files.h"
#include "ucs.h"

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

class TitleBlock : public profiletest::ProfileTest {
protected:
    void SetUp() override {
        ProfileTest::SetUp();
        addTitleBlockDefinitions();
        folder_.write("TZ-RR.SIG", kTemplate);
        rvnhost::putLispString(L"tz-cpath", rvnos::fromUtf8(folder_.path().string()) + L"/");
        putReal(L"TZCARHTES", 2.5);
        TzRvnAskNextTitleBlockPoint();
    }

    static TzRvnTitleBlock profile(int number, double width, double minimumHeight = 0.0) {
        return {number, L"", minimumHeight, width, L"distretto", L"N1-N2-N3", 0.0, 37.5, 1000.0, 100.0};
    }

    // Runs the operation with the answers queued; every answer must be used, none more asked.
    int insert(const TzRvnTitleBlock& block, std::vector<std::wstring> answers) {
        rvntest::QueuedInput input(std::move(answers));
        const int result = InsertTitleBlock(block, point_, handle_);
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

    std::vector<AcDbObjectId> entitiesOf(const ACHAR* block) { return enttest::entitiesOf(enttest::recordOf(db_, block)); }

    static Part partOf(AcDbObjectId id) {
        OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
        Part part{entity->isA()->dxfName(), AcDbSymbolTable::recordName(entity->layerId()), {}, {}};
        if (const auto* text = AcDbText::cast(entity.get())) {
            part = {part.type, part.layer, text->position(), text->textStringConst(), text->height(), text->widthFactor()};
            if (const auto* definition = AcDbAttributeDefinition::cast(text)) {
                part.text = std::wstring(definition->tagConst()) + L"=" + part.text + L"?" + definition->promptConst();
            }
            if (const auto* attribute = AcDbAttribute::cast(text)) part.text = std::wstring(attribute->tagConst()) + L"=" + part.text;
        } else if (const auto* reference = AcDbBlockReference::cast(entity.get())) {
            part = {part.type, part.layer, reference->position(), AcDbSymbolTable::recordName(reference->blockTableRecord()),
                    reference->scaleFactors().sx, reference->scaleFactors().sy};
        } else if (const auto* polyline = AcDb2dPolyline::cast(entity.get())) {
            std::unique_ptr<AcDbObjectIterator> vertices(polyline->vertexIterator());
            OpenedObject<AcDb2dVertex> first(vertices->objectId(), AcDb::kForRead);
            part = {part.type, part.layer, first->position(), L"", first->startWidth(), first->bulge()};
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
        EXPECT_EQ(part.type + L" " + part.layer + L" " + part.text, std::wstring(type) + L" " + layer + L" " + text);
        EXPECT_NEAR(part.at.distanceTo(AcGePoint3d(x, y, 0)), 0.0, kTolerance) << part.at.x << "," << part.at.y;
        EXPECT_NEAR(part.a, a, kTolerance);
        EXPECT_NEAR(part.b, b, kTolerance);
    }

    rvntest::ScratchDir folder_;
    AcGePoint3d point_;
    std::wstring handle_;
};

// h = 2 (the style), w = 0.8; H = max(20 × 2.5 × 1000 / 1000, 30) = 50.
TEST_F(TitleBlock, TheDefinitionAndTheReferenceHoldTheFramesTheDotAndTheLabelledRows) {
    ASSERT_EQ(insert(profile(3, 250.0, 30.0), {L"100,200"}), 1);
    EXPECT_TRUE(said(L"Punto d'inserimento del cartiglio: "));
    EXPECT_NEAR(point_.distanceTo(AcGePoint3d(100, 200, 0)), 0.0, kTolerance);

    const std::vector<AcDbObjectId> ids = entitiesOf(L"TZ-RR3");
    ASSERT_EQ(ids.size(), 15u);
    const double h = 2.0, w = 0.8, H = 50.0, x = -21.0 * h * w;
    expectPart(partOf(ids[0]), L"INSERT", L"TZ-FINESTRATTIVA", 0, 0, L"TZ-FINATT", 250.0, H);
    expectPart(partOf(ids[1]), L"INSERT", L"TZ-OBJ-LIN", -22.0 * h * w, -h, L"TZ-FINOBJ", 250.0 + 23.0 * h * w, H + 2 * h);
    expectPart(partOf(ids[2]), L"POLYLINE", L"TZ-OBJ-LIN", -0.125 * h, 0, L"", 0.25 * h, 1.0);
    const std::wstring labels[] = {L"Rete", L"Profilo", L"Progr. iniziale", L"Quota riferimento",
                                   L"Scala orizzontale", L"Scala verticale"};
    const std::wstring values[] = {L"OBJ1=distretto", L"OBJ2=N1-N2-N3", L"OBJ3=0.0000",
                                   L"OBJ4=37.5000",   L"OBJ5=1000.0000", L"OBJ6=100.0000"};
    const std::vector<AcDbObjectId> model = entitiesOf(ACDB_MODEL_SPACE);
    ASSERT_EQ(model.size(), 1u);
    EXPECT_EQ(handle_, model[0].handle().text());
    expectPart(partOf(model[0]), L"INSERT", L"CARTIGLI", 100, 200, L"TZ-RR3", 1.0, 1.0);
    const std::vector<Part> attributes = attributesOf(model[0]);
    ASSERT_EQ(attributes.size(), 6u);
    for (std::size_t row = 0; row < 6; ++row) {
        const double y = H - h - 3.5 * h * static_cast<double>(row);
        expectPart(partOf(ids[3 + 2 * row]), L"TEXT", L"TZ-OBJ-TXT", x, y, labels[row], h, w);
        expectPart(partOf(ids[4 + 2 * row]), L"ATTDEF", L"TZ-OBJ-TXT", x, y - 1.5 * h, values[row] + L"?" + labels[row], h, w);
        expectPart(attributes[row], L"ATTRIB", L"TZ-OBJ-TXT", 100 + x, 200 + y - 1.5 * h, values[row], h, w);
    }
}

// A real TZCARHTES of 4 gives H = 20 × 4 × 500 / 1000 = 40; a string there gives the default 2.5: H = 25.
// A profile of one node (width 0) has no inner frame: the outer one comes first.
TEST_F(TitleBlock, TheFrameHeightFollowsTZCARHTESOrTheDefaultAndAOneNodeProfileHasNoInnerFrame) {
    putReal(L"TZCARHTES", 4.0);
    TzRvnTitleBlock block = profile(1, 80.0, 10.0);
    block.row5 = 500.0;
    ASSERT_EQ(insert(block, {L"0,0"}), 1);
    expectPart(partOf(entitiesOf(L"TZ-RR1")[0]), L"INSERT", L"TZ-FINESTRATTIVA", 0, 0, L"TZ-FINATT", 80.0, 40.0);
    rvnhost::putLispString(L"TZCARHTES", L"4.0");
    block.number = 2;
    block.width = 0.0;
    ASSERT_EQ(insert(block, {}), 1);
    ASSERT_EQ(entitiesOf(L"TZ-RR2").size(), 14u);
    expectPart(partOf(entitiesOf(L"TZ-RR2")[0]), L"INSERT", L"TZ-OBJ-LIN", -22.0 * 2.0 * 0.8, -2.0, L"TZ-FINOBJ",
               23.0 * 2.0 * 0.8, 29.0);
}

// The point picked in the UCS is the reference's WCS point; the next stacks H + 10 = 60 lower along
// the UCS Y axis, the world's -X, without asking, until the point is asked anew. A link handle other
// than "0" is kept in extended data.
TEST_F(TitleBlock, UnderAUserSystemThePointIsTakenToTheWorldAndALinkHandleIsKept) {
    ASSERT_TRUE(rvnhost::setCurrentUcs({1000.0, 0.0, 0.0}, AcGeVector3d::kYAxis, {-1.0, 0.0, 0.0}));
    TzRvnTitleBlock block = profile(1, 50.0);
    block.linkHandle = L"0";
    ASSERT_EQ(insert(block, {L"10,20"}), 1);
    EXPECT_NEAR(point_.distanceTo(AcGePoint3d(980, 10, 0)), 0.0, kTolerance);
    block.number = 2;
    block.linkHandle = L"1F";
    ASSERT_EQ(insert(block, {}), 1);
    const std::vector<AcDbObjectId> model = entitiesOf(ACDB_MODEL_SPACE);
    ASSERT_EQ(model.size(), 2u);
    expectPart(partOf(model[1]), L"INSERT", L"CARTIGLI", 1040, 10, L"TZ-RR2", 1.0, 1.0);
    EXPECT_EQ(OpenedObject<AcDbEntity>(model[0], AcDb::kForRead)->xData(), nullptr);
    const rvnhost::ResbufList data(OpenedObject<AcDbEntity>(model[1], AcDb::kForRead)->xData(L"TZ-TOZARI-TZ-RR"));
    ASSERT_TRUE(data != nullptr && data->rbnext != nullptr);
    EXPECT_EQ(data->rbnext->restype, 1005);
    EXPECT_STREQ(data->rbnext->resval.rstring, L"1F");
    EXPECT_EQ(data->rbnext->rbnext, nullptr);
    TzRvnAskNextTitleBlockPoint();
    ASSERT_EQ(insert(profile(3, 50.0), {L"0,0"}), 1);
}

// Without "TZ-CART" the texts take the current style and TEXTSIZE; a template of two labels gives
// two label texts and still six attribute definitions.
TEST_F(TitleBlock, WithoutTZCARTAndWithAShortTemplateTheRowsAreStillMade) {
    OpenedObject<AcDbTextStyleTableRecord>(titleStyle_, AcDb::kForWrite)->erase();
    db_.setTextsize(1.5);
    folder_.write("TZ-RR.SIG", "Rete\nProfilo\n");
    ASSERT_EQ(insert(profile(1, 50.0), {L"0,0"}), 1);
    const std::vector<AcDbObjectId> ids = entitiesOf(L"TZ-RR1");
    expectPart(partOf(ids[3]), L"TEXT", L"TZ-OBJ-TXT", -21.0 * 1.5, 50.0 - 1.5, L"Rete", 1.5, 1.0);
    EXPECT_EQ(OpenedObject<AcDbText>(ids[3], AcDb::kForRead)->textStyle(), db_.textstyle());
    std::map<std::wstring, int> kinds;
    for (AcDbObjectId id : ids) ++kinds[partOf(id).type];
    EXPECT_EQ(kinds[L"ATTDEF"], 6);
    EXPECT_EQ(kinds[L"TEXT"], 2);
}

// Each refusal answers 0, leaves the handle empty, says why and leaves the drawing as it was. After
// a cancelled point the next title block asks again; after a point was given the run's next does not.
TEST_F(TitleBlock, EachRefusalLeavesTheDrawingAsItWas) {
    const auto refused = [this](double minimumHeight, std::vector<std::wstring> answers, const std::wstring& message) {
        SCOPED_TRACE(rvnos::toUtf8(message));
        rvnhost::Transcript::instance().clear();
        const std::vector<unsigned char> before = drawingBytes();
        handle_ = L"x";
        EXPECT_EQ(insert(profile(1, 50.0, minimumHeight), std::move(answers)), 0);
        EXPECT_TRUE(handle_.empty());
        EXPECT_TRUE(message.empty() || said(message));
        EXPECT_TRUE(drawingBytes() == before);
    };
    refused(0.0, {L"*Cancel*"}, L"");
    std::filesystem::remove(folder_ / "TZ-RR.SIG");
    refused(0.0, {L"0,0"}, L"\nImpossibile trovare il file " + rvnos::fromUtf8((folder_ / "TZ-RR.SIG").string()));
    // A frame so high that its rows lie at no finite place: the host refuses the first label, and the
    // definition of the same name the drawing had stays.
    folder_.write("TZ-RR.SIG", kTemplate);
    rvntest::addBlock(db_, L"TZ-RR1");
    refused(std::numeric_limits<double>::infinity(), {}, L"");
    // The blocks are looked for before the template is read.
    std::filesystem::remove(folder_ / "TZ-RR.SIG");
    OpenedObject<AcDbBlockTableRecord>(enttest::recordOf(db_, L"TZ-FINOBJ"), AcDb::kForWrite)->erase();
    refused(0.0, {}, L"\nImpossibile trovare in tabella blocchi la definizione TZ-FINOBJ");
    EXPECT_FALSE(said(L"Impossibile trovare il file"));
}

// Each line is a label without its line end and missing lines give empty labels. 18 characters are
// kept whole; a longer line is cut after 19, the 19th dropped as if it were the line end, and its
// rest is the next row's label; the last line without its line end loses its last letter.
TEST(TitleBlockLabels, EachLineIsALabelAndALongLineGoesOnAsTheNextLabel) {
    EXPECT_EQ(ReadTitleBlockLabels("Rete\r\nProfilo\nProgr. iniziale\n\nScala\nVert\nsettima\n"),
              (TzRvnTitleBlockLabels{L"Rete", L"Profilo", L"Progr. iniziale", L"", L"Scala", L"Vert"}));
    EXPECT_EQ(ReadTitleBlockLabels("Rete\nProfilo\n"), (TzRvnTitleBlockLabels{L"Rete", L"Profilo", L"", L"", L"", L""}));
    EXPECT_EQ(ReadTitleBlockLabels("Scala orizzontale1\nB\n")[0], L"Scala orizzontale1");
    EXPECT_EQ(ReadTitleBlockLabels("Quota di riferimento m\nàèìòù é\nultima"),
              (TzRvnTitleBlockLabels{L"Quota di riferimen", L"o m", L"àèìòù é", L"ultim", L"", L""}));
}

}  // namespace

// "rivanta svgout" run by the built host program with the plug-in: the picture of the example
// network, its nodes and branches in the colours of their results, and what is refused without
// writing anything; its arguments: files, the window and the network, and what is refused.
#include "dbents.h"
#include "dbsymtb.h"
#include "drawing_file.h"
#include "drawing_fixture.h"
#include "editor_open_object.h"
#include "json_reader.h"
#include "netobj/network_class.h"
#include "netobj/network_dictionary.h"
#include "network_of_drawing.h"
#include "open_object_guard.h"
#include "schema/block_attributes.h"
#include "run_command.h"
#include "svg_arguments.h"
#include "svg_fixture.h"
#include "svg_reader.h"
#include "test_files.h"
#include "text_codec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <tuple>

namespace {

namespace fs = std::filesystem;
using rvntest::CommandRun;
using rvntest::singleQuoted;
using rvntest::SvgDocument;
using rvntest::SvgElement;

const fs::path kExample = fs::path(RVN_SOURCE_DIR) / "examples" / "networks" / "distretto.dwg";
const std::wstring kNetwork = L"distretto";
const std::wstring kNetworkLayer = L"TZ-RV-distretto";

CommandRun rivanta(const std::string& arguments) { return rvntest::runHost(arguments, "Rivanta.arx"); }

// The thresholds and colours the tests give the network: every kind of colour has a node or a
// branch of the example calculated (pressure heads 33 to 50 m, velocities 0.15 to 0.51 m/s).
constexpr double kLowHead = 45.0;
constexpr double kHighHead = 48.0;
constexpr double kLowVelocity = 0.3;
constexpr double kHighVelocity = 0.45;
constexpr std::uint32_t kLowHeadColour = 0x000000FF;       // red, as a COLORREF
constexpr std::uint32_t kHighHeadColour = 0x00FF0000;      // blue
constexpr std::uint32_t kLowVelocityColour = 0x0000C000;   // green
constexpr std::uint32_t kHighVelocityColour = 0x0000A0FF;  // orange

// What the saved drawing shows of the schema: node handles and positions by name, and each
// branch's handle with its end points.
struct DrawnSchema {
    std::map<std::wstring, std::pair<std::string, AcGePoint3d>> nodes;
    std::vector<std::pair<std::string, std::pair<AcGePoint3d, AcGePoint3d>>> branches;
};

std::string handleOf(AcDbObjectId id) { return rvnos::toUtf8(id.handle().text()); }

DrawnSchema readSchema(const fs::path& path) {
    DrawnSchema schema;
    std::wstring message;
    std::unique_ptr<AcDbDatabase> database = rvnhost::openDrawingFile(path.wstring(), message);
    EXPECT_NE(database, nullptr) << rvnos::toUtf8(message);
    if (!database) return schema;
    for (AcDbObjectId id : enttest::entitiesOf(enttest::recordOf(*database, ACDB_MODEL_SPACE))) {
        rvnhost::OpenedObject<AcDbEntity> entity(id, AcDb::kForRead);
        if (AcDbSymbolTable::recordName(entity->layerId()) != kNetworkLayer) continue;
        if (const AcDbBlockReference* reference = AcDbBlockReference::cast(entity.get())) {
            std::vector<TzRvnTaggedText> texts;
            EXPECT_TRUE(ReadAttributeTexts(*reference, texts));
            const std::optional<std::wstring> name = FindAttributeText(texts, L"NODE_01");  // tanks have none
            if (name) schema.nodes[*name] = {handleOf(id), reference->position()};
        } else if (const AcDb3dPolyline* branch = AcDb3dPolyline::cast(entity.get())) {
            auto& [handle, ends] = schema.branches.emplace_back(handleOf(id), std::pair<AcGePoint3d, AcGePoint3d>{});
            branch->getStartPoint(ends.first);
            branch->getEndPoint(ends.second);
        }
    }
    return schema;
}

// The colours of the shapes drawn for an entity, each with its paint.
std::vector<std::string> coloursOf(const SvgDocument& document, const std::string& handle) {
    std::vector<std::string> colours;
    for (const SvgElement& element : document.elements) {
        if (!element.has("data-handle") || element.at("data-handle") != handle) continue;
        colours.push_back(element.at(element.name == "path" ? "stroke" : "fill"));
    }
    return colours;
}

// "#rrggbb" of a COLORREF (0x00BBGGRR), as the palette test checks it.
std::string hexOf(std::uint32_t colorref) { return rvnhost::hexColour(rvnhost::colourOfColorref(colorref)); }

constexpr char kAsDrawn[] = "#000000";  // colour 7 on the white page

// The colour of a value below, above or within its thresholds.
std::string expectedColour(double value, double low, double high, std::uint32_t lowColour, std::uint32_t highColour) {
    if (value < low) return hexOf(lowColour);
    if (value > high) return hexOf(highColour);
    return kAsDrawn;
}

class SvgOutJob : public rvntest::OpenObjectCheckedTest {
protected:
    void SetUp() override {
        RegisterNetworkClass();
        fs::copy_file(kExample, drawing());
    }

    fs::path drawing() const { return scratch / "distretto.dwg"; }
    fs::path picture() const { return scratch / "rete.svg"; }

    // Calculates the copy of the example and keeps its results; then gives its network the tests'
    // thresholds and colours.
    void calculate() {
        const CommandRun calc = rivanta("calc " + singleQuoted(drawing()) + " --network distretto --save --out " +
                                        singleQuoted(scratch.path()));
        ASSERT_EQ(calc.status, 0) << calc.output;
        std::wstring message;
        std::unique_ptr<AcDbDatabase> database = rvnhost::openDrawingFile(drawing().wstring(), message);
        ASSERT_NE(database, nullptr) << rvnos::toUtf8(message);
        {
            TzRvnOpenObject<TzRvnNetwork> network;
            ASSERT_EQ(Acad::eOk, OpenNetwork(database.get(), kNetwork, AcDb::kForWrite, network));
            TzRvnSettings settings = network->getSettings();
            settings.minPressureHead = kLowHead;
            settings.maxPressureHead = kHighHead;
            settings.minVelocity = kLowVelocity;
            settings.maxVelocity = kHighVelocity;
            settings.colourLowHead = kLowHeadColour;
            settings.colourHighHead = kHighHeadColour;
            settings.colourLowVelocity = kLowVelocityColour;
            settings.colourHighVelocity = kHighVelocityColour;
            ASSERT_EQ(Acad::eOk, network->setSettings(settings));
        }
        ASSERT_EQ(Acad::eOk, rvnhost::saveDrawingFile(*database, drawing().wstring(), message))
            << rvnos::toUtf8(message);
    }

    TzRvnJson results() const {
        TzRvnJson json;
        std::string error;
        EXPECT_TRUE(ParseJson(rvntest::readBytes(scratch / "results.json"), json, error)) << error;
        return json;
    }

    rvntest::ScratchDir scratch;
};

TEST_F(SvgOutJob, DrawsTheExampleWithoutItsExcludedBranch) {
    const CommandRun run = rivanta("svgout " + singleQuoted(drawing()) + " " + singleQuoted(picture()));
    ASSERT_EQ(run.status, 0) << run.output;
    const SvgDocument document = rvntest::readSvg(rvntest::readBytes(picture()));
    ASSERT_EQ(document.error, "");
    const DrawnSchema schema = readSchema(drawing());
    ASSERT_EQ(schema.nodes.size(), 6u);
    for (const auto& [name, node] : schema.nodes)
        EXPECT_FALSE(coloursOf(document, node.first).empty()) << rvnos::toUtf8(name);
    // Each branch on the network layer is one shape (a 3D polyline's path in numbers is the picture
    // tests').
    for (const auto& [handle, ends] : schema.branches) EXPECT_EQ(coloursOf(document, handle).size(), 1u);
    EXPECT_EQ(document.find("id", "legend"), nullptr);
}

TEST_F(SvgOutJob, ColoursNodesAndBranchesByTheThresholdsOfTheNetwork) {
    ASSERT_NO_FATAL_FAILURE(calculate());
    const CommandRun run = rivanta("svgout " + singleQuoted(drawing()) + " " + singleQuoted(picture()) +
                                   " --network distretto --results");
    ASSERT_EQ(run.status, 0) << run.output;
    const SvgDocument document = rvntest::readSvg(rvntest::readBytes(picture()));
    ASSERT_EQ(document.error, "");
    const DrawnSchema schema = readSchema(drawing());
    const TzRvnJson json = results();

    std::map<std::string, int> seen;
    for (const TzRvnJson& node : json.find("nodes")->items()) {
        const double h = node.find("pressureHead")->number();
        const std::string colour = expectedColour(h, kLowHead, kHighHead, kLowHeadColour, kHighHeadColour);
        const std::string& handle = schema.nodes.at(node.find("name")->string()).first;
        for (const std::string& drawn : coloursOf(document, handle)) EXPECT_EQ(drawn, colour) << h;
        ++seen[colour];
    }
    // A branch is found by the names of the nodes at its ends.
    const auto nameAt = [&](const AcGePoint3d& point) {
        for (const auto& [name, node] : schema.nodes) {
            if (node.second.distanceTo(point) < 1e-6) return name;
        }
        return std::wstring();
    };
    for (const TzRvnJson& branch : json.find("branches")->items()) {
        const double speed = std::fabs(branch.find("velocity")->number());
        const std::string colour =
            expectedColour(speed, kLowVelocity, kHighVelocity, kLowVelocityColour, kHighVelocityColour);
        for (const auto& [handle, ends] : schema.branches) {
            if (nameAt(ends.first) != branch.find("startNode")->string() ||
                nameAt(ends.second) != branch.find("endNode")->string()) {
                continue;
            }
            EXPECT_EQ(coloursOf(document, handle), std::vector<std::string>{colour}) << speed;
            ++seen[colour];
        }
    }
    // Every colour was given to some element, and the untouched ones kept the drawing's; the legend
    // shows each colour, in this order, with its threshold.
    const std::vector<SvgElement> swatches = document.all("rect");
    ASSERT_EQ(swatches.size(), 6u);
    std::size_t swatch = 2;
    for (auto colour : {kLowHeadColour, kHighHeadColour, kLowVelocityColour, kHighVelocityColour}) {
        EXPECT_GT(seen[hexOf(colour)], 0) << hexOf(colour);
        EXPECT_EQ(swatches[swatch++].at("fill"), hexOf(colour));
    }
    EXPECT_GT(seen[kAsDrawn], 0);
    const std::vector<SvgElement> texts = document.all("text");
    EXPECT_EQ(texts[texts.size() - 4].text, "h < hmin = 45.00 m");
    EXPECT_EQ(texts[texts.size() - 1].text, "V > Vmax = 0.45 m/s");
}

TEST_F(SvgOutJob, RefusesWhatItCannotDrawAndWritesNothing) {
    rvntest::writeBytes(picture(), "earlier");
    const std::string files = singleQuoted(drawing()) + " " + singleQuoted(picture());
    struct Refusal {
        std::string arguments;
        int status;
        std::string message;
    };
    const std::vector<Refusal> refusals = {
        {"svgout " + singleQuoted(scratch / "assente.dwg") + " " + singleQuoted(picture()), 1, "assente.dwg"},
        {"svgout " + files + " --window 1,2,3", 2, "--window needs X1,Y1,X2,Y2"},
        {"svgout " + files + " --network distretto --results", 1, "has no results"},
        {"svgout " + files + " --network altra --results", 1, "has no network \"altra\""},
        {"svgout " + singleQuoted(drawing()) + " " + singleQuoted(drawing()), 1, ""},
    };
    for (const Refusal& refusal : refusals) {
        const CommandRun run = rivanta(refusal.arguments);
        EXPECT_EQ(run.status, refusal.status) << refusal.arguments << "\n" << run.output;
        EXPECT_TRUE(rvntest::Printed(run, refusal.message));
        EXPECT_EQ(rvntest::readBytes(picture()), "earlier") << refusal.arguments;
    }
    EXPECT_EQ(rvntest::readBytes(drawing()), rvntest::readBytes(kExample));
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(scratch.path())) left.push_back(entry.path().filename().string());
    EXPECT_EQ(left.size(), 2u);  // the drawing and the earlier picture: no temporary file stays
}

using rvnhost::parseSvgOutArguments;

// Files around options, corners in any order, numbers in any notation.
TEST(SvgOutArguments, ReadTheFilesTheWindowAndTheNetwork) {
    const rvnhost::SvgOutArguments plain = parseSvgOutArguments({"a.dwg", "a.svg"});
    EXPECT_EQ(std::tuple(plain.error, plain.drawing, plain.output, plain.window.has_value(), plain.results),
              std::tuple(L"", L"a.dwg", L"a.svg", false, false));
    const rvnhost::SvgOutArguments window =
        parseSvgOutArguments({"a.dwg", "--window", "20,-2.5,1e1,-7", "a.svg", "--network", "rete", "--results"});
    ASSERT_EQ(window.error, L"");
    ASSERT_TRUE(window.window.has_value());
    EXPECT_EQ(std::tuple(window.drawing, window.output, window.network, window.results),
              std::tuple(L"a.dwg", L"a.svg", L"rete", true));
    EXPECT_EQ(std::tuple(window.window->x1, window.window->y1, window.window->x2, window.window->y2),
              std::tuple(10.0, -7.0, 20.0, -2.5));
    EXPECT_TRUE(parseSvgOutArguments({"a.dwg", "--help"}).help);
}

TEST(SvgOutArguments, RefuseWhatCannotBeUsed) {
    const std::vector<std::vector<std::string>> refused = {
        {"a.dwg"},
        {"a.dwg", "a.svg", "b.svg"},
        {"a.dwg", "a.svg", "--window"},
        {"a.dwg", "a.svg", "--window", "1,2,3"},
        {"a.dwg", "a.svg", "--window", "1,2,3,4,5"},
        {"a.dwg", "a.svg", "--window", "1,2,1,4"},      // no width
        {"a.dwg", "a.svg", "--window", "1,2,3,x"},
        {"a.dwg", "a.svg", "--window", "1,2,3,4x"},
        {"a.dwg", "a.svg", "--window", "1,2,3,nan"},
        {"a.dwg", "a.svg", "--window", "1,2,3,1e999"},
        {"a.dwg", "a.svg", "--window", "1;2;3;4"},
        {"a.dwg", "a.svg", "--window", "1,5,3, 4"},
        {"a.dwg", "a.svg", "--network"},
        {"a.dwg", "a.svg", "--network", "rete"},      // without --results
        {"a.dwg", "a.svg", "--results"},              // without --network
        {"a.dwg", "a.svg", "--colour"},
    };
    for (const std::vector<std::string>& arguments : refused) {
        std::string line;
        for (const std::string& argument : arguments) line += argument + " ";
        EXPECT_NE(parseSvgOutArguments(arguments).error, L"") << line;
    }
    EXPECT_NE(parseSvgOutArguments({"a.dwg", "a.svg", "--window", "1,2,3"}).error.find(L"\"1,2,3\""),
              std::wstring::npos);
}

}  // namespace

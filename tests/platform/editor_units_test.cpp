// The drawing's units and variables through the C calls: reals written and read in the units built,
// and the variables each taking only its own values.
#include "acedads.h"
#include "acutmem.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "drawing_fixture.h"
#include "sysvars.h"
#include "table_records.h"
#include "text_codec.h"
#include "transcript.h"
#include "units_format.h"
#include "working_database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <tuple>

namespace {

std::wstring formatted(double value, int precision, int units = rvnhost::kDecimalUnits) {
    return rvnhost::formatLinear(value, units, precision).value_or(L"<refused>");
}

// Halves round away from zero on the decimal text of the value, not on its binary neighbour.
TEST(UnitsFormat, DecimalsAtEveryPrecisionRoundHalvesAwayFromZero) {
    const wchar_t* expected[] = {L"1235", L"1234.6", L"1234.57", L"1234.568", L"1234.5679",
                                 L"1234.56789", L"1234.567890", L"1234.5678900", L"1234.56789000"};
    for (int precision = 0; precision <= 8; ++precision) {
        EXPECT_EQ(formatted(1234.56789, precision), expected[precision]) << precision;
    }
    // 2.675 is binary 2.67499999..., its text 2.675.
    const std::tuple<double, int, const wchar_t*> cases[] = {
        {-0.0, 2, L"0.00"}, {-0.004, 2, L"0.00"}, {-0.005, 2, L"-0.01"}, {1e20, 1, L"100000000000000000000.0"},
        {2.5, 0, L"3"}, {-2.5, 0, L"-3"}, {2.675, 2, L"2.68"}, {99.95, 1, L"100.0"}, {0.000000005, 8, L"0.00000001"},
        {0.0000000049, 8, L"0.00000000"}};
    for (const auto& [value, precision, text] : cases) EXPECT_EQ(formatted(value, precision), text) << value;
}

// Other units, precisions out of range and values that are no numbers are refused.
TEST(UnitsFormat, ScientificNotationAndRefusals) {
    const std::tuple<double, int, const wchar_t*> cases[] = {
        {1234.5, 4, L"1.2345E+03"}, {1234.5, 0, L"1E+03"}, {9.96, 1, L"1.0E+01"}, {-2.5e-100, 2, L"-2.50E-100"},
        {0.0, 2, L"0.00E+00"}};
    for (const auto& [value, precision, text] : cases) {
        EXPECT_EQ(formatted(value, precision, rvnhost::kScientificUnits), text) << value;
    }
    const std::tuple<double, int, int> refused[] = {{1.0, 4, 2}, {1.0, 0, 2}, {1.0, 2, -1},
                                                    {1.0, 2, rvnhost::kMaxPrecision + 1}, {std::nan(""), 2, 2},
                                                    {INFINITY, 2, 2}};
    for (const auto& [value, unit, precision] : refused) {
        EXPECT_FALSE(rvnhost::formatLinear(value, unit, precision)) << value << " " << unit << " " << precision;
    }
}

TEST(UnitsFormat, DistancesAndAnglesAreReadInEveryBuiltUnit) {
    EXPECT_EQ(rvnhost::parseLinear(L" -.5 ", 2), -0.5);
    EXPECT_EQ(rvnhost::parseLinear(L"1.5E+01", 1), 15.0);
    EXPECT_EQ(rvnhost::parseLinear(L"+3.", 2), 3.0);
    for (const wchar_t* text : {L"", L" ", L"abc", L"1,5", L"1.5.2", L"1e", L"e5", L"--1", L"1 2", L"1e999", L"."}) {
        EXPECT_FALSE(rvnhost::parseLinear(text, 2)) << text;
    }
    EXPECT_FALSE(rvnhost::parseLinear(L"12.5", 4));
    constexpr double pi = std::numbers::pi;
    const std::tuple<const wchar_t*, int, double> angles[] = {
        {L"-45.5", 0, -45.5 * pi / 180}, {L"10d0'36\"", 1, 10.01 * pi / 180}, {L"-1d30'", 1, -1.5 * pi / 180},
        {L"30", 1, 30 * pi / 180}, {L"100g", 2, pi / 2}, {L"200", 2, pi}, {L"1.5r", 3, 1.5}};
    for (const auto& [text, unit, radians] : angles) EXPECT_DOUBLE_EQ(rvnhost::parseAngle(text, unit).value_or(-99), radians);
    for (const wchar_t* text : {L"", L"x", L"45d30", L"45'30d", L"1d-2'", L"45d30'15\"2"}) {
        EXPECT_FALSE(rvnhost::parseAngle(text, 1)) << text;
    }
    EXPECT_FALSE(rvnhost::parseAngle(L"90d", 0));
    EXPECT_FALSE(rvnhost::parseAngle(L"N45dE", 4));
}

// A working drawing for one test, with a second layer and text style to switch to; in the C calls -1
// stands for its units and precision.
class EditorWorkingDrawing : public enttest::DrawingTest {
protected:
    void SetUp() override {
        rvnhost::Transcript::instance().clear();
        addLayer(L"TZ-RV-RETE1");
        rvntest::addRecord<AcDbTextStyleTable>(db_, new AcDbTextStyleTableRecord, L"TZ-TESTI");
    }
};

// What acedSetVar answers for the value, which it then frees.
int setVariable(const wchar_t* name, resbuf* value) {
    const int status = acedSetVar(name, value);
    acutRelRb(value);
    return status;
}

// What acedGetVar answers, as "short 4", "real 2.5", "text 0" or "error".
std::wstring variable(const wchar_t* name) {
    resbuf item{};
    if (acedGetVar(name, &item) != RTNORM) return L"error";
    std::wostringstream out;
    if (item.restype == RTSHORT) out << L"short " << item.resval.rint;
    else if (item.restype == RTREAL) out << L"real " << item.resval.rreal;
    else if (item.restype == RTSTR) out << L"text " << item.resval.rstring;
    else out << L"type " << item.restype;
    if (item.restype == RTSTR) acutDelString(item.resval.rstring);
    return out.str();
}

// What acdbRToS writes, or "<error>".
std::wstring rtos(double value, int unit, int precision) {
    ACHAR text[32];
    return acdbRToS(value, unit, precision, text) == RTNORM ? std::wstring(text) : L"<error>";
}

TEST_F(EditorWorkingDrawing, RToSFollowsTheDrawingsPrecision) {
    EXPECT_EQ(rtos(2.5, -1, -1), L"2.5000");
    ASSERT_EQ(db_.setLuprec(0), Acad::eOk);
    EXPECT_EQ(rtos(2.5, -1, -1), L"3");
    db_.setLuprec(6);
    EXPECT_EQ(rtos(0.005, -1, -1), L"0.005000");
    EXPECT_EQ(rtos(1234.5, 1, 2), L"1.23E+03");
    // A buffer too small is refused, not overrun.
    ACHAR small[4];
    EXPECT_EQ(acdbRToS(1234.5, 2, 2, small), RTERROR);
    EXPECT_STREQ(small, L"");
}

TEST_F(EditorWorkingDrawing, DisToFAndAngToFReadNumbersAndRefuseUnitsNotBuiltClearly) {
    ads_real value = 0.0;
    EXPECT_EQ(acdbDisToF(L"0.0015", -1, &value), RTNORM);
    EXPECT_EQ(value, 0.0015);
    EXPECT_EQ(acdbDisToF(L"abc", -1, &value), RTERROR);
    EXPECT_EQ(acdbDisToF(nullptr, -1, &value), RTERROR);
    EXPECT_EQ(acdbAngToF(L"180", -1, &value), RTNORM);
    EXPECT_DOUBLE_EQ(value, std::numbers::pi);
    EXPECT_EQ(acdbAngToF(L"gradi", 0, &value), RTERROR);
    EXPECT_EQ(acdbAngToF(L"N45dE", 4, &value), RTERROR);
    db_.setLunits(4);
    EXPECT_EQ(rtos(1.0, -1, 2), L"<error>");
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"linear units 4 are not supported"));
    value = 7.0;
    EXPECT_EQ(acdbDisToF(L"1'2\"", -1, &value), RTERROR);
    EXPECT_EQ(value, 7.0);
}

// Drawing variables live in the drawing, host variables in the host; names are read without regard
// to case, and a value refused leaves the one kept.
TEST_F(EditorWorkingDrawing, EachVariableTakesOnlyItsValuesAndReadsBackWhatItKept) {
    EXPECT_EQ(variable(L"LUPREC"), L"short 4");
    EXPECT_EQ(variable(L"CLAYER"), L"text 0");
    EXPECT_EQ(variable(L"TEXTSTYLE"), L"text Standard");
    const struct {
        const wchar_t* name;
        resbuf* value;
        int status;
        const wchar_t* kept;
    } cases[] = {
        {L"luprec", acutBuildList(RTSHORT, 6, 0), RTNORM, L"short 6"},
        {L"LUPREC", acutBuildList(RTSHORT, 9, 0), RTERROR, L"short 6"},
        {L"LUPREC", acutBuildList(RTSTR, L"2", 0), RTERROR, L"short 6"},
        {L"CLAYER", acutBuildList(RTSTR, L"TZ-RV-RETE1", 0), RTNORM, L"text TZ-RV-RETE1"},
        {L"clayer", acutBuildList(RTSTR, L"NO-SUCH-LAYER", 0), RTERROR, L"text TZ-RV-RETE1"},
        {L"TEXTSTYLE", acutBuildList(RTSTR, L"TZ-TESTI", 0), RTNORM, L"text TZ-TESTI"},
        {L"TEXTSIZE", acutBuildList(RTREAL, 2.5, 0), RTNORM, L"real 2.5"},
        {L"TEXTSIZE", acutBuildList(RTREAL, -1.0, 0), RTERROR, L"real 2.5"},
        {L"TEXTSIZE", acutBuildList(RTSHORT, 3, 0), RTNORM, L"real 3"},
        {L"ERRNO", acutBuildList(RTSHORT, 52, 0), RTNORM, L"short 52"},
        {L"NOSUCHVAR", acutBuildList(RTSHORT, 1, 0), RTERROR, L"error"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(setVariable(c.name, c.value), c.status) << rvnos::toUtf8(c.name);
        EXPECT_EQ(variable(c.name), c.kept) << rvnos::toUtf8(c.name);
    }
    EXPECT_EQ(db_.luprec(), 6);
    EXPECT_EQ(db_.textsize(), 3.0);
    EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", -1), 52);
    resbuf value{};
    EXPECT_EQ(acedGetVar(nullptr, &value), RTERROR);
}

TEST(EditorVariablesWithoutDrawing, DrawingVariablesAnswerError) {
    rvntest::WorkingDatabase none(nullptr);
    EXPECT_EQ(variable(L"LUPREC"), L"error");
    EXPECT_EQ(variable(L"CLAYER"), L"error");
    ACHAR text[16];
    EXPECT_EQ(acdbRToS(1.25, -1, -1, text), RTNORM);
    EXPECT_STREQ(text, L"1.2500");
}

}  // namespace

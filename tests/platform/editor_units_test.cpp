#include "acedads.h"
#include "dbmain.h"
#include "transcript.h"
#include "units_format.h"
#include "working_database.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

namespace {

std::wstring decimal(double value, int precision) {
    return rvnhost::formatLinear(value, rvnhost::kDecimalUnits, precision).value_or(L"<refused>");
}

// Halves round away from zero on the decimal text of the value, not on its binary neighbour.
TEST(UnitsFormat, DecimalsAtEveryPrecisionRoundHalvesAwayFromZero) {
    const wchar_t* expected[] = {L"1235", L"1234.6", L"1234.57", L"1234.568", L"1234.5679",
                                 L"1234.56789", L"1234.567890", L"1234.5678900", L"1234.56789000"};
    for (int precision = 0; precision <= 8; ++precision) {
        EXPECT_EQ(decimal(1234.56789, precision), expected[precision]) << precision;
    }
    // 2.675 is binary 2.67499999..., its text 2.675.
    const std::tuple<double, int, const wchar_t*> cases[] = {
        {-0.0, 2, L"0.00"}, {-0.004, 2, L"0.00"}, {-0.005, 2, L"-0.01"}, {1e20, 1, L"100000000000000000000.0"},
        {2.5, 0, L"3"}, {-2.5, 0, L"-3"}, {2.675, 2, L"2.68"}, {99.95, 1, L"100.0"}, {0.000000005, 8, L"0.00000001"},
        {0.0000000049, 8, L"0.00000000"}};
    for (const auto& [value, precision, text] : cases) EXPECT_EQ(decimal(value, precision), text) << value;
}

TEST(UnitsFormat, ScientificNotationAndRefusals) {
    auto scientific = [](double value, int precision) {
        return rvnhost::formatLinear(value, rvnhost::kScientificUnits, precision).value_or(L"<refused>");
    };
    EXPECT_EQ(scientific(1234.5, 4), L"1.2345E+03");
    EXPECT_EQ(scientific(1234.5, 0), L"1E+03");
    EXPECT_EQ(scientific(9.96, 1), L"1.0E+01");
    EXPECT_EQ(scientific(-2.5e-100, 2), L"-2.50E-100");
    EXPECT_EQ(scientific(0.0, 2), L"0.00E+00");
    EXPECT_FALSE(rvnhost::formatLinear(1.0, 4, 2));
    EXPECT_FALSE(rvnhost::formatLinear(1.0, 0, 2));
    EXPECT_FALSE(rvnhost::formatLinear(1.0, 2, -1));
    EXPECT_FALSE(rvnhost::formatLinear(1.0, 2, rvnhost::kMaxPrecision + 1));
    EXPECT_FALSE(rvnhost::formatLinear(std::nan(""), 2, 2));
    EXPECT_FALSE(rvnhost::formatLinear(INFINITY, 2, 2));
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

// The C calls, with -1 standing for the working drawing's units and precision.
class EditorUnits : public ::testing::Test {
protected:
    void SetUp() override { rvnhost::Transcript::instance().clear(); }

    AcDbDatabase database_;
    rvntest::WorkingDatabase working_{&database_};
};

// What acdbRToS writes, or "<error>".
std::wstring rtos(double value, int unit, int precision) {
    ACHAR text[32];
    return acdbRToS(value, unit, precision, text) == RTNORM ? std::wstring(text) : L"<error>";
}

TEST_F(EditorUnits, RToSFollowsTheDrawingsPrecision) {
    EXPECT_EQ(rtos(2.5, -1, -1), L"2.5000");
    ASSERT_EQ(database_.setLuprec(0), Acad::eOk);
    EXPECT_EQ(rtos(2.5, -1, -1), L"3");
    database_.setLuprec(6);
    EXPECT_EQ(rtos(0.005, -1, -1), L"0.005000");
    EXPECT_EQ(rtos(1234.5, 1, 2), L"1.23E+03");
    // A buffer too small is refused, not overrun.
    ACHAR small[4];
    EXPECT_EQ(acdbRToS(1234.5, 2, 2, small), RTERROR);
    EXPECT_STREQ(small, L"");
}

TEST_F(EditorUnits, DisToFAndAngToFReadNumbersAndRefuseUnitsNotBuiltClearly) {
    ads_real value = 0.0;
    EXPECT_EQ(acdbDisToF(L"0.0015", -1, &value), RTNORM);
    EXPECT_EQ(value, 0.0015);
    EXPECT_EQ(acdbDisToF(L"abc", -1, &value), RTERROR);
    EXPECT_EQ(acdbDisToF(nullptr, -1, &value), RTERROR);
    EXPECT_EQ(acdbAngToF(L"180", -1, &value), RTNORM);
    EXPECT_DOUBLE_EQ(value, std::numbers::pi);
    EXPECT_EQ(acdbAngToF(L"gradi", 0, &value), RTERROR);
    EXPECT_EQ(acdbAngToF(L"N45dE", 4, &value), RTERROR);
    database_.setLunits(4);
    EXPECT_EQ(rtos(1.0, -1, 2), L"<error>");
    EXPECT_TRUE(rvnhost::Transcript::instance().contains(L"linear units 4 are not supported"));
    value = 7.0;
    EXPECT_EQ(acdbDisToF(L"1'2\"", -1, &value), RTERROR);
    EXPECT_EQ(value, 7.0);
}

}  // namespace

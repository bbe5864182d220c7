#include "acedads.h"
#include "acutmem.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "sysvars.h"
#include "table_records.h"
#include "text_codec.h"
#include "working_database.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <variant>

namespace {

using Value = std::variant<short, double, std::wstring>;

int setVariable(const wchar_t* name, const Value& value) {
    resbuf item{};
    std::wstring text;
    if (const short* number = std::get_if<short>(&value)) {
        item.restype = RTSHORT;
        item.resval.rint = *number;
    } else if (const double* real = std::get_if<double>(&value)) {
        item.restype = RTREAL;
        item.resval.rreal = *real;
    } else {
        text = std::get<std::wstring>(value);
        item.restype = RTSTR;
        item.resval.rstring = text.data();
    }
    return acedSetVar(name, &item);
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

// A working drawing for one test, with a second layer and text style to switch to.
class EditorVariables : public ::testing::Test {
protected:
    void SetUp() override {
        rvntest::addLayer(database_, L"TZ-RV-RETE1");
        rvntest::addRecord<AcDbTextStyleTable>(database_, new AcDbTextStyleTableRecord, L"TZ-TESTI");
    }

    AcDbDatabase database_;
    rvntest::WorkingDatabase working_{&database_};
};

// Drawing variables live in the drawing, host variables in the host; names are read without regard
// to case, and a value refused leaves the one kept.
TEST_F(EditorVariables, EachVariableTakesOnlyItsValuesAndReadsBackWhatItKept) {
    resbuf initial{};
    initial.restype = RTREAL;
    initial.resval.rreal = 1.5;
    rvnhost::defineHostVariable(L"TZDISQR", initial);
    EXPECT_EQ(variable(L"LUPREC"), L"short 4");
    EXPECT_EQ(variable(L"CLAYER"), L"text 0");
    EXPECT_EQ(variable(L"TEXTSTYLE"), L"text Standard");
    const struct {
        const wchar_t* name;
        Value value;
        int status;
        const wchar_t* kept;
    } cases[] = {
        {L"luprec", short{6}, RTNORM, L"short 6"},
        {L"LUPREC", short{9}, RTERROR, L"short 6"},
        {L"LUPREC", std::wstring(L"2"), RTERROR, L"short 6"},
        {L"CLAYER", std::wstring(L"TZ-RV-RETE1"), RTNORM, L"text TZ-RV-RETE1"},
        {L"clayer", std::wstring(L"NO-SUCH-LAYER"), RTERROR, L"text TZ-RV-RETE1"},
        {L"TEXTSTYLE", std::wstring(L"TZ-TESTI"), RTNORM, L"text TZ-TESTI"},
        {L"TEXTSIZE", 2.5, RTNORM, L"real 2.5"},
        {L"TEXTSIZE", -1.0, RTERROR, L"real 2.5"},
        {L"TEXTSIZE", short{3}, RTNORM, L"real 3"},
        {L"ERRNO", short{52}, RTNORM, L"short 52"},
        {L"tzdisqr", std::wstring(L"x"), RTERROR, L"real 1.5"},
        {L"TZDISQR", short{4}, RTNORM, L"real 4"},
        {L"NOSUCHVAR", short{1}, RTERROR, L"error"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(setVariable(c.name, c.value), c.status) << rvnos::toUtf8(c.name);
        EXPECT_EQ(variable(c.name), c.kept) << rvnos::toUtf8(c.name);
    }
    EXPECT_EQ(database_.luprec(), 6);
    EXPECT_EQ(database_.textsize(), 3.0);
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

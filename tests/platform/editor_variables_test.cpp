#include "acedads.h"
#include "acutmem.h"
#include "dbmain.h"
#include "dbsymtb.h"
#include "lisp_symbols.h"
#include "sysvars.h"
#include "table_records.h"
#include "working_database.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A working drawing for one test, with a second layer and text style to switch to.
class EditorVariables : public ::testing::Test {
protected:
    void SetUp() override {
        rvntest::addLayer(database_, L"TZ-RV-RETE1");
        rvntest::addRecord<AcDbTextStyleTable>(database_, new AcDbTextStyleTableRecord, L"TZ-TESTI");
    }

    static std::wstring stringVariable(const wchar_t* name) {
        resbuf value{};
        if (acedGetVar(name, &value) != RTNORM || value.restype != RTSTR) return L"<none>";
        std::wstring text = value.resval.rstring;
        acutDelString(value.resval.rstring);
        return text;
    }

    static int setString(const wchar_t* name, const wchar_t* text) {
        resbuf value{};
        value.restype = RTSTR;
        std::wstring copy = text;
        value.resval.rstring = copy.data();
        return acedSetVar(name, &value);
    }

    static int setShort(const wchar_t* name, int number) {
        resbuf value{};
        value.restype = RTSHORT;
        value.resval.rint = static_cast<short>(number);
        return acedSetVar(name, &value);
    }

    AcDbDatabase database_;
    rvntest::WorkingDatabase working_{&database_};
};

TEST_F(EditorVariables, LuprecLivesInTheDrawing) {
    resbuf value{};
    ASSERT_EQ(acedGetVar(L"LUPREC", &value), RTNORM);
    EXPECT_EQ(value.restype, RTSHORT);
    EXPECT_EQ(value.resval.rint, 4);
    EXPECT_EQ(setShort(L"luprec", 6), RTNORM);
    EXPECT_EQ(database_.luprec(), 6);
    EXPECT_EQ(setShort(L"LUPREC", 9), RTERROR);
    EXPECT_EQ(database_.luprec(), 6);
    EXPECT_EQ(setString(L"LUPREC", L"2"), RTERROR);
}

TEST_F(EditorVariables, LayerAndTextStyleByName) {
    EXPECT_EQ(stringVariable(L"CLAYER"), L"0");
    EXPECT_EQ(setString(L"CLAYER", L"TZ-RV-RETE1"), RTNORM);
    EXPECT_EQ(stringVariable(L"clayer"), L"TZ-RV-RETE1");
    EXPECT_EQ(setString(L"CLAYER", L"NO-SUCH-LAYER"), RTERROR);
    EXPECT_EQ(stringVariable(L"CLAYER"), L"TZ-RV-RETE1");

    EXPECT_EQ(stringVariable(L"TEXTSTYLE"), L"Standard");
    EXPECT_EQ(setString(L"TEXTSTYLE", L"TZ-TESTI"), RTNORM);
    EXPECT_EQ(stringVariable(L"TEXTSTYLE"), L"TZ-TESTI");
}

TEST_F(EditorVariables, TextSizeTakesPositiveReals) {
    resbuf value{};
    value.restype = RTREAL;
    value.resval.rreal = 2.5;
    EXPECT_EQ(acedSetVar(L"TEXTSIZE", &value), RTNORM);
    value.resval.rreal = -1.0;
    EXPECT_EQ(acedSetVar(L"TEXTSIZE", &value), RTERROR);
    resbuf read{};
    ASSERT_EQ(acedGetVar(L"TEXTSIZE", &read), RTNORM);
    EXPECT_EQ(read.restype, RTREAL);
    EXPECT_EQ(read.resval.rreal, 2.5);
    EXPECT_EQ(setShort(L"TEXTSIZE", 3), RTNORM);
    EXPECT_EQ(database_.textsize(), 3.0);
}

TEST_F(EditorVariables, HostVariablesAndUnknownNames) {
    EXPECT_EQ(setShort(L"ERRNO", 52), RTNORM);
    EXPECT_EQ(rvnhost::integerVariable(L"ERRNO", -1), 52);
    resbuf value{};
    EXPECT_EQ(acedGetVar(L"NOSUCHVAR", &value), RTERROR);
    EXPECT_EQ(setShort(L"NOSUCHVAR", 1), RTERROR);
    EXPECT_EQ(acedGetVar(nullptr, &value), RTERROR);

    resbuf initial{};
    initial.restype = RTREAL;
    initial.resval.rreal = 1.5;
    rvnhost::defineHostVariable(L"TZDISQR", initial);
    ASSERT_EQ(acedGetVar(L"tzdisqr", &value), RTNORM);
    EXPECT_EQ(value.resval.rreal, 1.5);
    EXPECT_EQ(setString(L"TZDISQR", L"x"), RTERROR);
    EXPECT_EQ(setShort(L"TZDISQR", 4), RTNORM);
    ASSERT_EQ(acedGetVar(L"TZDISQR", &value), RTNORM);
    EXPECT_EQ(value.restype, RTREAL);
    EXPECT_EQ(value.resval.rreal, 4.0);
}

TEST(EditorVariablesWithoutDrawing, DrawingVariablesAnswerError) {
    rvntest::WorkingDatabase none(nullptr);
    resbuf value{};
    EXPECT_EQ(acedGetVar(L"LUPREC", &value), RTERROR);
    EXPECT_EQ(acedGetVar(L"CLAYER", &value), RTERROR);
    ACHAR text[16];
    EXPECT_EQ(acdbRToS(1.25, -1, -1, text), RTNORM);
    EXPECT_STREQ(text, L"1.2500");
}

class LispSymbolsTest : public ::testing::Test {
protected:
    void SetUp() override { rvnhost::LispSymbols::instance().clear(); }
    void TearDown() override { rvnhost::LispSymbols::instance().clear(); }

    // Gives the symbol the list, which is freed afterwards; what acedPutSym answered.
    static int put(const wchar_t* name, resbuf* list) {
        const int status = acedPutSym(name, list);
        acutRelRb(list);
        return status;
    }
};

// The plug-in reads scalar symbols (acedGetSym); lists are the stand-in's own, checked once here.
TEST_F(LispSymbolsTest, ValuesAndListsRoundTripAndUnboundReadsNil) {
    EXPECT_EQ(put(L"tz-cpath", acutBuildList(RTSTR, L"/opt/rivanta/examples/", 0)), RTNORM);
    resbuf* read = nullptr;
    ASSERT_EQ(acedGetSym(L"TZ-CPATH", &read), RTNORM);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->restype, RTSTR);
    EXPECT_STREQ(read->resval.rstring, L"/opt/rivanta/examples/");
    EXPECT_EQ(read->rbnext, nullptr);
    acutRelRb(read);

    const ads_point p1 = {1.0, 2.0, 3.0};
    ASSERT_EQ(put(L"P1", acutBuildList(RTLB, RT3DPOINT, p1, RTSTR, L"N1", RTSHORT, 7, RTLE, 0)), RTNORM);
    ASSERT_EQ(acedGetSym(L"p1", &read), RTNORM);
    std::vector<short> types;
    for (resbuf* item = read; item; item = item->rbnext) types.push_back(item->restype);
    EXPECT_EQ(types, (std::vector<short>{RTLB, RT3DPOINT, RTSTR, RTSHORT, RTLE}));
    EXPECT_EQ(read->rbnext->resval.rpoint[Z], 3.0);
    EXPECT_STREQ(read->rbnext->rbnext->resval.rstring, L"N1");
    EXPECT_EQ(read->rbnext->rbnext->rbnext->resval.rint, 7);
    acutRelRb(read);

    read = reinterpret_cast<resbuf*>(0x1);
    EXPECT_EQ(acedGetSym(L"never-set", &read), RTNORM);
    EXPECT_EQ(read, nullptr);
}

}  // namespace

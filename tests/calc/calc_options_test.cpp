// The command line of "rivanta calc": its two forms and the arguments it refuses.
#include "analysis/jobs/calc_options.h"

#include <gtest/gtest.h>

namespace {

TzRvnCalcOptions parse(std::vector<std::string> arguments) { return ParseCalcOptions(arguments); }

TEST(CalcOptions, ReadsThePortaviaFormWithAllItsOptions) {
    const TzRvnCalcOptions options =
        parse({"--verbose", "rete.ptv", "--out", "uscita", "--results", "r.json", "--no"});
    EXPECT_TRUE(options.error.empty());
    EXPECT_TRUE(options.importsNetworkFile());
    EXPECT_EQ(L"rete.ptv", options.input);
    EXPECT_EQ(L"uscita", options.outFolder);
    EXPECT_EQ(L"r.json", options.resultsPath);
    EXPECT_EQ(TzRvnImportAnswer::no, options.answer);
    EXPECT_TRUE(options.verbose);
    EXPECT_FALSE(options.save);
    EXPECT_EQ(TzRvnFactorisation::exact, options.factorisation);
    EXPECT_EQ(TzRvnFactorisation::dense, parse({"a.ptv", "--solver", "dense"}).factorisation);
    EXPECT_EQ(TzRvnFactorisation::ordered, parse({"--solver", "ordered", "a.ptv"}).factorisation);

    const TzRvnCalcOptions plain = parse({"citt\xc3\xa0.ptv"});
    EXPECT_TRUE(plain.error.empty());
    EXPECT_EQ(L"citt\u00e0.ptv", plain.input);
    EXPECT_EQ(TzRvnImportAnswer::ask, plain.answer);
    EXPECT_TRUE(plain.outFolder.empty());
}

TEST(CalcOptions, ReadsTheDrawingForm) {
    const TzRvnCalcOptions options = parse({"progetto.dwg", "--network", "Acquedotto", "--save"});
    EXPECT_TRUE(options.error.empty());
    EXPECT_FALSE(options.importsNetworkFile());
    EXPECT_EQ(L"Acquedotto", options.networkName);
    EXPECT_TRUE(options.save);
}

TEST(CalcOptions, HelpWinsOverEverythingElse) {
    EXPECT_TRUE(parse({"--bogus", "-h"}).help);
    EXPECT_TRUE(parse({"--help"}).help);
    EXPECT_NE(std::wstring::npos, CalcUsageText().find(L"rivanta calc FILE.ptv"));
    EXPECT_NE(std::wstring::npos, CalcUsageText().find(L"--program-folder DIR"));
}

TEST(CalcOptions, RefusesArgumentsItCannotUse) {
    const std::vector<std::pair<std::vector<std::string>, std::wstring>> refused = {
        {{}, L"no file to calculate"},
        {{"--out"}, L"--out needs a value"},
        {{"a.ptv", "--results"}, L"--results needs a value"},
        {{"a.ptv", "--network", ""}, L"--network needs a value"},
        {{"a.ptv", "--out", "x", "--out", "y"}, L"--out is given twice"},
        {{"a.ptv", "--yes", "--no"}, L"--yes and --no exclude each other"},
        {{"a.ptv", "--fast"}, L"unknown option --fast"},
        {{"a.ptv", "--solver"}, L"--solver needs a value"},
        {{"a.ptv", "--solver", "Dense"}, L"--solver takes dense, exact or ordered, not \"Dense\""},
        {{"a.ptv", "--solver", "dense", "--solver", "ordered"}, L"--solver is given twice"},
        {{"a.ptv", "b.ptv"}, L"one file at a time: \"b.ptv\" follows \"a.ptv\""},
        {{"a.ptv", "--save"}, L"--save needs --network NAME (it writes a drawing back)"},
        {{"a.dwg", "--network", "N", "--yes"}, L"--yes and --no answer the questions of a .ptv import, not of a drawing"},
    };
    for (const auto& [arguments, error] : refused) {
        EXPECT_EQ(error, parse(arguments).error) << testing::PrintToString(arguments);
    }
    EXPECT_TRUE(parse({"a.ptv", "--yes", "--yes"}).error.empty());
    EXPECT_TRUE(parse({"-"}).error.empty());
}

}  // namespace

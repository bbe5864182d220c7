// The command line of "rivanta calc": its two forms and the arguments it refuses.
#include "analysis/jobs/calc_options.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TzRvnCalcOptions parse(std::vector<std::string> arguments) { return ParseCalcOptions(arguments); }

TEST(CalcOptions, ReadsThePortaviaFormWithAllItsOptions) {
    const TzRvnCalcOptions options =
        parse({"--verbose", "rete.ptv", "--out", "uscita", "--results", "r.json", "--no"});
    EXPECT_EQ(std::tuple(std::wstring(), true, std::wstring(L"rete.ptv"), std::wstring(L"uscita"), std::wstring(L"r.json"),
                         TzRvnImportAnswer::no, true, false, TzRvnFactorisation::exact),
              std::tuple(options.error, options.importsNetworkFile(), options.input, options.outFolder, options.resultsPath,
                         options.answer, options.verbose, options.save, options.factorisation));
    EXPECT_EQ(TzRvnFactorisation::dense, parse({"a.ptv", "--solver", "dense"}).factorisation);
    EXPECT_EQ(TzRvnFactorisation::ordered, parse({"--solver", "ordered", "a.ptv"}).factorisation);

    const TzRvnCalcOptions plain = parse({"citt\xc3\xa0.ptv"});
    EXPECT_EQ(std::tuple(std::wstring(), std::wstring(L"citt\u00e0.ptv"), TzRvnImportAnswer::ask, std::wstring()),
              std::tuple(plain.error, plain.input, plain.answer, plain.outFolder));
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

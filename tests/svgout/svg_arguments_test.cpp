// The arguments of "svgout": files, the window and the network, and what is refused.
#include "svg_arguments.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

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

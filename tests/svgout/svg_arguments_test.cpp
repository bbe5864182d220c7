// The arguments of "svgout": files, the window and the network, and what is refused.
#include "svg_arguments.h"

#include <gtest/gtest.h>

namespace {

using rvnhost::parseSvgOutArguments;

TEST(SvgOutArguments, ReadTheFilesTheWindowAndTheNetwork) {
    const rvnhost::SvgOutArguments plain = parseSvgOutArguments({"a.dwg", "a.svg"});
    EXPECT_EQ(plain.error, L"");
    EXPECT_EQ(plain.drawing, L"a.dwg");
    EXPECT_EQ(plain.output, L"a.svg");
    EXPECT_FALSE(plain.window.has_value());

    // Corners in any order, numbers in any notation.
    const rvnhost::SvgOutArguments window =
        parseSvgOutArguments({"a.dwg", "--window", "20,-2.5,1e1,-7", "a.svg", "--network", "rete", "--results"});
    ASSERT_EQ(window.error, L"");
    EXPECT_EQ(window.drawing, L"a.dwg");
    EXPECT_EQ(window.output, L"a.svg");
    ASSERT_TRUE(window.window.has_value());
    EXPECT_EQ(window.window->x1, 10.0);
    EXPECT_EQ(window.window->y1, -7.0);
    EXPECT_EQ(window.window->x2, 20.0);
    EXPECT_EQ(window.window->y2, -2.5);
    EXPECT_EQ(window.network, L"rete");
    EXPECT_TRUE(window.results);
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

#include "svg_arguments.h"

#include "text_codec.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace rvnhost {

namespace {

// A whole text read as a finite number in the C locale's notation; nullopt otherwise.
std::optional<double> finiteNumber(const std::string& text) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text.front()))) return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || errno == ERANGE || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<SvgWindow> readWindow(const std::string& text) {
    std::vector<double> numbers;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::optional<double> number = finiteNumber(text.substr(start, comma - start));
        if (!number) return std::nullopt;
        numbers.push_back(*number);
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    if (numbers.size() != 4) return std::nullopt;
    SvgWindow window{std::min(numbers[0], numbers[2]), std::min(numbers[1], numbers[3]),
                     std::max(numbers[0], numbers[2]), std::max(numbers[1], numbers[3])};
    if (window.x1 == window.x2 || window.y1 == window.y2) return std::nullopt;
    return window;
}

// Takes one argument (and its value); false with the error set when it cannot be used.
bool readArgument(const std::vector<std::string>& arguments, std::size_t& at, SvgOutArguments& result) {
    const std::string& argument = arguments[at];
    const bool hasValue = at + 1 < arguments.size();
    if (argument == "--window") {
        const std::string value = hasValue ? arguments[++at] : "";
        result.window = readWindow(value);
        if (!result.window) {
            result.error = L"--window needs X1,Y1,X2,Y2: four numbers with a decimal point, corners of a "
                           L"rectangle with an area (not \"" + rvnos::fromUtf8(value) + L"\")";
        }
        return result.window.has_value();
    }
    if (argument == "--network") {
        if (!hasValue || arguments[at + 1].empty()) {
            result.error = L"--network needs a network name";
            return false;
        }
        result.network = rvnos::fromUtf8(arguments[++at]);
        return true;
    }
    if (argument == "--results") {
        result.results = true;
        return true;
    }
    if (argument.size() > 1 && argument.front() == '-') {
        result.error = L"unknown option \"" + rvnos::fromUtf8(argument) + L"\"";
        return false;
    }
    std::wstring& slot = result.drawing.empty() ? result.drawing : result.output;
    if (!result.output.empty()) {
        result.error = L"too many files: \"" + rvnos::fromUtf8(argument) + L"\"";
        return false;
    }
    slot = rvnos::fromUtf8(argument);
    return true;
}

}  // namespace

SvgOutArguments parseSvgOutArguments(const std::vector<std::string>& arguments) {
    SvgOutArguments result;
    result.help = std::any_of(arguments.begin(), arguments.end(),
                              [](const std::string& argument) { return argument == "--help" || argument == "-h"; });
    if (result.help) return result;
    for (std::size_t at = 0; at < arguments.size(); ++at) {
        if (!readArgument(arguments, at, result)) return result;
    }
    if (result.output.empty()) {
        result.error = L"a drawing and an output file are needed";
    } else if (result.network.empty() != !result.results) {
        result.error = L"--network NAME and --results go together";
    }
    return result;
}

std::wstring svgOutUsage() {
    return L"Usage: rivanta svgout DRAWING OUT.svg [--window X1,Y1,X2,Y2] [--network NAME --results]\n"
           L"\n"
           L"Draws the model space of a drawing as an SVG picture: lines, polylines with their widths and\n"
           L"arcs, points, texts, block references with their attributes, in the colours of the entities\n"
           L"or of their layers (colour 7 black on the white page). Frozen and off layers are not drawn.\n"
           L"\n"
           L"  --window X1,Y1,X2,Y2  only this rectangle of the drawing (WCS); default: all of it\n"
           L"  --network NAME        with --results: the network's nodes and branches in the colours of\n"
           L"  --results             its result thresholds, with a legend (the plug-in's job)\n"
           L"  -h, --help            show this help\n"
           L"\n"
           L"Exit status: 0 written; 1 not written; 2 wrong arguments.\n";
}

}  // namespace rvnhost

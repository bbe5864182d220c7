// Reads back the SVG pictures the host writes, to check their geometry in numbers: the elements in
// document order with their attributes and text, the transform of the drawing's group, and path
// data as a list of commands.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace rvntest {

struct SvgElement {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text;  // the element's own text, entities resolved

    bool has(const std::string& attribute) const { return attributes.count(attribute) > 0; }
    const std::string& at(const std::string& attribute) const;
    double number(const std::string& attribute) const;
};

struct SvgDocument {
    std::vector<SvgElement> elements;
    std::string error;  // set when the text is not well-formed

    // The elements of that name, in order.
    std::vector<SvgElement> all(const std::string& name) const;
    // The first element whose attribute has that value; null when none.
    const SvgElement* find(const std::string& attribute, const std::string& value) const;
};

// Parses the text with libxml2; text that is not well-formed XML sets SvgDocument::error.
SvgDocument readSvg(const std::string& text);

// The numbers in a text, in order ("matrix(2 0 0 -2 10 20)" gives 2, 0, 0, -2, 10, 20).
std::vector<double> numbersIn(const std::string& text);

// A command of path data and its numbers, in absolute coordinates as the host writes them.
struct PathCommand {
    char letter = 0;
    std::vector<double> values;
};
std::vector<PathCommand> readPathData(const std::string& data);

// An affine map of the plane, SVG's matrix(a b c d e f): (x, y) goes to (a x + c y + e, b x + d y + f).
struct SvgMatrix {
    double a = 1.0, b = 0.0, c = 0.0, d = 1.0, e = 0.0, f = 0.0;

    double x(double px, double py) const { return a * px + c * py + e; }
    double y(double px, double py) const { return b * px + d * py + f; }
};
// The matrix of a transform that is one matrix(...); identity otherwise.
SvgMatrix readMatrix(const std::string& transform);

// The named steps of a transform, e.g. {"translate", {10, 20}}, {"rotate", {30}}.
std::vector<std::pair<std::string, std::vector<double>>> readTransformSteps(const std::string& transform);

}  // namespace rvntest

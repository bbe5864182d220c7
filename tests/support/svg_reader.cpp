#include "svg_reader.h"

#include <libxml/parser.h>

#include <cstdlib>
#include <regex>

namespace rvntest {

namespace {

std::string utf8(const xmlChar* text) { return text ? reinterpret_cast<const char*>(text) : ""; }

// Appends the elements of node and its siblings, each followed by its descendants.
void collect(const xmlNode* node, std::vector<SvgElement>& elements) {
    for (; node != nullptr; node = node->next) {
        if (node->type != XML_ELEMENT_NODE) continue;
        SvgElement element{utf8(node->name), {}, {}};
        for (const xmlAttr* attribute = node->properties; attribute != nullptr; attribute = attribute->next) {
            xmlChar* value = xmlNodeListGetString(node->doc, attribute->children, 1);
            element.attributes[utf8(attribute->name)] = utf8(value);
            xmlFree(value);
        }
        for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
            if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) element.text += utf8(child->content);
        }
        elements.push_back(std::move(element));
        collect(node->children, elements);
    }
}

}  // namespace

const std::string& SvgElement::at(const std::string& attribute) const {
    static const std::string kNone;
    auto found = attributes.find(attribute);
    return found == attributes.end() ? kNone : found->second;
}

double SvgElement::number(const std::string& attribute) const {
    const std::vector<double> values = numbersIn(at(attribute));
    return values.empty() ? 0.0 : values.front();
}

std::vector<SvgElement> SvgDocument::all(const std::string& name) const {
    std::vector<SvgElement> found;
    for (const SvgElement& element : elements) {
        if (element.name == name) found.push_back(element);
    }
    return found;
}

const SvgElement* SvgDocument::find(const std::string& attribute, const std::string& value) const {
    for (const SvgElement& element : elements) {
        if (element.has(attribute) && element.at(attribute) == value) return &element;
    }
    return nullptr;
}

SvgDocument readSvg(const std::string& text) {
    SvgDocument document;
    xmlDoc* parsed = xmlReadMemory(text.data(), static_cast<int>(text.size()), nullptr, nullptr,
                                   XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
    if (parsed == nullptr) {
        const xmlError* error = xmlGetLastError();
        document.error = error != nullptr && error->message != nullptr ? error->message : "not well-formed";
        return document;
    }
    collect(xmlDocGetRootElement(parsed), document.elements);
    xmlFreeDoc(parsed);
    return document;
}

std::vector<double> numbersIn(const std::string& text) {
    static const std::regex kNumber(R"([-+]?(\d+\.?\d*|\.\d+)([eE][-+]?\d+)?)");
    std::vector<double> numbers;
    for (std::sregex_iterator each(text.begin(), text.end(), kNumber), end; each != end; ++each) {
        numbers.push_back(std::strtod(each->str().c_str(), nullptr));
    }
    return numbers;
}

std::vector<PathCommand> readPathData(const std::string& data) {
    static const std::regex kCommand(R"(([A-DF-Za-df-z])([^A-DF-Za-df-z]*))");  // e and E belong to numbers
    std::vector<PathCommand> commands;
    for (std::sregex_iterator each(data.begin(), data.end(), kCommand), end; each != end; ++each) {
        commands.push_back({each->str(1)[0], numbersIn(each->str(2))});
    }
    return commands;
}

SvgMatrix readMatrix(const std::string& transform) {
    const auto steps = readTransformSteps(transform);
    if (steps.size() != 1 || steps.front().first != "matrix" || steps.front().second.size() != 6) return {};
    const std::vector<double>& v = steps.front().second;
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

std::vector<std::pair<std::string, std::vector<double>>> readTransformSteps(const std::string& transform) {
    static const std::regex kStep(R"(([A-Za-z]+)\s*\(([^)]*)\))");
    std::vector<std::pair<std::string, std::vector<double>>> steps;
    for (std::sregex_iterator each(transform.begin(), transform.end(), kStep), end; each != end; ++each) {
        steps.emplace_back(each->str(1), numbersIn(each->str(2)));
    }
    return steps;
}

}  // namespace rvntest

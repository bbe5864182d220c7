#include "svg_reader.h"

#include <cctype>
#include <cstdlib>
#include <stdexcept>

namespace rvntest {

namespace {

std::string resolved(const std::string& text) {
    static const std::pair<const char*, char> kEntities[] = {
        {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    std::string out;
    for (std::size_t at = 0; at < text.size(); ++at) {
        bool replaced = false;
        for (const auto& [entity, character] : kEntities) {
            if (text.compare(at, std::char_traits<char>::length(entity), entity) == 0) {
                out += character;
                at += std::char_traits<char>::length(entity) - 1;
                replaced = true;
                break;
            }
        }
        if (!replaced) out += text[at];
    }
    return out;
}

class Parser {
public:
    explicit Parser(const std::string& text) : text_(text) {}

    SvgDocument parse() {
        SvgDocument document;
        try {
            while (at_ < text_.size()) step(document);
            if (!open_.empty()) fail("<" + document.elements[open_.back()].name + "> is not closed");
        } catch (const std::runtime_error& error) {
            document.error = error.what();
        }
        return document;
    }

private:
    [[noreturn]] void fail(const std::string& why) const {
        throw std::runtime_error(why + " (at byte " + std::to_string(at_) + ")");
    }

    void skipPast(const std::string& end) {
        const std::size_t found = text_.find(end, at_);
        if (found == std::string::npos) fail("\"" + end + "\" missing");
        at_ = found + end.size();
    }

    void step(SvgDocument& document) {
        if (text_[at_] != '<') {
            const std::size_t next = text_.find('<', at_);
            const std::string chunk = text_.substr(at_, next - at_);
            if (!open_.empty()) document.elements[open_.back()].text += resolved(chunk);
            at_ = next == std::string::npos ? text_.size() : next;
            return;
        }
        if (text_.compare(at_, 4, "<!--") == 0) return skipPast("-->");
        if (text_.compare(at_, 2, "<?") == 0) return skipPast("?>");
        if (text_.compare(at_, 2, "</") == 0) return closeTag(document);
        openTag(document);
    }

    void closeTag(SvgDocument& document) {
        at_ += 2;
        const std::size_t end = text_.find('>', at_);
        if (end == std::string::npos) fail("unfinished closing tag");
        const std::string name = text_.substr(at_, end - at_);
        if (open_.empty() || document.elements[open_.back()].name != name) fail("unexpected </" + name + ">");
        open_.pop_back();
        at_ = end + 1;
    }

    std::string nameAt() {
        const std::size_t start = at_;
        while (at_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[at_])) || text_[at_] == '-' ||
                                      text_[at_] == ':' || text_[at_] == '_')) {
            ++at_;
        }
        if (at_ == start) fail("a name is missing");
        return text_.substr(start, at_ - start);
    }

    void skipBlanks() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    }

    void openTag(SvgDocument& document) {
        ++at_;
        SvgElement element;
        element.name = nameAt();
        element.depth = static_cast<int>(open_.size());
        while (true) {
            skipBlanks();
            if (at_ >= text_.size()) fail("unfinished tag <" + element.name + ">");
            if (text_.compare(at_, 2, "/>") == 0) {
                at_ += 2;
                document.elements.push_back(element);
                return;
            }
            if (text_[at_] == '>') {
                ++at_;
                document.elements.push_back(element);
                open_.push_back(document.elements.size() - 1);
                return;
            }
            const std::string attribute = nameAt();
            if (text_.compare(at_, 2, "=\"") != 0) fail("attribute " + attribute + " without a quoted value");
            at_ += 2;
            const std::size_t end = text_.find('"', at_);
            if (end == std::string::npos) fail("unfinished value of " + attribute);
            if (!element.attributes.emplace(attribute, resolved(text_.substr(at_, end - at_))).second) {
                fail("attribute " + attribute + " given twice");
            }
            at_ = end + 1;
        }
    }

    const std::string& text_;
    std::size_t at_ = 0;
    std::vector<std::size_t> open_;
};

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
        if (element.at(attribute) == value && element.has(attribute)) return &element;
    }
    return nullptr;
}

SvgDocument readSvg(const std::string& text) { return Parser(text).parse(); }

std::vector<double> numbersIn(const std::string& text) {
    std::vector<double> numbers;
    const char* at = text.c_str();
    while (*at != '\0') {
        if (std::isdigit(static_cast<unsigned char>(*at)) || *at == '-' || *at == '+' || *at == '.') {
            char* end = nullptr;
            const double value = std::strtod(at, &end);
            if (end != at) {
                numbers.push_back(value);
                at = end;
                continue;
            }
        }
        ++at;
    }
    return numbers;
}

std::vector<PathCommand> readPathData(const std::string& data) {
    std::vector<PathCommand> commands;
    std::string numbers;
    for (const char c : data + "\n") {
        if (std::isalpha(static_cast<unsigned char>(c)) && c != 'e' && c != 'E') {
            if (!commands.empty()) commands.back().values = numbersIn(numbers);
            commands.push_back({c, {}});
            numbers.clear();
        } else {
            numbers += c;
        }
    }
    if (!commands.empty()) commands.back().values = numbersIn(numbers);
    return commands;
}

SvgMatrix readMatrix(const std::string& transform) {
    const auto steps = readTransformSteps(transform);
    if (steps.size() != 1 || steps.front().first != "matrix" || steps.front().second.size() != 6) return {};
    const std::vector<double>& v = steps.front().second;
    return {v[0], v[1], v[2], v[3], v[4], v[5]};
}

std::vector<std::pair<std::string, std::vector<double>>> readTransformSteps(const std::string& transform) {
    std::vector<std::pair<std::string, std::vector<double>>> steps;
    std::size_t at = 0;
    while (true) {
        const std::size_t open = transform.find('(', at);
        const std::size_t close = transform.find(')', open);
        if (open == std::string::npos || close == std::string::npos) break;
        std::string name = transform.substr(at, open - at);
        name.erase(0, name.find_first_not_of(" ,"));
        steps.emplace_back(name, numbersIn(transform.substr(open + 1, close - open - 1)));
        at = close + 1;
    }
    return steps;
}

}  // namespace rvntest

#include "analysis/solver/text_format.h"

#include "network/number_text.h"

#include <optional>

namespace {

constexpr int kLfDecimals = 6;

std::wstring widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

// The text of one conversion for arg, or nothing when arg is not of the conversion's type.
std::optional<std::wstring> convert(std::wstring_view conversion, const TzRvnTextArg& arg) {
    if (conversion == L"d" && std::holds_alternative<int>(arg)) {
        std::wstring text;
        AppendIntegerText(text, std::get<int>(arg));
        return text;
    }
    if (conversion == L"s" && std::holds_alternative<std::wstring_view>(arg)) {
        return std::wstring(std::get<std::wstring_view>(arg));
    }
    if (conversion == L"lf" && std::holds_alternative<double>(arg)) {
        return widen(FixedText(std::get<double>(arg), kLfDecimals));
    }
    return std::nullopt;
}

// Length of the conversion that starts after a '%' at text[0], 0 when none is recognised.
std::size_t conversionLength(std::wstring_view text) {
    if (text.starts_with(L"lf")) return 2;
    if (text.starts_with(L"d") || text.starts_with(L"s")) return 1;
    return 0;
}

}  // namespace

std::wstring FormatText(std::wstring_view format, std::initializer_list<TzRvnTextArg> args) {
    std::wstring out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != L'%') {
            out += format[i];
            continue;
        }
        std::wstring_view rest = format.substr(i + 1);
        if (rest.starts_with(L"%")) {
            out += L'%';
            ++i;
            continue;
        }
        std::size_t length = conversionLength(rest);
        std::optional<std::wstring> text;
        if (length > 0 && next != args.end()) text = convert(rest.substr(0, length), *next++);
        if (!text) text = std::wstring(format.substr(i, length + 1));
        out += *text;
        i += length;
    }
    return out;
}

std::wstring KeepText(std::wstring_view text) { return std::wstring(text); }

std::wstring FormatTranslated(const TzRvnTranslate& translate, std::wstring_view format,
                              std::initializer_list<TzRvnTextArg> args) {
    return FormatText(translate(format), args);
}

#include "analysis/exchange/inp_options.h"

#include "analysis/exchange/inp_numbers.h"
#include "analysis/exchange/inp_settings.h"
#include "analysis/exchange/inp_texts.h"
#include "network/unicode_text.h"

#include <algorithm>
#include <array>
#include <cwctype>

namespace {

struct HarmlessOption {
    std::wstring_view keyword;  // EPANET's option, in full
    std::size_t abbreviation;   // how many of its first letters EPANET matches
};

// Options that cannot change a steady-state Darcy-Weisbach solution of a network without
// patterns, emitters, pumps or valves: pressure units, quality, solver tuning of status checks,
// the default pattern, pressure-driven parameters (the DDA model is required).
constexpr std::array<HarmlessOption, 17> kHarmlessOptions = {{
    {L"PATTERN", 4}, {L"SPECIFIC GRAVITY", 4}, {L"QUALITY", 4}, {L"DIFFUSIVITY", 4}, {L"TOLERANCE", 5},
    {L"MAP", 3}, {L"HYDRAULICS", 4}, {L"UNBALANCED", 5}, {L"CHECKFREQ", 6}, {L"MAXCHECK", 5},
    {L"DAMPLIMIT", 5}, {L"EMITTER EXPONENT", 4}, {L"MINIMUM PRESSURE", 5}, {L"REQUIRED PRESSURE", 5},
    {L"PRESSURE", 5}, {L"BACKFLOW ALLOWED", 5}, {L"STATUS", 4},
}};

std::wstring upper(std::wstring_view text) {
    std::wstring result(text);
    for (wchar_t& ch : result) ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
    return result;
}

// EPANET's keyword match: the token begins with the keyword's abbreviation, in any case.
bool matches(std::wstring_view token, std::wstring_view abbreviation) { return upper(token).starts_with(abbreviation); }

class OptionReader {
public:
    OptionReader(const TzRvnInpSection& section, TzRvnInpOptions& options, TzRvnSettings& settings)
        : section_(section), options_(options), settings_(settings) {}

    std::optional<TzRvnInpRefusal> read(const TzRvnInpLine& line) {
        line_ = &line;
        if (line.data.empty()) return readSettingComment(rvnutf::fromUtf8(line.comment));
        CutInpTokens(line, tokens_);
        const std::wstring key = token(0);
        if (matches(key, L"UNIT")) return readUnits();
        if (matches(key, L"HEADL")) return readHeadloss();
        if (matches(key, L"VISC")) return readPositive(1, [this](double v) { options_.viscosity = v; });
        if (matches(key, L"ACCU")) return readPositive(1, [this](double v) { options_.accuracy = clampAccuracy(v); });
        if (matches(key, L"TRIAL")) return readTrials();
        if (matches(key, L"HEADE")) return readNonNegative(1, [this](double v) { options_.headError = v; });
        if (matches(key, L"FLOWC")) return readNonNegative(1, [this](double v) { options_.flowChange = v; });
        if (matches(key, L"DEMAN")) return readDemandOption();
        for (const HarmlessOption& harmless : kHarmlessOptions) {
            if (matches(key, harmless.keyword.substr(0, harmless.abbreviation))) return std::nullopt;
        }
        return refuse(rvntext::kInpUnknownOption, key);
    }

private:
    static double clampAccuracy(double value) { return std::clamp(value, kInpLowestAccuracy, kInpHighestAccuracy); }
    static int trials(double value) { return value >= 2147483647.0 ? 2147483647 : static_cast<int>(value); }

    TzRvnInpRefusal refuse(std::wstring_view reason, std::wstring_view argument = {}) const {
        return InpRefusal(section_, line_->number, reason, argument);
    }

    // The token at index of the line as wide text.
    std::wstring token(std::size_t index) const { return rvnutf::fromUtf8(tokens_[index]); }

    // The token at index, or a refusal when the line is too short.
    std::optional<TzRvnInpRefusal> need(std::size_t index) const {
        if (tokens_.size() <= index) return refuse(rvntext::kInpMissingValues);
        return std::nullopt;
    }

    std::optional<TzRvnInpRefusal> readUnits() {
        if (auto missing = need(1)) return missing;
        const std::wstring name = token(1);
        const std::optional<TzRvnInpUnits> units = InpUnitsFor(name);
        if (!units) return refuse(rvntext::kInpUnknownFlowUnit, name);
        options_.units = *units;
        return std::nullopt;
    }

    std::optional<TzRvnInpRefusal> readHeadloss() {
        if (auto missing = need(1)) return missing;
        const std::wstring formula = token(1);
        if (upper(formula) != L"D-W") return refuse(rvntext::kInpHeadloss, formula);
        options_.darcyWeisbach = true;
        return std::nullopt;
    }

    // TRIALS: EPANET keeps the whole part, which must leave at least one iteration.
    std::optional<TzRvnInpRefusal> readTrials() {
        double value = 0.0;
        if (auto refusal = readPositive(1, [&value](double v) { value = v; })) return refusal;
        if (value < 1.0) return refuse(rvntext::kInpTooFewTrials, token(1));
        options_.trials = trials(value);
        return std::nullopt;
    }

    std::optional<TzRvnInpRefusal> readDemandOption() {
        if (auto missing = need(2)) return missing;
        const std::wstring kind = token(1);
        if (matches(kind, L"MULTIP")) {
            return readPositive(2, [this](double v) { options_.demandMultiplier = v; });
        }
        if (matches(kind, L"MODEL")) {
            const std::wstring model = token(2);
            return upper(model) == L"DDA" ? std::nullopt : std::optional(refuse(rvntext::kInpDemandModel, model));
        }
        return refuse(rvntext::kInpUnknownOption, token(0).append(L" ").append(kind));
    }

    template <typename Store>
    std::optional<TzRvnInpRefusal> readNumber(std::size_t index, bool zeroAllowed, Store store) {
        if (auto missing = need(index)) return missing;
        const std::optional<double> value = ParseInpNumber(tokens_[index]);
        if (!value) return refuse(rvntext::kInpNotANumber, token(index));
        if (*value < 0.0 || (*value == 0.0 && !zeroAllowed)) {
            return refuse(zeroAllowed ? rvntext::kInpNegative : rvntext::kInpNotPositive, token(index));
        }
        store(*value);
        return std::nullopt;
    }
    template <typename Store>
    std::optional<TzRvnInpRefusal> readPositive(std::size_t index, Store store) {
        return readNumber(index, false, store);
    }
    template <typename Store>
    std::optional<TzRvnInpRefusal> readNonNegative(std::size_t index, Store store) {
        return readNumber(index, true, store);
    }

    // ";RIVANTA KEY VALUE"; other comments are only comments.
    std::optional<TzRvnInpRefusal> readSettingComment(std::wstring_view comment) {
        const std::vector<std::wstring> words = splitWords(comment);
        if (words.size() != 3 || words[0] != kInpSettingsMark) return std::nullopt;
        if (SetInpSetting(words[1], words[2], settings_)) return std::nullopt;
        return refuse(rvntext::kInpBadSetting, words[1]);
    }

    static std::vector<std::wstring> splitWords(std::wstring_view text) {
        std::vector<std::wstring> words;
        std::size_t i = 0;
        while (i < text.size()) {
            const std::size_t start = text.find_first_not_of(L" \t", i);
            if (start == std::wstring_view::npos) break;
            const std::size_t end = std::min(text.find_first_of(L" \t", start), text.size());
            words.emplace_back(text.substr(start, end - start));
            i = end;
        }
        return words;
    }

    const TzRvnInpSection& section_;
    TzRvnInpOptions& options_;
    TzRvnSettings& settings_;
    const TzRvnInpLine* line_ = nullptr;
    std::vector<std::string_view> tokens_;  // of line_
};

}  // namespace

std::optional<TzRvnInpRefusal> ReadInpOptions(const std::vector<TzRvnInpSection>& sections, TzRvnInpOptions& options,
                                              TzRvnSettings& settings) {
    options.units = *InpUnitsFor(L"GPM");
    for (const TzRvnInpSection& section : sections) {
        if (section.name != L"[OPTIONS]") continue;
        if (options.headerLine == 0) options.headerLine = section.line;
        OptionReader reader(section, options, settings);
        for (const TzRvnInpLine& line : section.lines) {
            if (auto refusal = reader.read(line)) return refusal;
        }
    }
    if (!options.darcyWeisbach) {
        const TzRvnInpSection where{L"[OPTIONS]", options.headerLine, {}};
        return InpRefusal(where, options.headerLine, rvntext::kInpNoHeadloss);
    }
    return std::nullopt;
}

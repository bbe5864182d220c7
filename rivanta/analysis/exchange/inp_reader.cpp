#include "analysis/exchange/inp_reader.h"

#include "analysis/exchange/inp_elements.h"
#include "analysis/exchange/inp_lines.h"
#include "analysis/exchange/inp_options.h"
#include "analysis/exchange/inp_texts.h"

#include <algorithm>
#include <array>
#include <cwctype>

namespace {

// Sections without effect on a steady-state calculation of what a network holds.
constexpr std::array<std::wstring_view, 13> kSkippedSections = {
    L"[TITLE]", L"[COORDINATES]", L"[VERTICES]", L"[LABELS]",    L"[BACKDROP]", L"[TAGS]",   L"[REPORT]",
    L"[TIMES]", L"[ENERGY]",      L"[QUALITY]",  L"[REACTIONS]", L"[SOURCES]",  L"[MIXING]",
};

struct RefusedSection {
    std::wstring_view name;
    std::wstring_view reason;
};

// Sections of what a network cannot model: refused at their first line of data.
constexpr std::array<RefusedSection, 9> kRefusedSections = {{
    {L"[PUMPS]", rvntext::kInpPumps},
    {L"[VALVES]", rvntext::kInpValves},
    {L"[PATTERNS]", rvntext::kInpPatterns},
    {L"[CURVES]", rvntext::kInpCurves},
    {L"[CONTROLS]", rvntext::kInpControls},
    {L"[RULES]", rvntext::kInpControls},
    {L"[EMITTERS]", rvntext::kInpEmitters},
    {L"[LEAKAGE]", rvntext::kInpLeakage},
    {L"", rvntext::kInpOutsideSection},
}};

constexpr std::array<std::wstring_view, 7> kReadSections = {
    L"[OPTIONS]", L"[JUNCTIONS]", L"[RESERVOIRS]", L"[TANKS]", L"[PIPES]", L"[STATUS]", L"[DEMANDS]",
};

template <std::size_t N>
bool listed(const std::array<std::wstring_view, N>& names, std::wstring_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

const TzRvnInpLine* firstData(const TzRvnInpSection& section) {
    for (const TzRvnInpLine& line : section.lines) {
        if (!line.data.empty()) return &line;
    }
    return nullptr;
}

// The sections up to [END], or why the file is refused.
std::optional<TzRvnInpRefusal> checkSections(std::vector<TzRvnInpSection>& sections) {
    const auto end = std::find_if(sections.begin(), sections.end(), [](const auto& s) { return s.name == L"[END]"; });
    sections.erase(end, sections.end());
    for (const TzRvnInpSection& section : sections) {
        if (listed(kSkippedSections, section.name) || listed(kReadSections, section.name)) continue;
        const auto refused = std::find_if(kRefusedSections.begin(), kRefusedSections.end(),
                                          [&](const RefusedSection& r) { return r.name == section.name; });
        if (refused == kRefusedSections.end()) return InpRefusal(section, section.line, rvntext::kInpUnknownSection);
        if (const TzRvnInpLine* line = firstData(section)) return InpRefusal(section, line->number, refused->reason);
    }
    return std::nullopt;
}

bool isNodeSection(const TzRvnInpSection& section) {
    return section.name == L"[JUNCTIONS]" || section.name == L"[RESERVOIRS]" || section.name == L"[TANKS]";
}

bool isPipeSection(const TzRvnInpSection& section) { return section.name == L"[PIPES]"; }

// The lines of the sections that pass test: as many elements at most.
template <typename Test>
std::size_t linesOf(const std::vector<TzRvnInpSection>& sections, Test test) {
    std::size_t lines = 0;
    for (const TzRvnInpSection& section : sections) {
        if (test(section)) lines += section.lines.size();
    }
    return lines;
}

// Reads the element sections: nodes first, in file order, then the sections that name them.
std::optional<TzRvnInpRefusal> readElements(const std::vector<TzRvnInpSection>& sections, TzRvnInpElements& elements) {
    elements.reserve(linesOf(sections, isNodeSection), linesOf(sections, isPipeSection));
    for (const TzRvnInpSection& section : sections) {
        if (!isNodeSection(section)) continue;
        if (auto refusal = elements.readNodes(section)) return refusal;
    }
    for (const TzRvnInpSection& section : sections) {
        if (!isPipeSection(section)) continue;
        if (auto refusal = elements.readPipes(section)) return refusal;
    }
    for (const TzRvnInpSection& section : sections) {
        std::optional<TzRvnInpRefusal> refusal;
        if (section.name == L"[STATUS]") refusal = elements.readStatus(section);
        if (section.name == L"[DEMANDS]") refusal = elements.readDemands(section);
        if (refusal) return refusal;
    }
    return std::nullopt;
}

// ACCURACY is a ratio of flow changes to flows: it gives the flow tolerance as that share of
// the total demand (of one l/s at least) and the head tolerance as that share of one metre.
constexpr double kAccuracyHeadScale = 1.0;   // m
constexpr double kAccuracyLeastFlow = 1e-3;  // m3/s

void applyOptions(const TzRvnInpOptions& options, double totalDemand, TzRvnSettings& settings) {
    settings.viscosity = options.viscosity ? InpViscosity(*options.viscosity, options.units) : InpReferenceViscosity();
    settings.maxIterations = options.trials;
    settings.headTolerance =
        options.headError > 0.0 ? options.headError * options.units.length : options.accuracy * kAccuracyHeadScale;
    settings.flowTolerance = options.flowChange > 0.0 ? options.flowChange * options.units.flow
                                                      : options.accuracy * std::max(totalDemand, kAccuracyLeastFlow);
}

TzRvnInpRead refused(TzRvnInpRefusal refusal) { return {TzRvnInpStatus::refused, std::nullopt, std::move(refusal)}; }

}  // namespace

TzRvnInpRead ParseInpText(std::string_view utf8, const TzRvnSettings& installed, TzRvnNetworkData& network) {
    if (std::optional<TzRvnInpFileRefusal> kind = InpFileKindRefusal(utf8)) {
        return {TzRvnInpStatus::notInputFile, kind, std::nullopt};
    }
    TzRvnInpText text = SplitInpSections(utf8);
    std::vector<TzRvnInpSection>& sections = text.sections;
    if (auto refusal = checkSections(sections)) return refused(std::move(*refusal));
    TzRvnInpOptions options;
    TzRvnSettings settings = installed;
    if (auto refusal = ReadInpOptions(sections, options, settings)) return refused(std::move(*refusal));
    TzRvnInpElements elements(options);
    if (auto refusal = readElements(sections, elements)) return refused(std::move(*refusal));
    applyOptions(options, elements.totalDemand(), settings);
    TzRvnNetworkData imported;
    imported.setSettings(settings);
    elements.moveInto(imported);
    network = std::move(imported);
    return {};
}

bool IsInpFile(std::wstring_view path) {
    if (path.size() < 4) return false;
    std::wstring extension(path.substr(path.size() - 4));
    for (wchar_t& ch : extension) ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
    return extension == L".inp";
}

#include "analysis/solver/unusable_values.h"

#include "analysis/solver/analysis_texts.h"
#include "analysis/solver/text_format.h"
#include "frame/translation.h"

#include <cmath>
#include <cstdio>

namespace {

bool positiveNumber(double value) { return std::isfinite(value) && value > 0.0; }
bool nonNegativeNumber(double value) { return std::isfinite(value) && value >= 0.0; }

// A value as a user reads it: up to ten significant digits, "nan" and "inf" for what is no number.
std::wstring valueText(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.10g", value);
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

void refuseSetting(std::wstring_view format, double value, std::vector<std::wstring>& lines) {
    lines.push_back(FormatTranslated(format, {std::wstring_view(valueText(value))}));
}

void checkSettings(const TzRvnSettings& s, std::vector<std::wstring>& lines) {
    if (!positiveNumber(s.viscosity)) refuseSetting(rvntext::kViscosityUnusable, s.viscosity, lines);
    if (!positiveNumber(s.initialVelocity)) refuseSetting(rvntext::kInitialVelocityUnusable, s.initialVelocity, lines);
    if (s.maxIterations < 1) lines.push_back(FormatTranslated(rvntext::kIterationLimitUnusable, {s.maxIterations}));
    if (!positiveNumber(s.minBranchFlow)) refuseSetting(rvntext::kMinBranchFlowUnusable, s.minBranchFlow, lines);
    if (!nonNegativeNumber(s.headTolerance)) refuseSetting(rvntext::kHeadToleranceUnusable, s.headTolerance, lines);
    if (!nonNegativeNumber(s.flowTolerance)) refuseSetting(rvntext::kFlowToleranceUnusable, s.flowTolerance, lines);
}

void checkNodes(const TzRvnNetworkData& network, std::vector<std::wstring>& lines) {
    for (const TzRvnNode& node : network.nodes()) {
        const std::wstring_view name = node.name.view();
        if (!std::isfinite(node.demand)) {
            lines.push_back(FormatTranslated(rvntext::kDemandUnusable, {name, std::wstring_view(valueText(node.demand))}));
        }
        if (!std::isfinite(node.elevation)) {
            lines.push_back(
                FormatTranslated(rvntext::kElevationUnusable, {name, std::wstring_view(valueText(node.elevation))}));
        }
    }
}

// One refused value of branch number k (1-based).
void refuseBranch(std::wstring_view format, int k, const TzRvnEdge& edge, double value,
                  std::vector<std::wstring>& lines) {
    const std::wstring text = valueText(value);
    lines.push_back(FormatTranslated(format, {k, edge.startNode.view(), edge.endNode.view(), std::wstring_view(text)}));
}

void checkBranches(const TzRvnNetworkData& network, std::vector<std::wstring>& lines) {
    int k = 0;
    for (const TzRvnEdge& edge : network.edges()) {
        ++k;
        if (edge.excluded) continue;
        if (!nonNegativeNumber(edge.length)) refuseBranch(rvntext::kLengthUnusable, k, edge, edge.length, lines);
        if (!positiveNumber(edge.diameter)) refuseBranch(rvntext::kDiameterUnusable, k, edge, edge.diameter, lines);
        if (!std::isfinite(edge.roughness)) refuseBranch(rvntext::kRoughnessUnusable, k, edge, edge.roughness, lines);
        if (!std::isfinite(edge.csi)) refuseBranch(rvntext::kCsiUnusable, k, edge, edge.csi, lines);
    }
}

void checkTanks(const TzRvnNetworkData& network, std::vector<std::wstring>& lines) {
    int t = 0;
    for (const TzRvnTank& tank : network.tanks()) {
        ++t;
        if (std::isfinite(tank.head)) continue;
        const std::wstring text = valueText(tank.head);
        lines.push_back(FormatTranslated(rvntext::kTankLevelUnusable, {t, tank.nodeName.view(), std::wstring_view(text)}));
    }
}

}  // namespace

std::vector<std::wstring> UnusableValues(const TzRvnNetworkData& network) {
    std::vector<std::wstring> lines;
    checkSettings(network.settings(), lines);
    checkNodes(network, lines);
    checkBranches(network, lines);
    checkTanks(network, lines);
    return lines;
}

std::wstring UnusableValuesText(const std::vector<std::wstring>& lines) {
    std::wstring text = TranslateText(rvntext::kValuesUnusable);
    for (std::size_t i = 0; i < lines.size() && i < kListedUnusableValues; ++i) text += lines[i];
    if (lines.size() > kListedUnusableValues) {
        text += FormatTranslated(rvntext::kMoreValuesUnusable, {static_cast<int>(lines.size() - kListedUnusableValues)});
    }
    return text;
}

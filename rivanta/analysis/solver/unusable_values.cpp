#include "analysis/solver/unusable_values.h"

#include "analysis/solver/analysis_texts.h"

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

using Values = std::vector<TzRvnUnusableValue>;

void checkSettings(const TzRvnSettings& s, Values& values) {
    const auto refuse = [&](TzRvnUnusableKind kind, double value) { values.push_back({kind, 0, value}); };
    if (!positiveNumber(s.viscosity)) refuse(TzRvnUnusableKind::viscosity, s.viscosity);
    if (!positiveNumber(s.initialVelocity)) refuse(TzRvnUnusableKind::initialVelocity, s.initialVelocity);
    if (s.maxIterations < 1) refuse(TzRvnUnusableKind::iterationLimit, s.maxIterations);
    if (!positiveNumber(s.minBranchFlow)) refuse(TzRvnUnusableKind::minBranchFlow, s.minBranchFlow);
    if (!nonNegativeNumber(s.headTolerance)) refuse(TzRvnUnusableKind::headTolerance, s.headTolerance);
    if (!nonNegativeNumber(s.flowTolerance)) refuse(TzRvnUnusableKind::flowTolerance, s.flowTolerance);
}

void checkNodes(const TzRvnNetworkData& network, Values& values) {
    for (int i = 0; i < network.numNodes(); ++i) {
        const TzRvnNode& node = network.nodes()[static_cast<std::size_t>(i)];
        if (!std::isfinite(node.demand)) values.push_back({TzRvnUnusableKind::demand, i, node.demand});
        if (!std::isfinite(node.elevation)) values.push_back({TzRvnUnusableKind::elevation, i, node.elevation});
    }
}

void checkBranches(const TzRvnNetworkData& network, Values& values) {
    for (int k = 0; k < network.numEdges(); ++k) {
        const TzRvnEdge& edge = network.edges()[static_cast<std::size_t>(k)];
        if (edge.excluded) continue;
        if (!nonNegativeNumber(edge.length)) values.push_back({TzRvnUnusableKind::length, k, edge.length});
        if (!positiveNumber(edge.diameter)) values.push_back({TzRvnUnusableKind::diameter, k, edge.diameter});
        if (!std::isfinite(edge.roughness)) values.push_back({TzRvnUnusableKind::roughness, k, edge.roughness});
        if (!std::isfinite(edge.csi)) values.push_back({TzRvnUnusableKind::csi, k, edge.csi});
    }
}

void checkTanks(const TzRvnNetworkData& network, Values& values) {
    for (int t = 0; t < network.numTanks(); ++t) {
        const TzRvnTank& tank = network.tanks()[static_cast<std::size_t>(t)];
        if (!std::isfinite(tank.head)) values.push_back({TzRvnUnusableKind::tankLevel, t, tank.head});
    }
}

// The text of a setting's kind.
std::wstring_view settingFormat(TzRvnUnusableKind kind) {
    switch (kind) {
        case TzRvnUnusableKind::viscosity: return rvntext::kViscosityUnusable;
        case TzRvnUnusableKind::initialVelocity: return rvntext::kInitialVelocityUnusable;
        case TzRvnUnusableKind::minBranchFlow: return rvntext::kMinBranchFlowUnusable;
        case TzRvnUnusableKind::headTolerance: return rvntext::kHeadToleranceUnusable;
        default: return rvntext::kFlowToleranceUnusable;
    }
}

// The text of a branch's kind.
std::wstring_view branchFormat(TzRvnUnusableKind kind) {
    switch (kind) {
        case TzRvnUnusableKind::length: return rvntext::kLengthUnusable;
        case TzRvnUnusableKind::diameter: return rvntext::kDiameterUnusable;
        case TzRvnUnusableKind::roughness: return rvntext::kRoughnessUnusable;
        default: return rvntext::kCsiUnusable;
    }
}

}  // namespace

std::vector<TzRvnUnusableValue> UnusableValues(const TzRvnNetworkData& network) {
    Values values;
    checkSettings(network.settings(), values);
    checkNodes(network, values);
    checkBranches(network, values);
    checkTanks(network, values);
    return values;
}

std::wstring UnusableValueLine(const TzRvnUnusableValue& value, const TzRvnNetworkData& network,
                               const TzRvnTranslate& translate) {
    const std::wstring text = valueText(value.value);
    const std::wstring_view shown(text);
    const auto at = static_cast<std::size_t>(value.element);
    switch (value.kind) {
        case TzRvnUnusableKind::iterationLimit:
            return FormatTranslated(translate, rvntext::kIterationLimitUnusable, {static_cast<int>(value.value)});
        case TzRvnUnusableKind::demand:
            return FormatTranslated(translate, rvntext::kDemandUnusable, {network.nodes()[at].name.view(), shown});
        case TzRvnUnusableKind::elevation:
            return FormatTranslated(translate, rvntext::kElevationUnusable, {network.nodes()[at].name.view(), shown});
        case TzRvnUnusableKind::length:
        case TzRvnUnusableKind::diameter:
        case TzRvnUnusableKind::roughness:
        case TzRvnUnusableKind::csi: {
            const TzRvnEdge& edge = network.edges()[at];
            return FormatTranslated(translate, branchFormat(value.kind),
                                    {value.element + 1, edge.startNode.view(), edge.endNode.view(), shown});
        }
        case TzRvnUnusableKind::tankLevel:
            return FormatTranslated(translate, rvntext::kTankLevelUnusable,
                                    {value.element + 1, network.tanks()[at].nodeName.view(), shown});
        default: return FormatTranslated(translate, settingFormat(value.kind), {shown});
    }
}

std::wstring UnusableValuesText(const std::vector<TzRvnUnusableValue>& values, const TzRvnNetworkData& network,
                                const TzRvnTranslate& translate) {
    std::wstring text = translate(rvntext::kValuesUnusable);
    for (std::size_t i = 0; i < values.size() && i < kListedUnusableValues; ++i) {
        text += UnusableValueLine(values[i], network, translate);
    }
    if (values.size() > kListedUnusableValues) {
        text += FormatTranslated(translate, rvntext::kMoreValuesUnusable,
                                 {static_cast<int>(values.size() - kListedUnusableValues)});
    }
    return text;
}

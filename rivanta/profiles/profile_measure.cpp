#include "profiles/profile_measure.h"

#include "profiles/profile_figures.h"

#include <algorithm>
#include <cmath>

namespace {

double PlanDistance(const TzRvnSchemaPoint& a, const TzRvnSchemaPoint& b) { return std::hypot(b.x - a.x, b.y - a.y); }

// The extremes: the first value taken sets both, later ones widen them.
class Extremes {
public:
    void take(double value) {
        minimum_ = any_ ? std::min(minimum_, value) : value;
        maximum_ = any_ ? std::max(maximum_, value) : value;
        any_ = true;
    }
    void widen(double value) {
        minimum_ = std::min(minimum_, value);
        maximum_ = std::max(maximum_, value);
    }
    double minimum() const { return minimum_; }
    double maximum() const { return maximum_; }

private:
    bool any_ = false;
    double minimum_ = 0.0;
    double maximum_ = 0.0;
};

// The nodes whose heads enter the extremes: the first of every leg, the last of the last pair.
std::vector<double> HeadsOfLegs(const std::vector<TzRvnProfileLeg>& legs) {
    std::vector<double> heads;
    for (const TzRvnProfileLeg& leg : legs) {
        heads.push_back(leg.from.head);
        if (leg.last) heads.push_back(leg.to.head);
    }
    return heads;
}

void AddNodeStation(TzRvnProfileMeasure& measure, const TzRvnNode& node, double distance) {
    measure.terrain.push_back({distance, node.elevation});
    measure.heads.push_back({distance, node.head});
    measure.sections.push_back({node.name.str(), {distance, node.elevation}});
}

// Along the branch lengths, the terrain at the nodes' elevations.
void MeasureByLengths(const std::vector<TzRvnProfileLeg>& legs, TzRvnProfileMeasure& measure, Extremes& extremes) {
    double distance = 0.0;
    for (const TzRvnProfileLeg& leg : legs) {
        extremes.take(leg.from.elevation);
        if (leg.last) extremes.take(leg.to.elevation);
        AddNodeStation(measure, leg.from, distance);
        distance += leg.branch.length;
        if (leg.last) AddNodeStation(measure, leg.to, distance);
    }
    measure.length = distance;
}

// Along the polylines in plan, the terrain at every vertex.
void MeasureAlongSchema(const std::vector<TzRvnProfileLeg>& legs, TzRvnProfileMeasure& measure, Extremes& extremes) {
    double distance = 0.0;
    bool started = false;
    for (const TzRvnProfileLeg& leg : legs) {
        if (leg.vertices.empty()) continue;
        if (!started) {
            const TzRvnSchemaPoint& first = leg.vertices.front();
            measure.terrain.push_back({distance, first.z});
            measure.heads.push_back({distance, leg.from.head});
            measure.sections.push_back({leg.from.name.str(), {distance, first.z}});
            started = true;
        }
        extremes.take(leg.vertices.front().z);
        for (std::size_t i = 1; i < leg.vertices.size(); ++i) {
            distance += PlanDistance(leg.vertices[i - 1], leg.vertices[i]);
            measure.terrain.push_back({distance, leg.vertices[i].z});
            extremes.take(leg.vertices[i].z);
        }
        measure.heads.push_back({distance, leg.to.head});
        measure.sections.push_back({leg.to.name.str(), measure.terrain.back()});
    }
    measure.length = distance;
}

}  // namespace

std::wstring ProfileKey(const ProfileChain& chain) {
    std::wstring key;
    for (std::size_t i = 0; i < chain.size(); ++i) key += (i == 0 ? L"" : L"-") + chain[i];
    return key;
}

bool HasDashedPairName(const ProfileChain& chain) {
    if (chain.size() < 2) return false;
    return std::any_of(chain.begin(), chain.end(), [](const std::wstring& name) { return name.find(L'-') != std::wstring::npos; });
}

std::vector<TzRvnProfileLeg> ProfileLegs(const TzRvnNetworkData& network, const ProfileChain& chain) {
    std::vector<TzRvnProfileLeg> legs;
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        const TzRvnEdge* branch = JoiningBranch(network, chain[i], chain[i + 1]);
        const TzRvnNode* from = FindNodeNamed(network, chain[i]);
        const TzRvnNode* to = FindNodeNamed(network, chain[i + 1]);
        if (branch == nullptr || from == nullptr || to == nullptr) continue;
        legs.push_back({*from, *to, *branch, i + 2 == chain.size(), {}});
    }
    return legs;
}

TzRvnProfileMeasure MeasureProfile(const std::vector<TzRvnProfileLeg>& legs, bool hasSchema) {
    TzRvnProfileMeasure measure;
    Extremes extremes;
    if (hasSchema) MeasureAlongSchema(legs, measure, extremes);
    else MeasureByLengths(legs, measure, extremes);
    for (const double head : HeadsOfLegs(legs)) extremes.widen(head);
    measure.minimum = extremes.minimum();
    measure.maximum = extremes.maximum();
    return measure;
}

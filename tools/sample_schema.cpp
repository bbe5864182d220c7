#include "sample_schema.h"

#include "host/open_object.h"
#include "netobj/network_dictionary.h"
#include "schema/real_text.h"
#include "schema/rounding.h"
#include "schema/schema_reader.h"
#include "schema/schema_entities.h"
#include "schema/schema_layers.h"
#include "schema/model_space.h"

#include <cmath>
#include <vector>

namespace {

struct SampleNode {
    const wchar_t* name;
    double x, y, elevation;  // m
    double demand;           // m3/s
    const wchar_t* note;
};

struct SampleBranch {
    int start, end;  // positions in kNodes
    std::vector<AcGePoint3d> bends;
    double diameter;  // m
    double csi;
    bool excluded;
    const wchar_t* note;
};

const SampleNode kNodes[] = {
    {L"N1", 0.0, 0.0, 62.0, 0.0, L"Partitore"},
    {L"N2", 320.0, 10.0, 48.5, 0.004, L""},
    {L"N3", 640.0, 0.0, 45.0, 0.006, L"Scuola"},
    {L"N4", 330.0, 260.0, 50.2, 0.005, L""},
    {L"N5", 650.0, 250.0, 47.0, 0.007, L"Piazza"},
    {L"N6", 930.0, 120.0, 44.0, 0.003, L""},
};

const SampleBranch kBranches[] = {
    {0, 1, {{150.0, -45.0, 0.0}}, 0.25, 1.5, false, L"Adduttrice"},
    {1, 2, {}, 0.2, 0.0, false, L""},
    {1, 3, {}, 0.15, 0.0, false, L""},
    {2, 4, {}, 0.15, 0.0, false, L""},
    {3, 4, {{490.0, 290.0, 0.0}}, 0.15, 0.5, false, L"Via Roma"},
    {2, 5, {}, 0.125, 0.0, false, L""},
    {4, 5, {}, 0.1, 0.0, true, L"Chiusa"},
};

constexpr double kTankHead = 95.0;  // m

AcGePoint3d positionOf(const SampleNode& node) { return {node.x, node.y, node.elevation}; }

// The points of a branch: its nodes' positions at the ends, its bends at the start's elevation.
std::vector<AcGePoint3d> branchPoints(const SampleBranch& branch) {
    std::vector<AcGePoint3d> points{positionOf(kNodes[branch.start])};
    for (AcGePoint3d bend : branch.bends) {
        bend.z = kNodes[branch.start].elevation;
        points.push_back(bend);
    }
    points.push_back(positionOf(kNodes[branch.end]));
    return points;
}

// The planar length of the branch, rounded to the drawing's precision.
double branchLength(const std::vector<AcGePoint3d>& points, int precision) {
    double length = 0.0;
    for (std::size_t i = 1; i < points.size(); ++i) {
        length += std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
    }
    return RoundToDecimals(length, precision);
}

Acad::ErrorStatus drawNodes(AcDbDatabase& database, const std::wstring& layer) {
    AcDbObjectId nodeBlock, tankBlock;
    if (!EnsureSchemaBlock(&database, kNodeBlock, nodeBlock) || !EnsureSchemaBlock(&database, kTankBlock, tankBlock)) {
        return Acad::eInvalidInput;
    }
    for (const SampleNode& node : kNodes) {
        AcDbObjectId id;
        const Acad::ErrorStatus status = AppendSchemaReference(
            &database, kNodeBlock, nodeBlock, positionOf(node), 0.0, layer,
            {{rvnschema::kNodeSymbolTag, L"A"}, {rvnschema::kNodeNameTag, node.name},
             {rvnschema::kNodeDemandTag, FormatDrawingReal(node.demand)},
             {rvnschema::kNodeElevationTag, FormatDrawingReal(node.elevation)}, {rvnschema::kNodeNoteTag, node.note}},
            id);
        if (status != Acad::eOk) return status;
    }
    AcDbObjectId id;
    return AppendSchemaReference(&database, kTankBlock, tankBlock, positionOf(kNodes[0]), 0.0, layer,
                                 {{rvnschema::kTankSymbolTag, L"D"}, {rvnschema::kTankHeadTag, FormatDrawingReal(kTankHead)},
                                  {rvnschema::kTankNoteTag, L"Serbatoio alto"}},
                                 id);
}

Acad::ErrorStatus drawBranches(AcDbDatabase& database, const std::wstring& layer, double roughness) {
    AcDbObjectId networkLayer, offLayer;
    Acad::ErrorStatus status = GetOrCreateLayer(&database, layer, networkLayer);
    if (status == Acad::eOk) status = GetOrCreateOffLayer(&database, OffLayerName(layer), offLayer);
    for (const SampleBranch& branch : kBranches) {
        if (status != Acad::eOk) return status;
        const std::vector<AcGePoint3d> points = branchPoints(branch);
        const TzRvnBranchData data{branchLength(points, database.luprec()), branch.diameter, roughness, branch.csi,
                                   branch.note};
        AcDbObjectId id;
        status = AppendBranchPolyline(&database, points, branch.excluded ? offLayer : networkLayer, data, id);
    }
    return status;
}

Acad::ErrorStatus addNetwork(AcDbDatabase& database, const std::wstring& layer, const TzRvnSettings& settings) {
    AcDbObjectId id, modelSpace;
    Acad::ErrorStatus status = CreateNetwork(&database, kSampleNetworkName, true, id);
    if (status == Acad::eOk) status = ModelSpaceId(&database, modelSpace);
    if (status != Acad::eOk) return status;
    TzRvnOpenObject<TzRvnNetwork> network(id, AcDb::kForWrite);
    if (!network.isOpen()) return network.status();
    status = network->setSettings(settings);
    if (status != Acad::eOk) return status;
    return ReadNetworkFromSchema(*network, &database, modelSpace, layer) ? Acad::eOk : Acad::eInvalidInput;
}

}  // namespace

std::wstring DrawSampleSchema(AcDbDatabase& database, const TzRvnSettings& settings) {
    const std::wstring layer = NetworkLayerName(kSampleNetworkName);
    AcDbObjectId layerId;
    if (GetOrCreateLayer(&database, layer, layerId) != Acad::eOk) return L"the network layer cannot be made";
    if (drawNodes(database, layer) != Acad::eOk) return L"the nodes and the tank cannot be drawn";
    if (drawBranches(database, layer, settings.defaultRoughness) != Acad::eOk) return L"the branches cannot be drawn";
    if (addNetwork(database, layer, settings) != Acad::eOk) return L"the network cannot be read from its schema";
    return {};
}

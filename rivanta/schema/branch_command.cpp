#include "schema/branch_command.h"

#include "acedads.h"
#include "dbmain.h"
#include "drawing_view.h"
#include "frame/command_line.h"
#include "frame/doc_state.h"
#include "frame/document_states.h"
#include "host/open_object.h"
#include "schema/branch_building.h"
#include "schema/collect_schema.h"
#include "schema/current_settings.h"
#include "schema/insert_blocks.h"
#include "schema/locate_point.h"
#include "schema/model_space.h"
#include "schema/network_plane.h"
#include "schema/node_elevation.h"
#include "schema/node_names.h"
#include "schema/schema_layers.h"
#include "schema/schema_texts.h"
#include "schema/split_branch.h"
#include "sysvars.h"
#include "ucs.h"

namespace {

constexpr int kAnyTextAccepted = 128;
constexpr int kRubberLineColour = 7;

enum class State { start, second, more, next, end };

struct BranchRun {
    AcDbDatabase* database;
    AcGeMatrix3d ucsToWorld;
    TzRvnDocState& state;
    TzRvnSchemaLists lists;
    std::wstring networkLayer;
    TzRvnSettings settings;
    int keep = 0;
    AcGePoint3d lastPoint = AcGePoint3d::kOrigin;  // UCS: where the next branch starts
};

// A point, asked until it is no text; the rubber line starts at the last point when fromLast.
int askPoint(const BranchRun& run, std::wstring_view prompt, bool fromLast, AcGePoint3d& point) {
    const std::wstring shown(prompt);
    const double baseZ = run.keep != 0 ? LastNodeElevation() : run.lastPoint.z;
    const ads_point base{run.lastPoint.x, run.lastPoint.y, baseZ};
    while (true) {
        acedInitGet(kAnyTextAccepted, nullptr);
        ads_point picked{};
        const int result = acedGetPoint(fromLast ? base : nullptr, shown.c_str(), picked);
        if (result != RTKWORD) {
            point = AcGePoint3d(picked[0], picked[1], picked[2]);
            return result;
        }
        PrintMessage(rvntext::kPointInvalid);
    }
}

AcDbObjectId layerOf(AcDbObjectId entityId) {
    TzRvnOpenObject<AcDbEntity> entity(entityId, AcDb::kForRead);
    return entity.isOpen() ? entity->layerId() : AcDbObjectId();
}

AcDbObjectId layerOfLocated(const BranchRun& run, const TzRvnLocatedPoint& located) {
    const auto index = static_cast<std::size_t>(located.index);
    return layerOf(located.kind == TzRvnPointKind::node ? run.lists.nodes[index].id : run.lists.branches[index]);
}

bool adoptNetwork(BranchRun& run, AcDbObjectId layerId) {
    run.networkLayer = LayerName(layerId);
    return run.state.setCurrentLayer(run.networkLayer) && RefreshNodeNames(run.state, run.lists, layerId) &&
           LoadCurrentSettings(run.database, run.networkLayer, run.settings);
}

// An element of another network is refused (said); the prompt is then asked again.
bool ofThisNetwork(const BranchRun& run, const TzRvnLocatedPoint& located) {
    if (LayerName(layerOfLocated(run, located)) == run.networkLayer) return true;
    PrintMessage(located.kind == TzRvnPointKind::node ? rvntext::kNodeOfOtherNetwork : rvntext::kBranchOfOtherNetwork);
    return false;
}

bool insertNode(BranchRun& run, const AcGePoint3d& point, bool elevationLocked) {
    return InsertNodeBlock(point, run.ucsToWorld, run.database, run.networkLayer, run.settings, run.lists.nodes,
                           run.state, elevationLocked);
}

bool split(BranchRun& run, const AcGePoint3d& point, const TzRvnLocatedPoint& located) {
    if (SplitBranchAtNode(point, run.ucsToWorld, located, run.database, run.lists.branches)) return true;
    EraseLastNode(run.lists.nodes, run.state);
    return false;
}

State closeOnNode(BranchRun& run, const AcGePoint3d& nodePoint) {
    if (!AppendBranchVertex(nodePoint, run.ucsToWorld, run.lists.branches, false)) return State::end;
    RedrawBranch(run.lists.branches);
    if (!AttachBranchData(nodePoint, run.ucsToWorld, run.settings, run.lists.branches.back())) {
        EraseLastBranch(run.lists.branches);
        acedRedraw(nullptr, 0);
        return State::end;
    }
    run.lastPoint = nodePoint;
    SetLastNodeElevation(nodePoint.z);
    return State::next;
}

// The branch being drawn ends on another branch, which a new node splits there.
State endOnBranch(BranchRun& run, const AcGePoint3d& point, const TzRvnLocatedPoint& located) {
    if (!AppendBranchVertex(point, run.ucsToWorld, run.lists.branches, false)) return State::end;
    if (!insertNode(run, point, true)) return EraseLastBranch(run.lists.branches), State::end;
    if (!AttachBranchData(point, run.ucsToWorld, run.settings, run.lists.branches.back())) {
        EraseLastNode(run.lists.nodes, run.state);
        EraseLastBranch(run.lists.branches);
        return State::end;
    }
    if (!split(run, point, located)) return State::end;
    run.lastPoint = point;
    return State::next;
}

State start(BranchRun& run) {
    int keep = 0;
    acedInitGet(kAnyTextAccepted, nullptr);
    const std::wstring keepPrompt(rvntext::kKeepElevationPrompt);
    const int answer = acedGetInt(keepPrompt.c_str(), &keep);
    if (answer == RTCAN) return State::end;
    run.keep = answer == RTNORM ? keep : 0;
    AcGePoint3d point;
    if (askPoint(run, rvntext::kBranchStartPrompt, false, point) != RTNORM) return State::end;
    TzRvnLocatedPoint located;
    if (!LocatePoint(point, run.ucsToWorld, run.lists, located)) return State::end;
    if (located.kind == TzRvnPointKind::node) {
        if (!adoptNetwork(run, layerOfLocated(run, located))) return State::end;
        point = located.point;
        SetLastNodeElevation(point.z);
    } else if (located.kind == TzRvnPointKind::branch) {
        if (!adoptNetwork(run, layerOfLocated(run, located)) || !insertNode(run, point, false)) return State::end;
        if (!split(run, point, located)) return State::end;
    } else {
        std::wstring layerName;
        AcDbObjectId layerId;
        if (!AskNetworkPlane(run.database, run.state, layerName, layerId) || !adoptNetwork(run, layerId)) return State::end;
        if (!insertNode(run, point, false)) return State::end;
    }
    if (!StartBranch(point, run.ucsToWorld, run.database, run.networkLayer, run.lists.branches)) return State::end;
    run.lastPoint = point;
    return State::second;
}

// A point after the first of a branch: on a node or a branch of the network it ends the branch;
// on free ground it becomes a vertex.
State continueBranch(BranchRun& run, const AcGePoint3d& point, State stay) {
    TzRvnLocatedPoint located;
    if (!LocatePoint(point, run.ucsToWorld, run.lists, located)) return State::end;
    if (located.kind == TzRvnPointKind::free) {
        if (!AppendBranchVertex(point, run.ucsToWorld, run.lists.branches, run.keep != 0)) return State::end;
        run.lastPoint = point;
        return State::more;
    }
    if (!ofThisNetwork(run, located)) return stay;
    return located.kind == TzRvnPointKind::node ? closeOnNode(run, located.point) : endOnBranch(run, point, located);
}

State second(BranchRun& run) {
    AcGePoint3d point;
    const int result = askPoint(run, rvntext::kBranchPointPrompt, true, point);
    if (result == RTNONE) return PrintMessage(rvntext::kOneMorePoint), State::second;
    if (result != RTNORM) return EraseLastBranch(run.lists.branches), State::end;
    return continueBranch(run, point, State::second);
}

// Return ends the branch in a new node at its last vertex, lifted or lowered to the node's elevation.
State closeAtLastPoint(BranchRun& run) {
    if (!insertNode(run, run.lastPoint, false)) return EraseLastBranch(run.lists.branches), State::end;
    SetLastVertexElevation(run.lists.branches);
    if (!AttachBranchData(run.lastPoint, run.ucsToWorld, run.settings, run.lists.branches.back())) {
        EraseLastNode(run.lists.nodes, run.state);
        EraseLastBranch(run.lists.branches);
        return State::end;
    }
    run.lastPoint.z = LastNodeElevation();
    return State::next;
}

State more(BranchRun& run) {
    AcGePoint3d point;
    const int result = askPoint(run, rvntext::kBranchMorePrompt, true, point);
    if (result == RTNONE) return closeAtLastPoint(run);
    if (result != RTNORM) return EraseLastBranch(run.lists.branches), State::end;
    return continueBranch(run, point, State::more);
}

// A new branch from the last node to a point on another branch, which a new node splits there.
State branchToBranch(BranchRun& run, const AcGePoint3d& point, const TzRvnLocatedPoint& located) {
    const ads_point from{run.lastPoint.x, run.lastPoint.y, run.lastPoint.z};
    const ads_point to{point.x, point.y, point.z};
    acedGrDraw(from, to, kRubberLineColour, 0);
    if (!insertNode(run, point, true) || !split(run, point, located)) return State::end;
    SetLastNodeElevation(run.lastPoint.z);
    if (!StartBranch(run.lastPoint, run.ucsToWorld, run.database, run.networkLayer, run.lists.branches)) return State::end;
    if (!AppendBranchVertex(point, run.ucsToWorld, run.lists.branches, false)) return State::end;
    if (!AttachBranchData(point, run.ucsToWorld, run.settings, run.lists.branches.back())) {
        return EraseLastBranch(run.lists.branches), State::end;
    }
    run.lastPoint = point;
    SetLastNodeElevation(point.z);
    acedRedraw(nullptr, 0);
    return State::next;
}

State next(BranchRun& run) {
    AcGePoint3d point;
    if (askPoint(run, rvntext::kBranchNextPrompt, true, point) != RTNORM) return State::end;
    TzRvnLocatedPoint located;
    if (!LocatePoint(point, run.ucsToWorld, run.lists, located)) return State::end;
    if (located.kind != TzRvnPointKind::free && !ofThisNetwork(run, located)) return State::next;
    if (located.kind == TzRvnPointKind::branch) return branchToBranch(run, point, located);
    if (!StartBranch(run.lastPoint, run.ucsToWorld, run.database, run.networkLayer, run.lists.branches)) return State::end;
    if (located.kind == TzRvnPointKind::node) return closeOnNode(run, located.point);
    if (!AppendBranchVertex(point, run.ucsToWorld, run.lists.branches, run.keep != 0)) return State::end;
    run.lastPoint = point;
    return State::more;
}

}  // namespace

void DrawBranches() {
    AcDbDatabase* database = rvnhost::workingDatabase();
    TzRvnDocState* state = currentDocState();
    if (database == nullptr || state == nullptr) return;
    BranchRun run{database, AcGeMatrix3d(), *state, {}, {}, {}};
    if (!StartSchemaCommand(database, run.ucsToWorld, run.lists)) return;
    State current = State::start;
    while (current != State::end) {
        switch (current) {
            case State::start: current = start(run); break;
            case State::second: current = second(run); break;
            case State::more: current = more(run); break;
            case State::next: current = next(run); break;
            case State::end: break;
        }
    }
}

#include "schema/node_command.h"

#include "acedads.h"
#include "frame/translation.h"
#include "dbblkref.h"
#include "frame/doc_state.h"
#include "frame/document_states.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "schema/collect_schema.h"
#include "schema/current_settings.h"
#include "schema/insert_blocks.h"
#include "schema/locate_point.h"
#include "schema/model_space.h"
#include "schema/network_plane.h"
#include "schema/node_names.h"
#include "schema/schema_layers.h"
#include "schema/schema_texts.h"
#include "schema/split_branch.h"
#include "sysvars.h"
#include "ucs.h"

namespace {

constexpr int kAnyTextAccepted = 128;

// What one run of the command works on.
struct NodeRun {
    AcDbDatabase* database;
    AcGeMatrix3d ucsToWorld;
    TzRvnDocState& state;
    TzRvnSchemaLists lists;
    std::wstring networkLayer;
    TzRvnSettings settings;
    bool started = false;
};

AcDbObjectId layerOf(AcDbObjectId entityId) {
    TzRvnOpenObject<AcDbEntity> entity(entityId, AcDb::kForRead);
    return entity.isOpen() ? entity->layerId() : AcDbObjectId();
}

// The run's network becomes the layer's: its node names refreshed, its settings loaded.
bool adoptNetwork(NodeRun& run, AcDbObjectId layerId) {
    run.networkLayer = LayerName(layerId);
    if (!run.state.setCurrentLayer(run.networkLayer)) return false;
    if (!RefreshNodeNames(run.state, run.lists, layerId)) return false;
    if (!LoadCurrentSettings(run.database, run.networkLayer, run.settings)) return false;
    run.started = true;
    return true;
}

bool insertNode(NodeRun& run, const AcGePoint3d& point) {
    return InsertNodeBlock(point, run.ucsToWorld, run.database, run.networkLayer, run.settings, run.lists.nodes,
                           run.state, false);
}

enum class Step { next, again, end };

Step onBranch(NodeRun& run, const AcGePoint3d& point, const TzRvnLocatedPoint& located) {
    const AcDbObjectId layerId = layerOf(run.lists.branches[static_cast<std::size_t>(located.index)]);
    if (!run.started) {
        if (!adoptNetwork(run, layerId)) return Step::end;
    } else if (LayerName(layerId) != run.networkLayer) {
        PrintMessage(rvntext::kBranchOfAnotherNetwork);
        PrintMessage(FormatTranslated(rvntext::kNetworkLayerNamed, {run.networkLayer}));
        return Step::again;
    }
    if (!insertNode(run, point)) return Step::end;
    if (SplitBranchAtNode(point, run.ucsToWorld, located, run.database, run.lists.branches)) return Step::next;
    EraseLastNode(run.lists.nodes, run.state);
    return Step::end;
}

Step onFreeGround(NodeRun& run, const AcGePoint3d& point) {
    if (!run.started) {
        std::wstring layerName;
        AcDbObjectId layerId;
        if (!AskNetworkPlane(run.database, run.state, layerName, layerId) || !adoptNetwork(run, layerId)) return Step::end;
    }
    return insertNode(run, point) ? Step::next : Step::end;
}

Step placeAt(NodeRun& run, const AcGePoint3d& point) {
    TzRvnLocatedPoint located;
    if (!LocatePoint(point, run.ucsToWorld, run.lists, located)) return Step::end;
    if (located.kind == TzRvnPointKind::node) {
        PrintMessage(rvntext::kPointOnNode);
        return Step::again;
    }
    return located.kind == TzRvnPointKind::branch ? onBranch(run, point, located) : onFreeGround(run, point);
}

}  // namespace

void PlaceNodes() {
    AcDbDatabase* database = rvnhost::workingDatabase();
    TzRvnDocState* state = currentDocState();
    if (database == nullptr || state == nullptr) return;
    NodeRun run{database, AcGeMatrix3d(), *state, {}, {}, {}};
    if (!StartSchemaCommand(database, run.ucsToWorld, run.lists)) return;
    const std::wstring prompt(rvntext::kPointPrompt);
    while (true) {
        acedInitGet(kAnyTextAccepted, nullptr);
        ads_point picked{};
        const int result = acedGetPoint(nullptr, prompt.c_str(), picked);
        if (result == RTKWORD) {
            PrintMessage(rvntext::kPointInvalid);
            continue;
        }
        if (result != RTNORM) return;
        if (placeAt(run, AcGePoint3d(picked[0], picked[1], picked[2])) == Step::end) return;
    }
}

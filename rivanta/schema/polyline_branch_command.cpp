#include "schema/polyline_branch_command.h"

#include "acedads.h"
#include "db3dpl.h"
#include "db_entity_iterator.h"
#include "dbblkref.h"
#include "dbsymtb.h"
#include "drawing_view.h"
#include "frame/command_line.h"
#include "frame/doc_state.h"
#include "frame/document_states.h"
#include "host/open_object.h"
#include "schema/branch_building.h"
#include "schema/branch_data.h"
#include "schema/current_settings.h"
#include "schema/model_space.h"
#include "schema/polyline_run.h"
#include "schema/schema_names.h"
#include "schema/schema_texts.h"
#include "sysvars.h"
#include "ucs.h"

#include <memory>
#include <optional>

namespace {

struct PickedNode {
    AcGePoint3d position;  // WCS
    AcDbObjectId layerId;
};

enum class Pick { picked, again, end };

// The picked entity as a node (a tank stands for its node).
Pick readNode(AcDbObjectId id, PickedNode& node) {
    TzRvnOpenObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (!entity.isOpen()) return PrintMessage(rvntext::kEntityNotReadable), Pick::end;
    const auto* reference = AcDbBlockReference::cast(entity.get());
    if (reference == nullptr) return PrintMessage(rvntext::kEntityInvalid), Pick::again;
    TzRvnOpenObject<AcDbBlockTableRecord> block(reference->blockTableRecord(), AcDb::kForRead);
    std::wstring name;
    if (!block.isOpen() || block->getName(name) != Acad::eOk) return PrintMessage(rvntext::kBlockNotReferenced), Pick::end;
    if (name != rvnschema::kNodeBlockName && name != rvnschema::kTankBlockName) {
        return PrintMessage(rvntext::kBlockNotInNetwork), Pick::end;
    }
    node = {reference->position(), reference->layerId()};
    return Pick::picked;
}

std::optional<PickedNode> pickNode(std::wstring_view prompt, std::wstring_view selected) {
    const std::wstring shown(prompt);
    while (true) {
        ads_name entity{};
        ads_point at{};
        const int result = acedEntSel(shown.c_str(), entity, at);
        if (result == RTCAN) return std::nullopt;
        if (result != RTNORM) {
            PrintMessage(rvntext::kSelectionInvalid);
            continue;
        }
        AcDbObjectId id;
        if (acdbGetObjectId(id, entity) != Acad::eOk) return PrintMessage(rvntext::kNoEntityId), std::nullopt;
        PickedNode node;
        const Pick pick = readNode(id, node);
        if (pick == Pick::end) return std::nullopt;
        if (pick == Pick::picked) return PrintMessage(selected), node;
    }
}

// The picked 3D polyline; nothing (said when it is worth saying) otherwise.
std::optional<AcDbObjectId> pickPolyline() {
    const std::wstring prompt(rvntext::kPolylinePrompt);
    ads_name entity{};
    ads_point at{};
    const int result = acedEntSel(prompt.c_str(), entity, at);
    if (result == RTCAN) return std::nullopt;
    if (result != RTNORM) return PrintMessage(rvntext::kSelectionInvalid), std::nullopt;
    AcDbObjectId id;
    if (acdbGetObjectId(id, entity) != Acad::eOk) return PrintMessage(rvntext::kNoEntityId), std::nullopt;
    TzRvnOpenObject<AcDbEntity> picked(id, AcDb::kForRead);
    if (!picked.isOpen()) return PrintMessage(rvntext::kEntityNotReadable), std::nullopt;
    if (AcDb3dPolyline::cast(picked.get()) == nullptr) return std::nullopt;
    return id;
}

// A simple open polyline through the run's points on the layer, each vertex with its data.
bool makeBranch(AcDbDatabase* database, const std::vector<TzRvnRunPoint>& run, AcDbObjectId layerId, AcDbObjectId& id) {
    if (RegisterApplication(database, rvnschema::kPolylineVertexApplication) != Acad::eOk) return false;
    AcGePoint3dArray points;
    for (const TzRvnRunPoint& point : run) points.append(point.position);
    auto made = std::make_unique<AcDb3dPolyline>(AcDb::k3dSimplePoly, points);
    if (made->setLayer(layerId) != Acad::eOk || AppendToModelSpace(database, made.get(), id) != Acad::eOk) return false;
    TzRvnOpenObject<AcDb3dPolyline> polyline;
    polyline.slot() = made.release();
    const std::unique_ptr<AcDbObjectIterator> vertices(polyline->vertexIterator());
    std::size_t index = 0;
    for (vertices->start(); !vertices->done(); vertices->step(), ++index) {
        AcDb3dPolylineVertex* vertex = nullptr;
        if (polyline->openVertex(vertex, vertices->objectId(), AcDb::kForWrite) != Acad::eOk) return false;
        const Acad::ErrorStatus status = vertex->setXData(run[index].data.get());
        vertex->close();
        if (status != Acad::eOk) return false;
    }
    return true;
}

void eraseMade(AcDbObjectId id) {
    TzRvnOpenObject<AcDbEntity> made(id, AcDb::kForWrite);
    if (made.isOpen()) made->erase();
    acedRedraw(nullptr, 0);
    PrintMessage(rvntext::kBranchNotMade);
}

bool extractRun(AcDbObjectId polylineId, const PickedNode& first, const PickedNode& second, std::vector<TzRvnRunPoint>& run) {
    TzRvnOpenObject<AcDb3dPolyline> polyline(polylineId, AcDb::kForRead);
    if (!polyline.isOpen()) return PrintMessage(rvntext::kPolylineNotOpened), false;
    const TzRvnPolylineRunOutcome outcome = ExtractPolylineRun(*polyline, first.position, second.position, run);
    if (outcome == TzRvnPolylineRunOutcome::vertexNotOpened) PrintMessage(rvntext::kVertexNotOpened);
    if (outcome == TzRvnPolylineRunOutcome::notOnPolyline) PrintMessage(rvntext::kNodesNotOnPolyline);
    return outcome == TzRvnPolylineRunOutcome::found;
}

}  // namespace

void BranchFromPolyline() {
    AcDbDatabase* database = rvnhost::workingDatabase();
    TzRvnDocState* state = currentDocState();
    if (database == nullptr || state == nullptr) return;
    state->clearNodeNames();
    const std::optional<PickedNode> first = pickNode(rvntext::kFirstNodePrompt, rvntext::kFirstNodeSelected);
    if (!first) return;
    const std::optional<PickedNode> second = pickNode(rvntext::kSecondNodePrompt, rvntext::kSecondNodeSelected);
    if (!second) return;
    if (first->position.isEqualTo(second->position)) return PrintMessage(rvntext::kNodesCoincide);
    const std::optional<AcDbObjectId> polyline = pickPolyline();
    std::vector<TzRvnRunPoint> run;
    if (!polyline || !extractRun(*polyline, *first, *second, run)) return;
    TzRvnSettings settings;
    if (!LoadCurrentSettings(database, state->currentLayer(), settings)) return PrintMessage(rvntext::kSetupNotLoaded);
    AcDbObjectId made;
    AcGeMatrix3d ucsToWorld;
    if (!makeBranch(database, run, first->layerId, made) || !acdbUcsMatrix(ucsToWorld, database) ||
        !AttachBranchData(ucsToWorld.inverse() * run.back().position, ucsToWorld, settings, made)) {
        eraseMade(made);
    }
}

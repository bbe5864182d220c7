#include "schema/modify_command.h"

#include "acedads.h"
#include "db3dpl.h"
#include "dbblkref.h"
#include "dbsymtb.h"
#include "drawing_view.h"
#include "frame/doc_state.h"
#include "frame/document_states.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "schema/branch_data.h"
#include "schema/current_settings.h"
#include "schema/modify_elements.h"
#include "schema/schema_layers.h"
#include "schema/schema_names.h"
#include "schema/schema_texts.h"
#include "sysvars.h"
#include "ucs.h"

namespace {

enum class Kind { node, tank, branch, again, end };

// What the picked entity is; again (said) when it is no element and another pick is wanted, end
// (said) when it cannot be read.
Kind kindOfBlock(const AcDbBlockReference& reference) {
    TzRvnOpenObject<AcDbBlockTableRecord> block(reference.blockTableRecord(), AcDb::kForRead);
    std::wstring name;
    if (!block.isOpen() || block->getName(name) != Acad::eOk) return PrintMessage(rvntext::kBlockNotReferenced), Kind::end;
    if (name == rvnschema::kNodeBlockName) return Kind::node;
    if (name == rvnschema::kTankBlockName) return Kind::tank;
    PrintMessage(rvntext::kBlockNotInNetwork);
    return Kind::again;
}

Kind kindOfCurve(const AcDbEntity& entity) {
    const auto* polyline = AcDb3dPolyline::cast(&entity);
    if (polyline == nullptr || entity.isA() != AcDb3dPolyline::desc()) {
        return PrintMessage(rvntext::kBlockOrPolylineWanted), Kind::again;
    }
    if (polyline->isClosed()) return PrintMessage(rvntext::kPolylineMustBeOpen), Kind::again;
    if (polyline->polyType() != AcDb::k3dSimplePoly) return PrintMessage(rvntext::kPolylineMustBeSimple), Kind::again;
    if (!HasBranchData(*polyline)) return PrintMessage(rvntext::kPolylineNotInNetwork), Kind::again;
    return Kind::branch;
}

// The entity's network layer becomes the current one; false (said) when it is not a network's.
bool takeNetworkLayer(const AcDbEntity& entity, TzRvnDocState& state, std::wstring& layerName) {
    TzRvnOpenObject<AcDbLayerTableRecord> layer(entity.layerId(), AcDb::kForRead);
    if (!layer.isOpen()) return PrintMessage(rvntext::kEntityLayerNotRead), false;
    if (layer->getName(layerName) != Acad::eOk) return PrintMessage(rvntext::kNetworkLayerNameNotRead), false;
    if (!IsNetworkLayerName(layerName)) return PrintMessage(rvntext::kNetworkLayerInvalid), false;
    return state.setCurrentLayer(layerName);
}

struct Picked {
    Kind kind = Kind::end;
    AcDbObjectId id;
    std::wstring layerName;
    AcGePoint3d dialogPoint;  // WCS
};

Picked classify(AcDbObjectId id, const AcGePoint3d& worldPick, TzRvnDocState& state) {
    TzRvnOpenObject<AcDbEntity> entity(id, AcDb::kForRead);
    if (!entity.isOpen()) return PrintMessage(rvntext::kEntityNotReadable), Picked{};
    Picked picked{Kind::end, id, {}, worldPick};
    if (!takeNetworkLayer(*entity, state, picked.layerName)) return picked;
    if (const auto* reference = AcDbBlockReference::cast(entity.get())) {
        picked.kind = kindOfBlock(*reference);
        picked.dialogPoint = reference->position();
        return picked;
    }
    picked.kind = kindOfCurve(*entity);
    return picked;
}

// Picks until an element of a network is picked; kind end when the command is to stop.
Picked pickElement(const AcGeMatrix3d& ucsToWorld, TzRvnDocState& state) {
    const std::wstring prompt(rvntext::kSelectElementPrompt);
    while (true) {
        ads_name entity{};
        ads_point at{};
        const int result = acedEntSel(prompt.c_str(), entity, at);
        if (result == RTCAN) return Picked{};
        if (result != RTNORM) {
            PrintMessage(rvntext::kSelectionInvalid);
            continue;
        }
        AcDbObjectId id;
        if (acdbGetObjectId(id, entity) != Acad::eOk) return PrintMessage(rvntext::kNoEntityId), Picked{};
        const Picked picked = classify(id, ucsToWorld * AcGePoint3d(at[0], at[1], at[2]), state);
        if (picked.kind != Kind::again) return picked;
    }
}

}  // namespace

void ModifyElement() {
    AcDbDatabase* database = rvnhost::workingDatabase();
    TzRvnDocState* state = currentDocState();
    if (database == nullptr || state == nullptr) return;
    AcGeMatrix3d ucsToWorld;
    if (!acdbUcsMatrix(ucsToWorld, database)) return PrintMessage(rvntext::kNoUcsMatrix);
    state->clearNodeNames();
    RegisterSchemaApplication(database);
    const Picked picked = pickElement(ucsToWorld, *state);
    if (picked.kind == Kind::end) return;
    CPoint screen;
    acedCoordFromWorldToPixel(-1, picked.dialogPoint, screen);
    acedGetAcadDwgView()->ClientToScreen(&screen);
    TzRvnEditedElement element{database, picked.id, picked.layerName, {}, screen.x, screen.y};
    if (!LoadCurrentSettings(database, picked.layerName, element.settings)) return PrintMessage(rvntext::kSettingsNotLoaded);
    if (picked.kind == Kind::node) ModifyNode(element);
    if (picked.kind == Kind::tank) ModifyTank(element);
    if (picked.kind == Kind::branch) ModifyBranch(element);
}

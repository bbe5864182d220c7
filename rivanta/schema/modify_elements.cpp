#include "schema/modify_elements.h"

#include "db3dpl.h"
#include "dbblkref.h"
#include "dbsymtb.h"
#include "dialogs/edge_attribute_dialog.h"
#include "dialogs/node_attribute_dialog.h"
#include "dialogs/tank_attribute_dialog.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "network/number_text.h"
#include "network/settings_units.h"
#include "schema/block_attributes.h"
#include "schema/branch_data.h"
#include "schema/collect_schema.h"
#include "schema/model_space.h"
#include "schema/node_elevation.h"
#include "schema/real_text.h"
#include "schema/schema_names.h"
#include "schema/schema_texts.h"

namespace {

constexpr int kModification = 1;

std::vector<TzRvnTaggedText> attributesOf(AcDbObjectId id) {
    std::vector<TzRvnTaggedText> texts;
    TzRvnOpenObject<AcDbBlockReference> reference(id, AcDb::kForRead);
    if (reference.isOpen()) ReadAttributeTexts(*reference, texts);
    return texts;
}

std::wstring textOf(const std::vector<TzRvnTaggedText>& texts, const wchar_t* tag) {
    return FindAttributeText(texts, tag).value_or(L"");
}

bool writeAttributes(AcDbObjectId id, const std::vector<TzRvnTaggedText>& texts) {
    TzRvnOpenObject<AcDbBlockReference> reference(id, AcDb::kForRead);
    return reference.isOpen() && WriteAttributeTexts(*reference, texts) > 0;
}

// The node under a tank: the first node reference of the tank's block, on its layer, at its point.
std::optional<AcDbObjectId> nodeUnder(AcDbObjectId tankId) {
    TzRvnOpenObject<AcDbBlockReference> tank(tankId, AcDb::kForRead);
    if (!tank.isOpen()) return std::nullopt;
    TzRvnOpenObject<AcDbBlockTableRecord> owner(tank->ownerId(), AcDb::kForRead);
    if (!owner.isOpen()) return std::nullopt;
    for (AcDbObjectId id : owner->entityIds()) {
        TzRvnOpenObject<AcDbBlockReference> node(id, AcDb::kForRead);
        if (!node.isOpen() || id.isErased() || node->layerId() != tank->layerId()) continue;
        TzRvnOpenObject<AcDbBlockTableRecord> block(node->blockTableRecord(), AcDb::kForRead);
        std::wstring name;
        if (!block.isOpen() || block->getName(name) != Acad::eOk || name != rvnschema::kNodeBlockName) continue;
        if (node->position().isEqualTo(tank->position())) return id;
    }
    return std::nullopt;
}

bool carryElevation(const TzRvnEditedElement& node) {
    TzRvnSchemaLists lists;
    AcDbObjectId modelSpace;
    if (ModelSpaceId(node.database, modelSpace) != Acad::eOk || !CollectSchema(node.database, modelSpace, lists)) {
        PrintMessage(rvntext::kSchemaNotCollected);
        return false;
    }
    if (ApplyNodeElevation(node.database, node.networkLayer, lists.branches, node.id,
                           TzRvnElevationMode::rereadCurrentNetwork, nullptr)) {
        return true;
    }
    PrintMessage(rvntext::kVerticesNotMoved);
    return false;
}

}  // namespace

bool ModifyNode(const TzRvnEditedElement& node) {
    const std::vector<TzRvnTaggedText> texts = attributesOf(node.id);
    const double flowFactor = FlowUnitFactor(node.settings.flowUnit);
    TzRvnNodeAttributeDlg dialog(nullptr, kModification, false);
    dialog.symbol = textOf(texts, rvnschema::kNodeSymbolTag);
    dialog.name = textOf(texts, rvnschema::kNodeNameTag);
    dialog.flow = LeadingDouble(textOf(texts, rvnschema::kNodeDemandTag)) / flowFactor;
    dialog.elevation = LeadingDouble(textOf(texts, rvnschema::kNodeElevationTag));
    dialog.description = textOf(texts, rvnschema::kNodeNoteTag);
    dialog.SetPosition(node.screenX, node.screenY);
    if (dialog.DoModal() != IDOK) return false;
    writeAttributes(node.id, {{rvnschema::kNodeSymbolTag, dialog.symbol},
                              {rvnschema::kNodeNameTag, dialog.name},
                              {rvnschema::kNodeDemandTag, FormatDrawingReal(dialog.flow * flowFactor)},
                              {rvnschema::kNodeElevationTag, FormatDrawingReal(dialog.elevation)},
                              {rvnschema::kNodeNoteTag, dialog.description}});
    SetLastNodeElevation(dialog.elevation);
    return carryElevation(node);
}

bool ModifyTank(const TzRvnEditedElement& tank) {
    std::wstring nodeName;
    if (const std::optional<AcDbObjectId> node = nodeUnder(tank.id)) {
        const std::optional<std::wstring> name = FindAttributeText(attributesOf(*node), rvnschema::kNodeNameTag);
        if (!name) return false;
        nodeName = *name;
    }
    const std::vector<TzRvnTaggedText> texts = attributesOf(tank.id);
    TzRvnTankAttributeDlg dialog(nullptr, kModification);
    dialog.nodeName = nodeName;
    dialog.symbol = textOf(texts, rvnschema::kTankSymbolTag);
    dialog.head = LeadingDouble(textOf(texts, rvnschema::kTankHeadTag));
    dialog.description = textOf(texts, rvnschema::kTankNoteTag);
    dialog.SetPosition(tank.screenX, tank.screenY);
    if (dialog.DoModal() != IDOK) return false;
    return writeAttributes(tank.id, {{rvnschema::kTankSymbolTag, dialog.symbol},
                                     {rvnschema::kTankHeadTag, FormatDrawingReal(dialog.head)},
                                     {rvnschema::kTankNoteTag, dialog.description}});
}

bool ModifyBranch(const TzRvnEditedElement& branch) {
    TzRvnBranchData data;
    {
        TzRvnOpenObject<AcDb3dPolyline> polyline(branch.id, AcDb::kForRead);
        if (!polyline.isOpen() || !ReadBranchData(*polyline, data)) return false;
    }
    const double diameterFactor = DiameterUnitFactor(branch.settings.diameterUnit);
    const double roughnessFactor = RoughnessUnitFactor(branch.settings.roughnessUnit);
    TzRvnEdgeAttributeDlg dialog(nullptr, kModification);
    dialog.length = data.length;
    dialog.diameter = data.diameter / diameterFactor;
    dialog.roughness = data.roughness / roughnessFactor;
    dialog.csi = data.csi;
    dialog.description = data.note;
    dialog.SetPosition(branch.screenX, branch.screenY);
    if (dialog.DoModal() != IDOK) return false;
    data = {dialog.length, dialog.diameter * diameterFactor, dialog.roughness * roughnessFactor, dialog.csi,
            dialog.description};
    TzRvnOpenObject<AcDb3dPolyline> polyline(branch.id, AcDb::kForWrite);
    return polyline.isOpen() && WriteBranchData(*polyline, data) == Acad::eOk;
}

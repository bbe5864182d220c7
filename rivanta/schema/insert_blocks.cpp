#include "schema/insert_blocks.h"

#include "acedads.h"
#include "frame/translation.h"
#include "dialogs/node_attribute_dialog.h"
#include "dialogs/tank_attribute_dialog.h"
#include "drawing_view.h"
#include "frame/doc_state.h"
#include "dbblkref.h"
#include "frame/command_line.h"
#include "host/open_object.h"
#include "schema/block_attributes.h"
#include "network/settings_units.h"
#include "schema/node_elevation.h"
#include "schema/real_text.h"
#include "schema/schema_blocks.h"
#include "schema/schema_entities.h"
#include "schema/schema_layers.h"
#include "schema/schema_names.h"
#include "schema/schema_texts.h"
#include "zaf_acad_mgr.h"

#include <cmath>
#include <numbers>

namespace {

constexpr int kAnyTextAccepted = 128;
constexpr int kDegrees = 0;
constexpr int kInsertion = 0;

// The angle from the WCS X axis, seen in the UCS, to the direction, counter-clockwise.
double angleOfDirection(const AcGeVector3d& direction, const AcGeMatrix3d& ucsToWorld) {
    const AcGeVector3d xAxis = ucsToWorld.inverse() * AcGeVector3d(1.0, 0.0, 0.0);
    const double unsigned_ = xAxis.angleTo(direction);
    return xAxis.crossProduct(direction).z < 0.0 ? 2.0 * std::numbers::pi - unsigned_ : unsigned_;
}

// The screen position of a WCS point, where an element's dialog opens.
CPoint screenPosition(const AcGePoint3d& worldPoint) {
    CPoint pixel;
    acedCoordFromWorldToPixel(-1, worldPoint, pixel);
    acedGetAcadDwgView()->ClientToScreen(&pixel);
    return pixel;
}

bool networkLayerUsable(AcDbDatabase* database, std::wstring_view networkLayer, std::wstring_view refusal) {
    AcDbObjectId layerId;
    if (FindLayer(database, networkLayer, layerId) == Acad::eOk) return true;
    PrintMessage(refusal);
    return false;
}

}  // namespace

bool AskBlockAngle(const AcGePoint3d& ucsPoint, const AcGeMatrix3d& ucsToWorld, std::wstring_view prompt, double& angle) {
    const ads_point base{ucsPoint.x, ucsPoint.y, ucsPoint.z};
    const std::wstring shown(prompt);
    while (true) {
        acedInitGet(kAnyTextAccepted, nullptr);
        ads_point picked{};
        const int result = acedGetPoint(base, shown.c_str(), picked);
        if (result == RTNONE) return angle = 0.0, true;
        if (result == RTNORM) {
            angle = angleOfDirection(AcGePoint3d(picked[0], picked[1], picked[2]) - ucsPoint, ucsToWorld);
            return true;
        }
        if (result != RTKWORD) return false;
        wchar_t typed[ZafAcadMgr::kBufferLength] = {};
        const int read = ZafAcadMgr::zaf_acedGetInput(typed);
        if (read != RTNORM) {
            PrintMessage(FormatTranslated(rvntext::kPromptNotRead, {read}));
            return false;
        }
        if (acdbAngToF(typed, kDegrees, &angle) == RTNORM) return true;
        PrintMessage(rvntext::kTypedTextWrong);
    }
}

bool InsertNodeBlock(const AcGePoint3d& ucsPoint, const AcGeMatrix3d& ucsToWorld, AcDbDatabase* database,
                     std::wstring_view networkLayer, const TzRvnSettings& settings,
                     std::vector<TzRvnSchemaNode>& nodes, TzRvnDocState& state, bool elevationLocked) {
    AcDbObjectId blockId;
    if (!EnsureSchemaBlock(database, kNodeBlock, blockId)) return false;
    double angle = 0.0;
    if (!AskBlockAngle(ucsPoint, ucsToWorld, rvntext::kNodeAnglePrompt, angle)) return false;
    const AcGePoint3d world = ucsToWorld * ucsPoint;
    TzRvnNodeAttributeDlg dialog(nullptr, kInsertion, elevationLocked);
    dialog.symbol = L"A";
    dialog.name = L"-";
    dialog.elevation = ucsPoint.z;
    const CPoint at = screenPosition(world);
    dialog.SetPosition(at.x, at.y);
    if (dialog.DoModal() != IDOK) return false;
    if (!networkLayerUsable(database, networkLayer, rvntext::kNodeLayerRefused)) return false;
    const AcGePoint3d position(world.x, world.y, dialog.elevation);
    AcDbObjectId referenceId;
    const std::vector<TzRvnTaggedText> texts{
        {rvnschema::kNodeSymbolTag, dialog.symbol},
        {rvnschema::kNodeNameTag, dialog.name},
        {rvnschema::kNodeDemandTag, FormatDrawingReal(dialog.flow * FlowUnitFactor(settings.flowUnit))},
        {rvnschema::kNodeElevationTag, FormatDrawingReal(dialog.elevation)},
        {rvnschema::kNodeNoteTag, dialog.description}};
    if (AppendSchemaReference(database, kNodeBlock, blockId, position, angle, networkLayer, texts, referenceId) !=
        Acad::eOk) {
        return false;
    }
    nodes.push_back({referenceId, position});
    state.addNodeName(dialog.name);
    SetLastNodeElevation(dialog.elevation);
    return true;
}

bool InsertTankBlock(const AcGePoint3d& nodePosition, const AcGeMatrix3d& ucsToWorld, std::wstring_view nodeName,
                     AcDbDatabase* database, std::wstring_view networkLayer) {
    AcDbObjectId blockId;
    if (!EnsureSchemaBlock(database, kTankBlock, blockId)) return false;
    double angle = 0.0;
    if (!AskBlockAngle(ucsToWorld.inverse() * nodePosition, ucsToWorld, rvntext::kTankAnglePrompt, angle)) return false;
    TzRvnTankAttributeDlg dialog(nullptr, kInsertion);
    dialog.nodeName = nodeName;
    dialog.symbol = L"D";
    dialog.head = 1.0;
    const CPoint at = screenPosition(nodePosition);
    dialog.SetPosition(at.x, at.y);
    if (dialog.DoModal() != IDOK) return false;
    if (!networkLayerUsable(database, networkLayer, rvntext::kTankLayerRefused)) return false;
    AcDbObjectId referenceId;
    const std::vector<TzRvnTaggedText> texts{{rvnschema::kTankSymbolTag, dialog.symbol},
                                             {rvnschema::kTankHeadTag, FormatDrawingReal(dialog.head)},
                                             {rvnschema::kTankNoteTag, dialog.description}};
    return AppendSchemaReference(database, kTankBlock, blockId, nodePosition, angle, networkLayer, texts, referenceId) ==
           Acad::eOk;
}

void EraseLastNode(std::vector<TzRvnSchemaNode>& nodes, TzRvnDocState& state) {
    if (nodes.empty()) return;
    TzRvnOpenObject<AcDbBlockReference> node(nodes.back().id, AcDb::kForWrite);
    std::vector<TzRvnTaggedText> texts;
    if (!node.isOpen() || !ReadAttributeTexts(*node, texts)) return;
    const std::optional<std::wstring> name = FindAttributeText(texts, rvnschema::kNodeNameTag);
    if (!name) return;
    node->erase();
    nodes.pop_back();
    state.removeNodeName(*name);
}

#include "dialogs/edge_grid_dialog.h"

#include "dialogs/grid_texts.h"
#include "netobj/network_object.h"
#include "network/result_colours.h"
#include "network/settings_units.h"

#include <array>

namespace Text = TzRvnGridText;

namespace {

constexpr std::array<TzRvnGridColumn, 14> kColumns{{
    {Text::kNumber, TzRvnColumnKind::number},
    {Text::kStartNode, TzRvnColumnKind::text, TzRvnUnitTitle::none, true},
    {Text::kEndNode, TzRvnColumnKind::text, TzRvnUnitTitle::none, true},
    {Text::kExcluded, TzRvnColumnKind::text},
    {Text::kLength, TzRvnColumnKind::input, TzRvnUnitTitle::none, true},
    {L"", TzRvnColumnKind::input, TzRvnUnitTitle::diameter},
    {L"", TzRvnColumnKind::input, TzRvnUnitTitle::roughness},
    {Text::kCsi, TzRvnColumnKind::input},
    {Text::kNote, TzRvnColumnKind::text},
    {L"", TzRvnColumnKind::result, TzRvnUnitTitle::edgeFlow},
    {Text::kVelocity, TzRvnColumnKind::result},
    {Text::kReynolds, TzRvnColumnKind::result},
    {L"", TzRvnColumnKind::result, TzRvnUnitTitle::slope},
    {Text::kHeadLoss, TzRvnColumnKind::result},
}};

}  // namespace

TzRvnEdgesDlg::TzRvnEdgesDlg(TzRvnGridOwner& owner)
    : TzRvnElementGridDlg({kTemplate, kGrid, 11, Text::kEdgesNotShown}, kColumns, owner) {}

int TzRvnEdgesDlg::elementCount(const TzRvnNetwork& network) const { return network.numEdges(); }

// The velocity drawn in the low colour below the least allowed, in the high one above the most.
void TzRvnEdgesDlg::writeRow(int row, const TzRvnNetwork& network, int element) {
    const TzRvnEdge edge = network.getEdge(element);
    const TzRvnSettings settings = network.getSettings();
    setText(row, kStartNode, edge.startNode.str());
    setText(row, kEndNode, edge.endNode.str());
    setText(row, kExcluded, edge.excluded == 0 ? std::wstring() : std::to_wstring(edge.excluded));
    setNumber(row, kLength, edge.length);
    setNumber(row, kDiameter, edge.diameter);
    setNumber(row, kRoughness, edge.roughness);
    setNumber(row, kCsi, edge.csi);
    setText(row, kNote, edge.note.text());
    setResult(row, kFlow, edge.flow);
    setResult(row, kVelocity, edge.velocity);
    setResult(row, kReynolds, edge.reynolds);
    setResult(row, kSlope, edge.frictionSlope);
    setResult(row, kHeadLoss, edge.headLoss);
    if (const auto colour = VelocityColour(settings, edge.velocity)) grid().SetItemFgColour(row, kVelocity, *colour);
}

bool TzRvnEdgesDlg::qualifies(int row) const {
    return !isEmpty(row, kStartNode) && !isEmpty(row, kEndNode) && GridInteger(cell(row, kExcluded)) &&
           number(row, kLength) && number(row, kDiameter) && number(row, kRoughness) && number(row, kCsi);
}

bool TzRvnEdgesDlg::lacksRequired(int row) const {
    for (int col : {kStartNode, kEndNode, kLength, kDiameter, kRoughness, kCsi}) {
        if (isEmpty(row, col)) return true;
    }
    return false;
}

void TzRvnEdgesDlg::setCount(TzRvnNetwork& network, int count) const { network.setNumEdges(count); }

bool TzRvnEdgesDlg::storeRow(TzRvnNetwork& network, int row, int element) const {
    TzRvnEdge edge;
    if (!edge.startNode.assign(cell(row, kStartNode)) || !edge.endNode.assign(cell(row, kEndNode))) {
        return refuse(Text::kNameTooLong, row);
    }
    const std::optional<long> excluded = GridInteger(cell(row, kExcluded));
    if (!excluded) return refuse(Text::kEdgeExcludedNotInteger, row);
    const std::optional<double> length = number(row, kLength);
    if (!length) return refuse(Text::kEdgeLengthNotNumber, row);
    if (*length <= 0.0) return refuse(Text::kEdgeLengthNotPositive, row);
    const std::optional<double> diameter = number(row, kDiameter);
    if (!diameter) return refuse(Text::kEdgeDiameterNotNumber, row);
    if (*diameter <= 0.0) return refuse(Text::kEdgeDiameterNotPositive, row);
    const std::optional<double> roughness = number(row, kRoughness);
    if (!roughness) return refuse(Text::kEdgeRoughnessNotNumber, row);
    if (*roughness <= 0.0) return refuse(Text::kEdgeRoughnessNotPositive, row);
    const std::optional<double> csi = number(row, kCsi);
    if (!csi) return refuse(Text::kEdgeCsiNotNumber, row);
    if (*csi < 0.0) return refuse(Text::kEdgeCsiNegative, row);
    edge.excluded = *excluded > 1 ? 1 : (*excluded < 0 ? 0 : static_cast<std::int32_t>(*excluded));
    edge.length = *length;
    edge.diameter = *diameter;
    edge.roughness = *roughness;
    edge.csi = *csi;
    edge.note.set(cell(row, kNote));
    edge.entityId = network.getEdge(element).entityId;
    network.setEdge(element, edge);
    return true;
}

BOOL TzRvnEdgesDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    const auto* notice = reinterpret_cast<const NM_GRIDVIEW*>(lParam);
    const bool leftWithKey = grid().GetEndEditKey() == VK_TAB || grid().GetEndEditKey() == VK_RETURN;
    if (notice == nullptr || notice->hdr.code != GVN_ENDLABELEDIT || notice->iColumn != kDiameter || !leftWithKey) {
        return TzRvnElementGridDlg::OnNotify(wParam, lParam, result);
    }
    if (wantsRoughness(notice->iRow)) proposeRoughness(notice->iRow);
    if (result) *result = 0;
    return TRUE;
}

// Node numbers at both ends, a valid exclusion mark, length and diameter typed, no roughness yet.
bool TzRvnEdgesDlg::wantsRoughness(int row) const {
    const auto nodeNumber = [&](int col) { return !isEmpty(row, col) && GridInteger(cell(row, col)); };
    return nodeNumber(kStartNode) && nodeNumber(kEndNode) && GridInteger(cell(row, kExcluded)) &&
           number(row, kLength) && number(row, kDiameter) && isEmpty(row, kRoughness);
}

void TzRvnEdgesDlg::proposeRoughness(int row) {
    TzRvnSettings settings;
    if (!ReadGridSettings(owner(), settings)) return;
    setNumber(row, kRoughness, settings.defaultRoughness / RoughnessUnitFactor(settings.roughnessUnit));
}

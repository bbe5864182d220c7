#include "dialogs/node_grid_dialog.h"

#include "dialogs/grid_texts.h"
#include "netobj/network_object.h"
#include "network/result_colours.h"

#include <array>

namespace Text = TzRvnGridText;

namespace {

constexpr std::array<TzRvnGridColumn, 7> kColumns{{
    {Text::kNumber, TzRvnColumnKind::number},
    {Text::kNodeName, TzRvnColumnKind::text, TzRvnUnitTitle::none, true},
    {L"", TzRvnColumnKind::input, TzRvnUnitTitle::nodeFlow},
    {Text::kElevation, TzRvnColumnKind::input},
    {Text::kHead, TzRvnColumnKind::result},
    {Text::kPressureHead, TzRvnColumnKind::result},
    {Text::kNote, TzRvnColumnKind::text},
}};

}  // namespace

TzRvnNodesDlg::TzRvnNodesDlg(TzRvnGridOwner& owner)
    : TzRvnElementGridDlg({kTemplate, kGrid, 11, Text::kNodesNotShown}, kColumns, owner) {}

int TzRvnNodesDlg::elementCount(const TzRvnNetwork& network) const { return network.numNodes(); }

// The pressure head drawn in the low colour below the least allowed, in the high one above the most.
void TzRvnNodesDlg::writeRow(int row, const TzRvnNetwork& network, int element) {
    const TzRvnNode node = network.getNode(element);
    const TzRvnSettings settings = network.getSettings();
    setText(row, kName, node.name.str());
    setNumber(row, kDemand, node.demand);
    setNumber(row, kElevation, node.elevation);
    setResult(row, kHead, node.head);
    setResult(row, kPressureHead, node.pressureHead);
    setText(row, kNote, node.note.text());
    if (const auto colour = PressureHeadColour(settings, node.pressureHead)) {
        grid().SetItemFgColour(row, kPressureHead, *colour);
    }
}

bool TzRvnNodesDlg::qualifies(int row) const {
    return !isEmpty(row, kName) && number(row, kDemand) && number(row, kElevation);
}

bool TzRvnNodesDlg::lacksRequired(int row) const {
    return isEmpty(row, kName) || isEmpty(row, kDemand) || isEmpty(row, kElevation);
}

void TzRvnNodesDlg::setCount(TzRvnNetwork& network, int count) const { network.setNumNodes(count); }

bool TzRvnNodesDlg::storeRow(TzRvnNetwork& network, int row, int element) const {
    TzRvnNode node;
    if (!node.name.assign(cell(row, kName))) return refuse(Text::kNameTooLong, row);
    const std::optional<double> demand = number(row, kDemand);
    if (!demand) return refuse(Text::kNodeFlowNotNumber, row);
    const std::optional<double> elevation = number(row, kElevation);
    if (!elevation) return refuse(Text::kNodeElevationNotNumber, row);
    if (*elevation < 0.0) return refuse(Text::kNodeElevationNegative, row);
    node.demand = *demand;
    node.elevation = *elevation;
    node.note.set(cell(row, kNote));
    node.entityId = network.getNode(element).entityId;
    network.setNode(element, node);
    return true;
}

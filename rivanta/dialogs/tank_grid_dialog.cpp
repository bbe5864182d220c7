#include "dialogs/tank_grid_dialog.h"

#include "dialogs/grid_texts.h"
#include "netobj/network_object.h"

#include <array>

namespace Text = TzRvnGridText;

namespace {

constexpr std::array<TzRvnGridColumn, 5> kColumns{{
    {Text::kNumber, TzRvnColumnKind::number},
    {Text::kNodeName, TzRvnColumnKind::text, TzRvnUnitTitle::none, true},
    {Text::kHead, TzRvnColumnKind::input},
    {L"", TzRvnColumnKind::result, TzRvnUnitTitle::nodeFlow},
    {Text::kNote, TzRvnColumnKind::text},
}};

}  // namespace

TzRvnTanksDlg::TzRvnTanksDlg(TzRvnGridOwner& owner)
    : TzRvnElementGridDlg({kTemplate, kGrid, 6, Text::kTanksNotShown}, kColumns, owner) {}

int TzRvnTanksDlg::elementCount(const TzRvnNetwork& network) const { return network.numTanks(); }

int TzRvnTanksDlg::rowCountFor(int count) const { return count < 5 ? 6 : count + 2; }

void TzRvnTanksDlg::writeRow(int row, const TzRvnNetwork& network, int element) {
    const TzRvnTank tank = network.getTank(element);
    setText(row, kNodeName, tank.nodeName.str());
    setNumber(row, kHead, tank.head);
    setResult(row, kFlow, tank.flow);
    setText(row, kNote, tank.note.text());
}

bool TzRvnTanksDlg::qualifies(int row) const { return !isEmpty(row, kNodeName) && number(row, kHead); }

bool TzRvnTanksDlg::lacksRequired(int row) const { return isEmpty(row, kNodeName) || isEmpty(row, kHead); }

void TzRvnTanksDlg::setCount(TzRvnNetwork& network, int count) const { network.setNumTanks(count); }

bool TzRvnTanksDlg::storeRow(TzRvnNetwork& network, int row, int element) const {
    TzRvnTank tank;
    if (!tank.nodeName.assign(cell(row, kNodeName))) return refuse(Text::kNameTooLong, row);
    const std::optional<double> head = number(row, kHead);
    if (!head) return refuse(Text::kTankHeadNotNumber, row);
    if (*head <= 0.0) return refuse(Text::kTankHeadNotPositive, row);
    tank.head = *head;
    tank.note.set(cell(row, kNote));
    tank.entityId = network.getTank(element).entityId;
    network.setTank(element, tank);
    return true;
}

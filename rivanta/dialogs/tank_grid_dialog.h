// The tank grid (TzRvnTanksDlg, template 9062, grid 9040): the node, the head, the flow delivered
// (a result) and the note of each tank.
#pragma once

#include "dialogs/element_grid.h"

class TzRvnTanksDlg : public TzRvnElementGridDlg {
public:
    static constexpr UINT kTemplate = 9062;
    static constexpr UINT kGrid = 9040;
    enum Column { kNumber, kNodeName, kHead, kFlow, kNote };

    explicit TzRvnTanksDlg(TzRvnGridOwner& owner);

protected:
    int elementCount(const TzRvnNetwork& network) const override;
    int rowCountFor(int count) const override;
    void writeRow(int row, const TzRvnNetwork& network, int element) override;
    bool qualifies(int row) const override;
    bool lacksRequired(int row) const override;
    void setCount(TzRvnNetwork& network, int count) const override;
    bool storeRow(TzRvnNetwork& network, int row, int element) const override;
};

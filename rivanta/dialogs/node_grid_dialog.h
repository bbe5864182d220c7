// The node grid (TzRvnNodesDlg, template 9061, grid 9038): name, demand, elevation, the head and
// pressure head results and the note of each node.
#pragma once

#include "dialogs/element_grid.h"

class TzRvnNodesDlg : public TzRvnElementGridDlg {
public:
    static constexpr UINT kTemplate = 9061;
    static constexpr UINT kGrid = 9038;
    enum Column { kNumber, kName, kDemand, kElevation, kHead, kPressureHead, kNote };

    explicit TzRvnNodesDlg(TzRvnGridOwner& owner);

protected:
    int elementCount(const TzRvnNetwork& network) const override;
    void writeRow(int row, const TzRvnNetwork& network, int element) override;
    bool qualifies(int row) const override;
    bool lacksRequired(int row) const override;
    void setCount(TzRvnNetwork& network, int count) const override;
    bool storeRow(TzRvnNetwork& network, int row, int element) const override;
};

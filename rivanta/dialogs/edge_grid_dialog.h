// The branch grid (TzRvnEdgesDlg, template 9063, grid 9039): the nodes at both ends, the exclusion
// mark, length, diameter, roughness, local loss coefficient, note and the results of each branch.
// Leaving a diameter with Tab or Enter proposes the installed default roughness for a branch that
// has none yet.
#pragma once

#include "dialogs/element_grid.h"

class TzRvnEdgesDlg : public TzRvnElementGridDlg {
public:
    static constexpr UINT kTemplate = 9063;
    static constexpr UINT kGrid = 9039;
    enum Column {
        kNumber, kStartNode, kEndNode, kExcluded, kLength, kDiameter, kRoughness, kCsi, kNote,
        kFlow, kVelocity, kReynolds, kSlope, kHeadLoss
    };

    explicit TzRvnEdgesDlg(TzRvnGridOwner& owner);

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    int elementCount(const TzRvnNetwork& network) const override;
    void writeRow(int row, const TzRvnNetwork& network, int element) override;
    bool qualifies(int row) const override;
    bool lacksRequired(int row) const override;
    void setCount(TzRvnNetwork& network, int count) const override;
    bool storeRow(TzRvnNetwork& network, int row, int element) const override;

private:
    bool wantsRoughness(int row) const;
    void proposeRoughness(int row);
};

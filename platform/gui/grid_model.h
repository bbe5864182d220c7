// The grid's cells as a Qt table model: texts, alignment, colours and editability read from the
// grid; a value committed in the view goes through the grid's editing, so its owner may refuse it.
#pragma once

#include "afx_grid.h"

#include <QAbstractTableModel>

#include <functional>

namespace rvngui {

class GridModel : public QAbstractTableModel {
public:
    // act runs a user's operation on the grid (the dialog view's act).
    GridModel(CGridCtrl& grid, std::function<void(const std::function<void()>&)> act);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The grid's cell changed, or its rows and columns did.
    void cellChanged(int row, int col);
    void layoutReset();

private:
    CGridCtrl& grid_;
    std::function<void(const std::function<void()>&)> act_;
};

}  // namespace rvngui

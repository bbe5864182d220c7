#include "grid_model.h"

#include "control_presenter.h"
#include "grid_actions.h"

#include <QColor>

namespace rvngui {
namespace {

QColor colourOf(COLORREF colour) { return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

Qt::Alignment alignmentOf(UINT format) {
    Qt::Alignment alignment = Qt::AlignLeft;
    if (format & DT_RIGHT) alignment = Qt::AlignRight;
    else if (format & DT_CENTER) alignment = Qt::AlignHCenter;
    if (format & DT_BOTTOM) return alignment | Qt::AlignBottom;
    return alignment | ((format & DT_VCENTER) ? Qt::AlignVCenter : Qt::AlignTop);
}

}  // namespace

GridModel::GridModel(CGridCtrl& grid, std::function<void(const std::function<void()>&)> act)
    : grid_(grid), act_(std::move(act)) {}

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.GetRowCount(); }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : grid_.GetColumnCount(); }

QVariant GridModel::data(const QModelIndex& index, int role) const {
    const int row = index.row();
    const int col = index.column();
    if (!grid_.IsValid(row, col)) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return toQString(grid_.GetItemText(row, col));
        case Qt::TextAlignmentRole: return QVariant::fromValue(alignmentOf(grid_.GetItemFormat(row, col)));
        case Qt::BackgroundRole: return colourOf(grid_.CellBackColour(row, col));
        case Qt::ForegroundRole: return colourOf(grid_.CellTextColour(row, col));
        default: return {};
    }
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!grid_.IsValid(index.row(), index.column())) return Qt::NoItemFlags;
    const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return grid_.IsCellEditable(index.row(), index.column()) ? flags | Qt::ItemIsEditable : flags;
}

// The text goes into the grid's editor and the edit ends there; a refused value leaves the old
// text in the cell, which the grid reports, so the view shows it again.
bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole) return false;
    bool accepted = false;
    act_([&] {
        accepted = rvnhost::editGridCell(grid_, index.row(), index.column(), value.toString().toStdWString()) &&
                   grid_.EndEditing();
    });
    return accepted;
}

void GridModel::cellChanged(int row, int col) {
    if (row < 0 || col < 0) return layoutReset();
    const QModelIndex changed = this->index(row, col);
    emit dataChanged(changed, changed);
}

void GridModel::layoutReset() {
    beginResetModel();
    endResetModel();
}

}  // namespace rvngui

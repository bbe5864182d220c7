// The grid control shown as a table view over an adapter that reads the grid's cells: fixed cells
// are styled cells of the table in the grid's fixed colours, so a view cell is the grid cell of the
// same row and column. The grid stays the only holder of its state: its observer refreshes the
// view, and a person's clicks and edits become the grid's own operations.
#pragma once

#include "control_presenter.h"

namespace rvngui {

std::unique_ptr<ControlPresenter> presentGrid(const ControlContext& context);

}  // namespace rvngui

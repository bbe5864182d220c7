// The command ids of the grids' context menus (rivanta/resources/rivanta.rc): the grid window's
// menu 9076 and the materials dialog's menu 9077 share the items they both have.
#pragma once

#include "win_types.h"

namespace TzRvnGridMenu {

enum Command : UINT {
    kInsertRow = 32771,
    kDeleteRow = 32772,
    kCut = 32774,
    kCopy = 32775,
    kPaste = 32776,
    kRoughness = 32779,
    kPrint = 32783,
    kCalculate = 32784,
};

}  // namespace TzRvnGridMenu

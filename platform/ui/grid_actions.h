// The dialog actions on a grid control (docs/dialog-actions.md):
//     cell ID ROW COL [ctrl|shift]   a click on a cell (a row's number selects the row)
//     dblclick ID ROW COL / rclick ID ROW COL
//     edit ID ROW COL TEXT           the cell's editor opens and TEXT replaces what it holds
//     key ID KEY                     tab, shift+tab, enter, esc, ctrl+a, ctrl+c, ctrl+x, ctrl+v
//     print ID PATH                  the grid printed to a PDF file
// Rows and columns count from 0, the title row and the number column included.
#pragma once

#include <string>

class CGridCtrl;
class CWnd;

namespace rvnhost {

bool isGridVerb(const std::wstring& verb);
// Does the action; false, with the reason on the transcript, when it cannot be done.
bool applyGridAction(CGridCtrl& grid, const std::wstring& verb, const std::wstring& arguments);
// Opens the cell's editor (its owner may refuse) and puts the text in it, as a person typing it
// does; false, with the reason on the transcript, when the cell cannot be edited.
bool editGridCell(CGridCtrl& grid, int row, int col, const std::wstring& text);
// Ends the editing of every grid of the window but one (as a click elsewhere does); false when a
// grid's owner refused the value typed.
bool endGridEdits(const CWnd& window, const CWnd* except);
// The grid control the window is, or nullptr.
CGridCtrl* asGrid(CWnd* window);

}  // namespace rvnhost

// The grid control: an editable table of cells with fixed title rows and number columns, in the
// manner of the well-known grid control of the class library's world. It holds real state (texts,
// formats, colours, read-only cells and columns, row heights, column widths, the focused cell, the
// selection, the cell being edited) and tells its parent what the user did through OnNotify with
// an NM_GRIDVIEW: NM_CLICK, NM_DBLCLK, NM_RCLICK, GVN_SELCHANGED (the focused cell moved),
// GVN_BEGINLABELEDIT and GVN_ENDLABELEDIT. A negative result to GVN_BEGINLABELEDIT keeps the cell
// from editing; a negative result to GVN_ENDLABELEDIT refuses the value typed: the old text comes
// back and the cell is edited again. It knows no widget toolkit: a presentation follows it through
// its observer.
#pragma once

#include "afx_wnd.h"
#include "grid_defs.h"
#include "grid_table.h"

#include <functional>
#include <string>

// What changed in a grid, for a presentation that follows it.
enum class GridChange { Cell, Layout, Focus, Selection, Editing };
using GridObserver = std::function<void(GridChange change, int row, int col)>;

class CGridCtrl : public CWnd {
public:
    CGridCtrl(int rows = 0, int cols = 0, int fixedRows = 0, int fixedCols = 0);

    BOOL Create(const RECT& rect, CWnd* parent, UINT id, DWORD style = WS_CHILD | WS_BORDER | WS_TABSTOP | WS_VISIBLE);
    using CWnd::Create;

    // Layout.
    BOOL SetRowCount(int rows);
    BOOL SetColumnCount(int cols);
    BOOL SetFixedRowCount(int fixedRows);
    BOOL SetFixedColumnCount(int fixedCols);
    int GetRowCount() const { return table_.rowCount(); }
    int GetColumnCount() const { return table_.columnCount(); }
    int GetFixedRowCount() const { return fixedRows_; }
    int GetFixedColumnCount() const { return fixedCols_; }
    BOOL SetRowHeight(int row, int height);
    int GetRowHeight(int row) const;
    BOOL SetColumnWidth(int col, int width);
    int GetColumnWidth(int col) const;
    // Every column as wide as its longest text needs.
    void AutoSizeColumns();
    // The index of the row made, -1 when it cannot be made; heading goes into the first column.
    int InsertRow(LPCWSTR heading, int row = -1);
    BOOL DeleteRow(int row);
    int InsertColumn(LPCWSTR heading, UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE, int col = -1);
    BOOL DeleteColumn(int col);
    BOOL DeleteNonFixedRows();

    // Cells.
    BOOL SetItemText(int row, int col, LPCWSTR text);
    std::wstring GetItemText(int row, int col) const;
    BOOL SetItemFormat(int row, int col, UINT format);
    UINT GetItemFormat(int row, int col) const;
    BOOL SetItemBkColour(int row, int col, COLORREF colour = CLR_DEFAULT);
    COLORREF GetItemBkColour(int row, int col) const;
    BOOL SetItemFgColour(int row, int col, COLORREF colour = CLR_DEFAULT);
    COLORREF GetItemFgColour(int row, int col) const;
    // GVIS_READONLY keeps a cell from editing, pasting and cutting; GVIS_SELECTED and
    // GVIS_FOCUSED are the grid's own and are reported, not set, here.
    BOOL SetItemState(int row, int col, UINT state);
    UINT GetItemState(int row, int col) const;
    // A read-only column: every cell of it, rows inserted later too.
    BOOL SetColumnReadOnly(int col, BOOL readOnly = TRUE);
    BOOL IsColumnReadOnly(int col) const;
    BOOL IsCellFixed(int row, int col) const { return row < fixedRows_ || col < fixedCols_; }
    BOOL IsCellEditable(int row, int col) const;
    BOOL IsValid(int row, int col) const { return table_.isValid(row, col); }

    // Colours: the fixed cells' background and text, the other cells' background and text.
    void SetFixedBkColor(COLORREF colour);
    COLORREF GetFixedBkColor() const { return fixedBack_; }
    void SetFixedTextColor(COLORREF colour) { fixedText_ = colour; }
    COLORREF GetFixedTextColor() const { return fixedText_; }
    void SetTextBkColor(COLORREF colour) { textBack_ = colour; }
    COLORREF GetTextBkColor() const { return textBack_; }
    void SetTextColor(COLORREF colour) { text_ = colour; }
    COLORREF GetTextColor() const { return text_; }
    // The colours a cell is drawn with, its own or the grid's.
    COLORREF CellBackColour(int row, int col) const;
    COLORREF CellTextColour(int row, int col) const;

    // Whole grid behaviour.
    void SetEditable(BOOL editable = TRUE) { editable_ = editable != FALSE; }
    BOOL IsEditable() const { return editable_; }
    // Title tips (the whole text of a cut-off cell under the mouse) need a pointer; none here.
    void EnableTitleTips(BOOL = TRUE) {}

    // Focus and selection.
    CCellID SetFocusCell(int row, int col);
    CCellID GetFocusCell() const { return focus_; }
    int GetSelectedCount() const;
    BOOL IsCellSelected(int row, int col) const;
    // The smallest range holding every selected cell.
    CCellRange GetSelectedCellRange() const;
    void SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol);
    void ClearSelection();
    void SelectAllCells();
    // The selection of rows a click on a row's number makes: the row alone, with MK_CONTROL added
    // to the selection, with MK_SHIFT the rows from the focused one to it.
    void SelectRows(int row, UINT modifiers);

    // The mouse: a click focuses and selects (a row's number selects its row, a column's title its
    // column, the corner everything); each tells the parent.
    void Click(int row, int col, UINT modifiers = 0);
    void DoubleClick(int row, int col);
    void RightClick(int row, int col);

    // In-place editing. EditCell opens the editor on an editable cell with its text; SetEditText
    // replaces what is typed; EndEditing commits (and tells the parent), CancelEditing drops it.
    BOOL EditCell(int row, int col);
    BOOL IsEditing() const { return editing_.IsValid(); }
    CCellID GetEditCell() const { return editing_; }
    BOOL SetEditText(LPCWSTR text);
    const std::wstring& GetEditText() const { return editText_; }
    // FALSE when the parent refused the value (the cell is then being edited again).
    BOOL EndEditing();
    void CancelEditing();
    // The key that ended the last edit (VK_TAB, VK_RETURN), 0 when it ended otherwise.
    UINT GetEndEditKey() const { return endEditKey_; }

    // The keyboard: VK_TAB (with shift, backwards), VK_RETURN, VK_ESCAPE, and with control the
    // letters A (select all), C (copy), X (cut) and V (paste).
    void OnKeyDown(UINT key, BOOL shift = FALSE, BOOL control = FALSE);

    // The clipboard: the selected block as tab-separated text, one line per row.
    void OnEditCopy();
    void OnEditCut();
    // Pastes the clipboard's text with its first cell at the focused cell; returns the cells written.
    int OnEditPaste();
    void OnEditSelectAll() { SelectAllCells(); }

    // Printing: the grid under a title, as a PDF file. FALSE with the reason when it cannot be written.
    BOOL PrintToFile(const std::wstring& path, const std::wstring& title, std::wstring& reason) const;
    // The title a printout carries: the parent's caption.
    std::wstring PrintTitle() const;
    // Asks the file to print to (as the print dialog would) and prints under PrintTitle().
    void Print();

    // The cells as a text table, one line per row, for tests and the terminal.
    std::wstring TableText() const;

    void SetObserver(GridObserver observer) { observer_ = std::move(observer); }

private:
    LRESULT notifyParent(UINT code, int row, int col);
    void changed(GridChange change, int row = -1, int col = -1) const;
    void setSelected(int row, int col, bool selected);
    void selectRange(const CCellRange& range);
    CCellID nextCell(CCellID from, bool backwards, bool editableOnly) const;
    void keyMove(UINT key, bool backwards);
    BOOL endEdit(UINT key);
    void afterStructureChange();

    rvnhost::GridTable table_;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
    COLORREF fixedBack_ = RGB(240, 240, 240);
    COLORREF fixedText_ = RGB(0, 0, 0);
    COLORREF textBack_ = RGB(255, 255, 255);
    COLORREF text_ = RGB(0, 0, 0);
    bool editable_ = true;
    CCellID focus_;
    CCellID editing_;
    std::wstring editText_;
    UINT endEditKey_ = 0;
    GridObserver observer_;
};

#include "grid_actions.h"

#include "afx_grid.h"
#include "dialog_input.h"

#include <array>
#include <cwchar>
#include <utility>

namespace rvnhost {
namespace {

struct CellArguments {
    int row = -1;
    int col = -1;
    std::wstring rest;  // after the column and one blank
};

std::wstring trimmed(const std::wstring& text) {
    const std::size_t first = text.find_first_not_of(L" \t");
    return first == std::wstring::npos ? L"" : text.substr(first, text.find_last_not_of(L" \t") + 1 - first);
}

bool readNumber(const std::wstring& text, std::size_t& at, int& number) {
    at = text.find_first_not_of(L" \t", at);
    if (at == std::wstring::npos) return false;
    wchar_t* stop = nullptr;
    const long value = std::wcstol(text.c_str() + at, &stop, 10);
    const std::size_t end = static_cast<std::size_t>(stop - text.c_str());
    if (end == at || (end < text.size() && text[end] != L' ' && text[end] != L'\t')) return false;
    number = static_cast<int>(value);
    at = end;
    return true;
}

bool readCell(const CGridCtrl& grid, const std::wstring& arguments, CellArguments& cell) {
    std::size_t at = 0;
    if (!readNumber(arguments, at, cell.row) || !readNumber(arguments, at, cell.col)) {
        return refuseAction(L"A grid action needs a row and a column");
    }
    if (!grid.IsValid(cell.row, cell.col)) {
        return refuseAction(L"Grid " + std::to_wstring(grid.GetDlgCtrlID()) + L" has no cell " +
                            std::to_wstring(cell.row) + L"," + std::to_wstring(cell.col));
    }
    if (at < arguments.size()) cell.rest = arguments.substr(at + 1);
    return true;
}

bool clickWith(CGridCtrl& grid, const CellArguments& cell) {
    const std::wstring modifier = trimmed(cell.rest);
    UINT modifiers = 0;
    if (modifier == L"ctrl") modifiers = MK_CONTROL;
    else if (modifier == L"shift") modifiers = MK_SHIFT;
    else if (!modifier.empty()) return refuseAction(L"A click is made alone, with ctrl or with shift");
    grid.Click(cell.row, cell.col, modifiers);
    return true;
}

struct KeyName {
    const wchar_t* name;
    UINT key;
    bool shift;
    bool control;
};

constexpr std::array<KeyName, 8> kKeys{{{L"tab", VK_TAB, false, false},
                                        {L"shift+tab", VK_TAB, true, false},
                                        {L"enter", VK_RETURN, false, false},
                                        {L"esc", VK_ESCAPE, false, false},
                                        {L"ctrl+a", 'A', false, true},
                                        {L"ctrl+c", 'C', false, true},
                                        {L"ctrl+x", 'X', false, true},
                                        {L"ctrl+v", 'V', false, true}}};

bool pressKey(CGridCtrl& grid, const std::wstring& arguments) {
    const std::wstring name = trimmed(arguments);
    for (const KeyName& key : kKeys) {
        if (name != key.name) continue;
        grid.SetFocus();
        grid.OnKeyDown(key.key, key.shift, key.control);
        return true;
    }
    return refuseAction(L"Grid keys: tab, shift+tab, enter, esc, ctrl+a, ctrl+c, ctrl+x, ctrl+v");
}

bool print(CGridCtrl& grid, const std::wstring& arguments) {
    const std::wstring path = trimmed(arguments);
    if (path.empty()) return refuseAction(L"print needs the path of the PDF file");
    std::wstring reason;
    if (!grid.PrintToFile(path, grid.PrintTitle(), reason)) return refuseAction(L"Cannot print to \"" + path + L"\": " + reason);
    return true;
}

}  // namespace

bool isGridVerb(const std::wstring& verb) {
    return verb == L"cell" || verb == L"dblclick" || verb == L"rclick" || verb == L"edit" || verb == L"key" ||
           verb == L"print";
}

CGridCtrl* asGrid(CWnd* window) { return dynamic_cast<CGridCtrl*>(window); }

bool applyGridAction(CGridCtrl& grid, const std::wstring& verb, const std::wstring& arguments) {
    if (verb == L"key") return pressKey(grid, arguments);
    if (verb == L"print") return print(grid, arguments);
    CellArguments cell;
    if (!readCell(grid, arguments, cell)) return false;
    if (verb == L"cell") return clickWith(grid, cell);
    if (verb == L"edit") return editGridCell(grid, cell.row, cell.col, cell.rest);
    if (verb == L"dblclick") grid.DoubleClick(cell.row, cell.col);
    if (verb == L"rclick") grid.RightClick(cell.row, cell.col);
    return true;
}

bool editGridCell(CGridCtrl& grid, int row, int col, const std::wstring& text) {
    if (!grid.IsCellEditable(row, col)) {
        return refuseAction(L"Cell " + std::to_wstring(row) + L"," + std::to_wstring(col) + L" of grid " +
                            std::to_wstring(grid.GetDlgCtrlID()) + L" is read-only");
    }
    grid.SetFocus();
    if (!grid.EditCell(row, col)) return false;
    return grid.SetEditText(text.c_str());
}

bool endGridEdits(const CWnd& window, const CWnd* except) {
    for (CWnd* child = window.GetTopWindow(); child; child = child->GetNextWindow()) {
        CGridCtrl* grid = asGrid(child);
        if (grid && grid != except && !grid->EndEditing()) return false;
    }
    return true;
}

}  // namespace rvnhost

#include "afx_controls.h"

#include "presentation_hooks.h"
#include "window_record.h"

#include <algorithm>
#include <cwctype>
#include <utility>

using rvnhost::liveRecord;
using rvnhost::notifyWindowChanged;

namespace {

std::wstring folded(std::wstring_view text) {
    std::wstring result(text);
    for (auto& c : result) c = static_cast<wchar_t>(std::towlower(c));
    return result;
}

// A selection shows as the control's text; without one a drop-down list or a list box shows
// nothing, while an editable combo box keeps what was typed.
void showSelection(HWND__& record) {
    const ControlState& state = record.control;
    const bool editable = record.className == L"COMBOBOX" && (record.style & CBS_TYPEMASK) != CBS_DROPDOWNLIST;
    if (state.selected >= 0) record.text = state.items[static_cast<std::size_t>(state.selected)];
    else if (!editable) record.text.clear();
}

}  // namespace

HICON CStatic::SetIcon(HICON icon) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record) return nullptr;
    const HICON previous = std::exchange(record->control.icon, icon);
    notifyWindowChanged(m_hWnd);
    return previous;
}

HICON CStatic::GetIcon() const {
    const HWND__* record = liveRecord(m_hWnd);
    return record ? record->control.icon : nullptr;
}

void CStatic::SetBackgroundColor(COLORREF colour) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record) return;
    record->control.background = colour;
    notifyWindowChanged(m_hWnd);
}

BOOL CStatic::GetBackgroundColor(COLORREF& colour) const {
    const HWND__* record = liveRecord(m_hWnd);
    if (!record || !record->control.background) return FALSE;
    colour = *record->control.background;
    return TRUE;
}

void CEdit::LimitText(int count) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record) return;
    record->control.textLimit = std::max(count, 0);
    notifyWindowChanged(m_hWnd);
}

UINT CEdit::GetLimitText() const {
    const HWND__* record = liveRecord(m_hWnd);
    return record ? static_cast<UINT>(record->control.textLimit) : 0;
}

void CEdit::SetSel(int start, int end, BOOL) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record) return;
    const int length = static_cast<int>(record->text.size());
    if (start < 0) start = end = 0;
    if (end < 0 || end > length) end = length;
    record->control.selectionStart = std::min(start, end);
    record->control.selectionEnd = std::max(start, end);
    notifyWindowChanged(m_hWnd);
}

void CEdit::GetSel(int& start, int& end) const {
    const HWND__* record = liveRecord(m_hWnd);
    start = record ? record->control.selectionStart : 0;
    end = record ? record->control.selectionEnd : 0;
}

BOOL CEdit::SetReadOnly(BOOL readOnly) { return ModifyStyle(readOnly ? 0 : ES_READONLY, readOnly ? ES_READONLY : 0); }

int CButton::GetCheck() const {
    const HWND__* record = liveRecord(m_hWnd);
    return record ? static_cast<int>(record->control.check) : 0;
}

void CButton::SetCheck(int check) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record) return;
    record->control.check = static_cast<UINT>(check);
    notifyWindowChanged(m_hWnd);
}

int CListControl::AddString(LPCWSTR item) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record || !item) return CB_ERR;
    std::vector<std::wstring>& items = record->control.items;
    const bool keepSorted = (record->style & (record->className == L"LISTBOX" ? LBS_SORT : CBS_SORT)) != 0;
    const auto at = keepSorted ? std::upper_bound(items.begin(), items.end(), std::wstring(item),
                                                  [](const std::wstring& a, const std::wstring& b) {
                                                      return folded(a) < folded(b);
                                                  })
                               : items.end();
    const int index = static_cast<int>(at - items.begin());
    items.insert(at, item);
    if (record->control.selected >= index) ++record->control.selected;
    notifyWindowChanged(m_hWnd);
    return index;
}

int CListControl::InsertString(int index, LPCWSTR item) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record || !item) return CB_ERR;
    std::vector<std::wstring>& items = record->control.items;
    if (index < 0 || index > static_cast<int>(items.size())) index = static_cast<int>(items.size());
    items.insert(items.begin() + index, item);
    if (record->control.selected >= index) ++record->control.selected;
    notifyWindowChanged(m_hWnd);
    return index;
}

int CListControl::DeleteString(UINT index) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record || index >= record->control.items.size()) return CB_ERR;
    ControlState& state = record->control;
    state.items.erase(state.items.begin() + index);
    if (state.selected == static_cast<int>(index)) {
        state.selected = -1;
        showSelection(*record);
    } else if (state.selected > static_cast<int>(index)) {
        --state.selected;
    }
    notifyWindowChanged(m_hWnd);
    return static_cast<int>(state.items.size());
}

void CListControl::ResetContent() {
    HWND__* record = liveRecord(m_hWnd);
    if (!record) return;
    record->control.items.clear();
    record->control.selected = -1;
    showSelection(*record);
    notifyWindowChanged(m_hWnd);
}

int CListControl::GetCount() const {
    const HWND__* record = liveRecord(m_hWnd);
    return record ? static_cast<int>(record->control.items.size()) : CB_ERR;
}

int CListControl::GetCurSel() const {
    const HWND__* record = liveRecord(m_hWnd);
    return record ? record->control.selected : CB_ERR;
}

int CListControl::SetCurSel(int index) {
    HWND__* record = liveRecord(m_hWnd);
    if (!record) return CB_ERR;
    const bool valid = index >= 0 && index < static_cast<int>(record->control.items.size());
    record->control.selected = valid ? index : -1;
    showSelection(*record);
    notifyWindowChanged(m_hWnd);
    return valid ? index : CB_ERR;
}

int CListControl::FindStringExact(int start, LPCWSTR item) const {
    const HWND__* record = liveRecord(m_hWnd);
    if (!record || !item) return CB_ERR;
    const std::vector<std::wstring>& items = record->control.items;
    const std::wstring wanted = folded(item);
    for (std::size_t i = start < 0 ? 0 : static_cast<std::size_t>(start) + 1; i < items.size(); ++i) {
        if (folded(items[i]) == wanted) return static_cast<int>(i);
    }
    return CB_ERR;
}

int CListControl::itemText(int index, std::wstring& text) const {
    const HWND__* record = liveRecord(m_hWnd);
    if (!record || index < 0 || index >= static_cast<int>(record->control.items.size())) {
        text.clear();
        return CB_ERR;
    }
    text = record->control.items[static_cast<std::size_t>(index)];
    return static_cast<int>(text.size());
}

int CComboBox::GetLBTextLen(int index) const {
    std::wstring text;
    return itemText(index, text);
}

int CComboBox::SelectString(int start, LPCWSTR prefix) {
    const HWND__* record = liveRecord(m_hWnd);
    if (!record || !prefix) return CB_ERR;
    const std::wstring wanted = folded(prefix);
    const std::vector<std::wstring>& items = record->control.items;
    for (std::size_t i = start < 0 ? 0 : static_cast<std::size_t>(start) + 1; i < items.size(); ++i) {
        if (folded(items[i]).rfind(wanted, 0) == 0) return SetCurSel(static_cast<int>(i));
    }
    return CB_ERR;
}

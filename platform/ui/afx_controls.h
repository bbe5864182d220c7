// The standard controls of a dialog. A dialog creates each control of its template as an object
// of its class, so GetDlgItem's window can be used as the control it is:
//     static_cast<CEdit*>(GetDlgItem(9023))->LimitText(15);
#pragma once

#include "afx_wnd.h"

#include <string>

struct HICON__;
using HICON = HICON__*;

class CStatic : public CWnd {
public:
    HICON SetIcon(HICON icon);
    HICON GetIcon() const;
    // The colour the dialog paints behind the control (what its colour handler gives a swatch);
    // GetBackgroundColor is FALSE while the control shows the dialog's own background.
    void SetBackgroundColor(COLORREF colour);
    BOOL GetBackgroundColor(COLORREF& colour) const;
};

class CEdit : public CWnd {
public:
    // Characters the user may type; 0 for no limit. Text set by the program is not cut.
    void LimitText(int count = 0);
    void SetLimitText(UINT count) { LimitText(static_cast<int>(count)); }
    UINT GetLimitText() const;
    // Selects characters start..end (end -1: to the end of the text; start -1: no selection).
    void SetSel(int start, int end, BOOL noScroll = FALSE);
    void GetSel(int& start, int& end) const;
    BOOL SetReadOnly(BOOL readOnly = TRUE);
};

class CButton : public CWnd {
public:
    int GetCheck() const;
    void SetCheck(int check);
};

// The items of a combo box or a list box, kept in order (sorted when the style says so), with
// the one selected.
class CListControl : public CWnd {
public:
    int AddString(LPCWSTR item);
    int InsertString(int index, LPCWSTR item);
    int DeleteString(UINT index);
    void ResetContent();
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    // The index of the item whose text is item (case-insensitive) from after index start; -1 when none.
    int FindStringExact(int start, LPCWSTR item) const;

protected:
    int itemText(int index, std::wstring& text) const;
};

class CComboBox : public CListControl {
public:
    void GetLBText(int index, std::wstring& text) const { itemText(index, text); }
    int GetLBTextLen(int index) const;
    // Selects the first item from after start whose text begins with prefix; CB_ERR when none.
    int SelectString(int start, LPCWSTR prefix);
};

class CListBox : public CListControl {
public:
    int GetText(int index, std::wstring& text) const { return itemText(index, text); }
};

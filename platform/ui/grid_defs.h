// The names the grid control shares with its owners: cell ids and ranges, colours, text formats,
// cell states and the notifications a grid sends its parent (with the values the operating system
// and the well-known grid control give them).
#pragma once

#include "win_styles.h"
#include "win_types.h"

// "The grid's own colour": a cell with it takes the grid's text or background colour.
inline constexpr COLORREF CLR_DEFAULT = 0xFF000000;

// Text formats of a cell.
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_WORDBREAK = 0x0010;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_NOPREFIX = 0x0800;
inline constexpr UINT DT_END_ELLIPSIS = 0x8000;

// Cell states.
inline constexpr UINT GVIS_FOCUSED = 0x0001;
inline constexpr UINT GVIS_SELECTED = 0x0002;
inline constexpr UINT GVIS_READONLY = 0x0008;
inline constexpr UINT GVIS_FIXED = 0x0010;
inline constexpr UINT GVIS_MODIFIED = 0x0080;

// Notifications (NMHDR codes) the grid sends its parent through OnNotify, each with an
// NM_GRIDVIEW naming the cell.
inline constexpr UINT NM_CLICK = static_cast<UINT>(-2);
inline constexpr UINT NM_DBLCLK = static_cast<UINT>(-3);
inline constexpr UINT NM_RCLICK = static_cast<UINT>(-5);
inline constexpr UINT GVN_SELCHANGED = static_cast<UINT>(-101);
inline constexpr UINT GVN_BEGINLABELEDIT = static_cast<UINT>(-175);
inline constexpr UINT GVN_ENDLABELEDIT = static_cast<UINT>(-176);

// Keys the grid acts on.
inline constexpr UINT VK_TAB = 0x09;
inline constexpr UINT VK_RETURN = 0x0D;
inline constexpr UINT VK_ESCAPE = 0x1B;

struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    UINT code;
};

struct NM_GRIDVIEW {
    NMHDR hdr;
    int iRow;
    int iColumn;
};

class CCellID {
public:
    CCellID(int r = -1, int c = -1) : row(r), col(c) {}
    bool IsValid() const { return row >= 0 && col >= 0; }
    bool operator==(const CCellID& other) const = default;

    int row;
    int col;
};

class CCellRange {
public:
    CCellRange(int minRow = -1, int minCol = -1, int maxRow = -1, int maxCol = -1)
        : minRow_(minRow), minCol_(minCol), maxRow_(maxRow), maxCol_(maxCol) {}
    bool IsValid() const { return minRow_ >= 0 && minCol_ >= 0 && maxRow_ >= minRow_ && maxCol_ >= minCol_; }
    bool InRange(int row, int col) const {
        return IsValid() && row >= minRow_ && row <= maxRow_ && col >= minCol_ && col <= maxCol_;
    }
    int GetMinRow() const { return minRow_; }
    int GetMinCol() const { return minCol_; }
    int GetMaxRow() const { return maxRow_; }
    int GetMaxCol() const { return maxCol_; }
    int Count() const { return IsValid() ? (maxRow_ - minRow_ + 1) * (maxCol_ - minCol_ + 1) : 0; }

private:
    int minRow_;
    int minCol_;
    int maxRow_;
    int maxCol_;
};

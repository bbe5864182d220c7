// Windows: a window has a class name, a text, a style, a control id and child windows in creation
// order, and may carry a menu. CWnd is the class-library wrapper a plug-in works with; the Win32
// functions below reach the same windows by handle. A handle of a destroyed window is refused.
#pragma once

#include "win_styles.h"
#include "win_types.h"

#include <memory>
#include <string>

class CMenu;

struct CPoint : POINT {
    CPoint() : POINT{0, 0} {}
    CPoint(LONG x, LONG y) : POINT{x, y} {}
};

inline constexpr UINT GW_HWNDNEXT = 2;
inline constexpr UINT GW_CHILD = 5;


class CWnd {
public:
    CWnd();
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Creates the window; with a parent it becomes that window's child with the control id.
    virtual BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // Destroys the window and its children; the CWnd objects stay, without a window.
    virtual BOOL DestroyWindow();

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The CWnd of a window handle; nullptr for a null or destroyed handle.
    static CWnd* FromHandle(HWND window);

    CWnd* GetParent() const;
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    // GW_CHILD: the first child; GW_HWNDNEXT: the next sibling.
    CWnd* GetWindow(UINT command) const;
    CWnd* GetTopWindow() const { return GetWindow(GW_CHILD); }
    CWnd* GetNextWindow(UINT command = GW_HWNDNEXT) const { return GetWindow(command); }

    void SetWindowText(LPCWSTR text);
    int GetWindowText(LPWSTR buffer, int maxCount) const;
    void GetWindowText(std::wstring& text) const;
    DWORD GetStyle() const;

    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* menu);

    // A child's notification (its id and code in wParam, its handle in lParam) or a menu command.
    // TRUE when handled; a window handles nothing of its own.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // A child control's notification (its id in wParam, an NMHDR-led record at lParam); the
    // handler may put its answer in result. TRUE when handled; a window handles nothing of its own.
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);

    // The right mouse button pressed at point (client pixels) of the window, outside any control
    // that takes clicks; flags holds the MK_ buttons. A window does nothing with it.
    virtual void OnRButtonDown(UINT flags, CPoint point);
    // The child whose place holds point (client pixels); where places overlap (a control inside
    // a group box) the one created last, which is drawn over the others. nullptr when none does.
    CWnd* ChildWindowFromPoint(POINT point) const;

    BOOL EnableWindow(BOOL enable = TRUE);  // returns whether it was disabled before
    BOOL IsWindowEnabled() const;
    BOOL ModifyStyle(DWORD remove, DWORD add);
    // Gives the window the keyboard focus: the window that had it is told it lost it (kill-focus
    // notification), then this one that it has it. Returns the window that had it.
    CWnd* SetFocus();
    static CWnd* GetFocus();

    // Screen pixels. SetWindowPos takes the position and size; SWP_NOSIZE keeps the size and
    // SWP_NOMOVE the position.
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int width, int height, UINT flags);
    void GetWindowRect(RECT* rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);

    // A window's client area starts at its top-left corner: client pixels become screen pixels by
    // the window's place on the screen.
    void ClientToScreen(POINT* point) const;
    void ClientToScreen(RECT* rect) const;

    void SetDlgItemText(int id, LPCWSTR text);
    int GetDlgItemText(int id, std::wstring& text) const;

    HWND m_hWnd = nullptr;

private:
    std::unique_ptr<HWND__> window_;
};

inline constexpr UINT SWP_NOSIZE = 0x1;
inline constexpr UINT SWP_NOMOVE = 0x2;
inline constexpr UINT SWP_NOZORDER = 0x4;

BOOL IsWindow(HWND window);
HWND GetFocus();
HWND SetFocus(HWND window);
BOOL IsWindowEnabled(HWND window);
HWND GetParent(HWND window);
HWND GetDlgItem(HWND parent, int id);
int GetDlgCtrlID(HWND window);
HWND GetWindow(HWND window, UINT command);
int GetWindowTextW(HWND window, LPWSTR buffer, int maxCount);
BOOL SetWindowTextW(HWND window, LPCWSTR text);
int GetClassNameW(HWND window, LPWSTR buffer, int maxCount);
HMENU GetMenu(HWND window);
BOOL SetMenu(HWND window, HMENU menu);

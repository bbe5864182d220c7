// The system's file dialog, as the class library offers it, in open mode. The person types the
// file's path, one line from the input source; "esc" or "cancel" closes it without a file. A path
// without an extension takes the default one. The transcript records the dialog opened, with its
// filter, and closed, with the path chosen.
#pragma once

#include "afx_wnd.h"
#include "message_box.h"

#include <string>

inline constexpr DWORD OFN_HIDEREADONLY = 0x4;
inline constexpr DWORD OFN_FILEMUSTEXIST = 0x1000;

class CFileDialog {
public:
    // Only the open mode is offered (openFileDialog TRUE). filter is the class library's text:
    // descriptions and patterns separated by "|", ending with "||".
    CFileDialog(BOOL openFileDialog, LPCWSTR defaultExtension = nullptr, LPCWSTR fileName = nullptr,
                DWORD flags = OFN_HIDEREADONLY, LPCWSTR filter = nullptr, CWnd* parent = nullptr);
    virtual ~CFileDialog() = default;

    // IDOK when a path was given, IDCANCEL otherwise (also when the input runs dry).
    virtual INT_PTR DoModal();

    // The path chosen; its name with the extension; its name without folder and extension; its
    // extension without the dot.
    std::wstring GetPathName() const { return path_; }
    std::wstring GetFileName() const;
    std::wstring GetFileTitle() const;
    std::wstring GetFileExt() const;

private:
    std::wstring defaultExtension_;
    std::wstring initialName_;
    std::wstring filter_;
    std::wstring path_;
};

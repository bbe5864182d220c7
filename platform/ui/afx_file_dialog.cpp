#include "afx_file_dialog.h"

#include "input_source.h"
#include "transcript.h"

#include <cwctype>

namespace {

constexpr wchar_t kDialogName[] = L"Dialog \"Apri\"";

std::wstring trimmed(const std::wstring& text) {
    const auto first = text.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return L"";
    return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

bool isCancel(std::wstring word) {
    for (auto& c : word) c = static_cast<wchar_t>(std::towlower(c));
    return word == L"esc" || word == L"cancel" || word == L"*cancel*";
}

void record(const std::wstring& what) {
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Dialog, kDialogName + (L" " + what));
}

// The name part of path: after its last separator.
std::wstring::size_type nameStart(const std::wstring& path) {
    const auto separator = path.find_last_of(L"/\\");
    return separator == std::wstring::npos ? 0 : separator + 1;
}

std::wstring::size_type extensionDot(const std::wstring& path) {
    const auto dot = path.find_last_of(L'.');
    return dot == std::wstring::npos || dot < nameStart(path) ? std::wstring::npos : dot;
}

}  // namespace

CFileDialog::CFileDialog(BOOL, LPCWSTR defaultExtension, LPCWSTR fileName, DWORD, LPCWSTR filter, CWnd*)
    : defaultExtension_(defaultExtension ? defaultExtension : L""),
      initialName_(fileName ? fileName : L""),
      filter_(filter ? filter : L"") {}

INT_PTR CFileDialog::DoModal() {
    record(L"opened: " + initialName_ + (filter_.empty() ? L"" : L" (" + filter_ + L")"));
    path_.clear();
    while (path_.empty()) {
        const std::optional<std::wstring> line =
            rvnhost::readAnswer(std::wstring(L"\n") + kDialogName + L" (path of the file, or esc): ");
        if (!line) {
            rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error,
                                                L"The dialog \"Apri\" was left waiting for input: it is cancelled");
            break;
        }
        const std::wstring answer = trimmed(*line);
        if (isCancel(answer)) break;
        path_ = answer;
    }
    if (!path_.empty() && extensionDot(path_) == std::wstring::npos && !defaultExtension_.empty()) {
        path_ += L"." + defaultExtension_;
    }
    record(path_.empty() ? L"closed with Cancel" : L"closed with OK: " + path_);
    return path_.empty() ? IDCANCEL : IDOK;
}

std::wstring CFileDialog::GetFileName() const { return path_.substr(nameStart(path_)); }

std::wstring CFileDialog::GetFileTitle() const {
    const std::wstring name = GetFileName();
    const auto dot = name.find_last_of(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}

std::wstring CFileDialog::GetFileExt() const {
    const auto dot = extensionDot(path_);
    return dot == std::wstring::npos ? L"" : path_.substr(dot + 1);
}

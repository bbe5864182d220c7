// Printing a grid: a PDF document drawn by the grid printout library (platform/print), loaded
// from beside this library on the first print.
#include "afx_grid.h"
#include "grid_pdf.h"
#include "input_source.h"
#include "module_loader.h"
#include "output_file.h"
#include "text_codec.h"
#include "transcript.h"

#include <filesystem>

namespace {

// The drawing function of the printout library, loaded once; nullptr with the reason when the
// library or its entry cannot be found.
RvnDrawGridPdf pdfDrawer(std::wstring& reason) {
    static RvnDrawGridPdf drawer = nullptr;
    if (drawer) return drawer;
    HMODULE self = nullptr;
    const auto anchor = reinterpret_cast<LPCWSTR>(&pdfDrawer);
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            anchor, &self)) {
        reason = L"the printing library cannot be found";
        return nullptr;
    }
    const std::filesystem::path library =
        std::filesystem::path(rvnos::modulePath(self)).parent_path() / kRvnGridPdfLibrary;
    HMODULE printing = LoadLibraryW(library.wstring().c_str());
    if (!printing) {
        reason = L"the printing library cannot be loaded: " + rvnos::lastLoadError();
        return nullptr;
    }
    drawer = reinterpret_cast<RvnDrawGridPdf>(GetProcAddress(printing, kRvnGridPdfEntry));
    if (!drawer) reason = L"the printing library \"" + library.wstring() + L"\" has no PDF drawing";
    return drawer;
}

}  // namespace

BOOL CGridCtrl::PrintToFile(const std::wstring& path, const std::wstring& title, std::wstring& reason) const {
    const RvnDrawGridPdf draw = pdfDrawer(reason);
    if (!draw) return FALSE;
    std::string bytes;
    std::string drawFailure;
    if (!draw(*this, rvnos::toUtf8(title), bytes, drawFailure)) {
        reason = rvnos::fromUtf8(drawFailure);
        return FALSE;
    }
    return rvnos::replaceFile(path, bytes, reason) ? TRUE : FALSE;
}

std::wstring CGridCtrl::PrintTitle() const {
    std::wstring title;
    if (const CWnd* parent = GetParent()) parent->GetWindowText(title);
    return title;
}

void CGridCtrl::Print() {
    const std::optional<std::wstring> path = rvnhost::readAnswer(L"\nPDF file to print to: ");
    if (!path || path->empty()) return;
    std::wstring reason;
    if (!PrintToFile(*path, PrintTitle(), reason)) {
        rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::CommandLine,
                                            L"\nCannot print to \"" + *path + L"\": " + reason);
    }
}

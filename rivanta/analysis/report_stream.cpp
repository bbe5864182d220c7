#include "analysis/report_stream.h"

#include "text_codec.h"

namespace {

// A piece is handed to the file once it holds this many bytes.
constexpr std::size_t kPieceBytes = 1 << 16;

}  // namespace

TzRvnFileReport::TzRvnFileReport(const std::wstring& path) : file_(OpenFile(path, "w")) {}

TzRvnFileReport::~TzRvnFileReport() { flush(); }

void TzRvnFileReport::write(std::wstring_view text) {
    if (!file_) {
        failed_ = true;
        return;
    }
    rvnos::appendUtf8(piece_, text);
    if (piece_.size() >= kPieceBytes) flush();
}

void TzRvnFileReport::flush() {
    if (file_ && !piece_.empty() && !WriteAllBytes(file_.get(), piece_)) failed_ = true;
    piece_.clear();
}

bool TzRvnFileReport::close() {
    if (!file_) return false;
    flush();
    bool closed = CloseFile(file_);
    return closed && !failed_;
}

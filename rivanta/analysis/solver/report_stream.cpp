#include "analysis/solver/report_stream.h"

#include "text_codec.h"

namespace {

// A piece is handed to the file once it holds this many bytes.
constexpr std::size_t kPieceBytes = 1 << 16;

}  // namespace

TzRvnFileReport::TzRvnFileReport(const std::wstring& path) { file_.open(path, failure_); }

void TzRvnFileReport::write(std::wstring_view text) {
    rvnos::appendUtf8(piece_, text);
    if (piece_.size() >= kPieceBytes) flush();
}

void TzRvnFileReport::flush() {
    file_.write(piece_);
    piece_.clear();
}

bool TzRvnFileReport::close() {
    flush();
    return file_.commit(failure_);
}

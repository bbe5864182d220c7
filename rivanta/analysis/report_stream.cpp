#include "analysis/report_stream.h"

#include "text_codec.h"

TzRvnFileReport::TzRvnFileReport(const std::wstring& path) : file_(OpenFile(path, "w")) {}

void TzRvnFileReport::write(std::wstring_view text) {
    if (!file_ || !WriteAllBytes(file_.get(), rvnos::toUtf8(text))) failed_ = true;
}

bool TzRvnFileReport::close() {
    if (!file_) return false;
    bool closed = CloseFile(file_);
    return closed && !failed_;
}

// Where the topology check and the solver write their reports: wide text, in pieces. The
// plug-in writes them to files (TzRvnFileReport, host/output_files.h).
#pragma once

#include <string>
#include <string_view>

class TzRvnReportStream {
public:
    virtual ~TzRvnReportStream() = default;
    virtual void write(std::wstring_view text) = 0;
};

// A report kept in memory.
class TzRvnStringReport : public TzRvnReportStream {
public:
    void write(std::wstring_view text) override { text_ += text; }
    const std::wstring& text() const { return text_; }

private:
    std::wstring text_;
};

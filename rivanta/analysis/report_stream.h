// Where the topology check and the solver write their reports: wide text, in pieces.
#pragma once

#include "network/file_handle.h"

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

// A report file, created anew (mode "w") and written as UTF-8, gathered in pieces of some
// kilobytes on its way: reports are written a few words at a time.
class TzRvnFileReport : public TzRvnReportStream {
public:
    explicit TzRvnFileReport(const std::wstring& path);
    ~TzRvnFileReport() override;
    TzRvnFileReport(const TzRvnFileReport&) = delete;
    TzRvnFileReport& operator=(const TzRvnFileReport&) = delete;

    bool isOpen() const { return file_ != nullptr; }
    void write(std::wstring_view text) override;
    // Closes the file; false when it was never opened or some text did not reach it.
    bool close();

private:
    void flush();

    TzRvnFile file_;
    std::string piece_;  // UTF-8 text not yet handed to the file
    bool failed_ = false;
};

// Where the topology check and the solver write their reports: wide text, in pieces.
#pragma once

#include "output_file.h"

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

// A report file written as UTF-8, gathered in pieces of some kilobytes on its way: reports are
// written a few words at a time. The file appears whole when closed, or not at all.
class TzRvnFileReport : public TzRvnReportStream {
public:
    explicit TzRvnFileReport(const std::wstring& path);

    bool isOpen() const { return file_.isOpen(); }
    void write(std::wstring_view text) override;
    // Puts the whole report in place; false when it was never opened or some text did not reach it.
    bool close();
    // Why the file could not be opened or put in place ("No space left on device").
    const std::wstring& failure() const { return failure_; }

private:
    void flush();

    rvnos::OutputFile file_;
    std::string piece_;  // UTF-8 text not yet handed to the file
    std::wstring failure_;
};

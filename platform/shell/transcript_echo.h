// Shows the transcript on the terminal as the user sees the host: prompts and command-line text as
// they come, with a message's leading line break dropped when the line is fresh already; message
// boxes, dialogs, leaks and errors on lines of their own, errors and leaks on the error stream (the
// output flushed first, so the two keep their order on one terminal). What a person typed at the
// terminal is on screen already; answers read from a script are shown after their prompt.
#pragma once

#include "transcript.h"

#include <cstdio>
#include <string>

namespace rvnshell {

class TranscriptEcho {
public:
    TranscriptEcho(std::FILE* output, std::FILE* errors, bool interactive)
        : output_(output), errors_(errors), interactive_(interactive) {}

    void show(const rvnhost::TranscriptEntry& entry);
    // Ends the last line, at the end of the session.
    void finish();
    // Errors and leaks shown so far.
    int problems() const { return problems_; }

private:
    void write(std::wstring_view text);
    void startLine();

    std::FILE* output_;
    std::FILE* errors_;
    bool interactive_;
    bool atLineStart_ = true;
    int problems_ = 0;
};

}  // namespace rvnshell

// The host's transcript: everything shown to the user (command-line text, prompts, message boxes,
// dialogs opened and closed, leak reports) in the order it was shown. The shell echoes it to the
// terminal; tests read it back.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace rvnhost {

enum class TranscriptKind { CommandLine, Prompt, Input, MessageBox, Dialog, Leak, Error };

struct TranscriptEntry {
    TranscriptKind kind;
    std::wstring text;
};

class Transcript {
public:
    static Transcript& instance();

    void add(TranscriptKind kind, std::wstring text);
    const std::vector<TranscriptEntry>& entries() const { return entries_; }
    // All entries of one kind joined in order (command-line text as the user saw it).
    std::wstring textOf(TranscriptKind kind) const;
    bool contains(std::wstring_view fragment) const;
    void clear() { entries_.clear(); }

    // Called for every new entry (the shell prints through it); empty for none.
    void setEcho(std::function<void(const TranscriptEntry&)> echo) { echo_ = std::move(echo); }

private:
    std::vector<TranscriptEntry> entries_;
    std::function<void(const TranscriptEntry&)> echo_;
};

}  // namespace rvnhost

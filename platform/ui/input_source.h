// Where the user's answers come from: a person at the terminal, a script file (one answer a line)
// or a test's queue. Every prompt and every answer goes on the transcript. A source that has
// nothing more to give never blocks: the read fails, and the failure is recorded on the transcript.
#pragma once

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rvnhost {

// A line read: its text, and the text the transcript shows of it, where control characters and
// bytes that are not UTF-8 are written as \xNN.
struct InputLine {
    std::wstring text;
    std::wstring shown;
};

class InputSource {
public:
    virtual ~InputSource() = default;
    // The next line without its line end; nullopt when the source has no more.
    virtual std::optional<InputLine> nextLine() = 0;
    // True when a person reads the prompts and types the answers (they see their typing already).
    virtual bool isInteractive() const { return false; }
    // Names the source in messages, e.g. "script demo.scr, line 4".
    virtual std::wstring description() const = 0;
};

// A person typing at the terminal (standard input, UTF-8). Input piped from another program is
// read the same way but is not interactive: nobody sees it typed.
class TerminalInput : public InputSource {
public:
    std::optional<InputLine> nextLine() override;
    bool isInteractive() const override;
    std::wstring description() const override { return L"the terminal"; }
};

// The lines of a script file, in order.
class ScriptInput : public InputSource {
public:
    // False, with a reason, when the file cannot be read.
    bool open(const std::wstring& path, std::wstring& reason);
    std::optional<InputLine> nextLine() override;
    std::wstring description() const override;

private:
    std::wstring path_;
    std::vector<InputLine> lines_;
    std::size_t next_ = 0;
};

// Answers queued by a test. Each read past the end is counted, so a test can check it ran out.
class QueueInput : public InputSource {
public:
    QueueInput() = default;
    explicit QueueInput(std::vector<std::wstring> lines) : lines_(lines.begin(), lines.end()) {}
    void push(std::wstring line) { lines_.push_back(std::move(line)); }
    std::size_t remaining() const { return lines_.size(); }
    std::size_t readsPastEnd() const { return readsPastEnd_; }
    std::optional<InputLine> nextLine() override;
    std::wstring description() const override { return L"the test's input queue"; }

private:
    std::deque<std::wstring> lines_;
    std::size_t readsPastEnd_ = 0;
};

// The session's input source; an empty queue until one is installed.
InputSource& currentInput();
// Installs a source and returns the one it replaces.
std::unique_ptr<InputSource> setCurrentInput(std::unique_ptr<InputSource> source);

// Shows the prompt, reads one answer from the current source and records both on the transcript.
// Text pushed back is read first. nullopt when the source has no more; the error then recorded
// names the source and the prompt left unanswered.
std::optional<std::wstring> readAnswer(std::wstring_view prompt);
// Reads a command at the command prompt: as readAnswer, but a source without more input ends the
// session normally, with no error recorded.
std::optional<std::wstring> readCommandLine(std::wstring_view prompt);
// Puts text back to be the next answer read (the rest of a line after a space that ended an input).
void pushBackAnswer(std::wstring text);
// Forgets text pushed back (a cancelled command drops the rest of its line).
void discardPushedBack();

}  // namespace rvnhost

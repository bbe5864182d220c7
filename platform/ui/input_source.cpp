#include "input_source.h"

#include "text_codec.h"
#include "transcript.h"

#include <cstdio>
#include <fstream>
#include <iostream>

#include <unistd.h>

namespace rvnhost {

namespace {

std::unique_ptr<InputSource>& installedSource() {
    static std::unique_ptr<InputSource> source = std::make_unique<QueueInput>();
    return source;
}

std::deque<std::wstring>& pushedBack() {
    static std::deque<std::wstring> answers;
    return answers;
}

std::wstring withoutLineEnd(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return rvnos::fromUtf8(line);
}

std::wstring promptForMessage(std::wstring_view prompt) {
    std::wstring text(prompt);
    const auto first = text.find_first_not_of(L"\n ");
    const auto last = text.find_last_not_of(L" ");
    return first == std::wstring::npos ? L"" : text.substr(first, last - first + 1);
}

// Shows the prompt and reads the next line, pushed-back text first; the line goes on the transcript.
std::optional<std::wstring> readLineAfterPrompt(std::wstring_view prompt) {
    Transcript& transcript = Transcript::instance();
    transcript.add(TranscriptKind::Prompt, std::wstring(prompt));
    std::optional<std::wstring> line;
    if (!pushedBack().empty()) {
        line = std::move(pushedBack().front());
        pushedBack().pop_front();
    } else {
        line = currentInput().nextLine();
    }
    if (line) transcript.add(TranscriptKind::Input, *line);
    return line;
}

}  // namespace

std::optional<std::wstring> TerminalInput::nextLine() {
    std::cout.flush();
    std::fflush(stdout);
    std::string line;
    if (!std::getline(std::cin, line)) return std::nullopt;
    return withoutLineEnd(std::move(line));
}

bool TerminalInput::isInteractive() const { return isatty(STDIN_FILENO) != 0; }

bool ScriptInput::open(const std::wstring& path, std::wstring& reason) {
    std::ifstream file(rvnos::toUtf8(path), std::ios::binary);
    if (!file) {
        reason = L"cannot open the script \"" + path + L"\"";
        return false;
    }
    path_ = path;
    lines_.clear();
    next_ = 0;
    std::string line;
    while (std::getline(file, line)) lines_.push_back(withoutLineEnd(std::move(line)));
    if (!lines_.empty() && lines_[0].starts_with(L"\uFEFF")) lines_[0].erase(0, 1);
    return true;
}

std::optional<std::wstring> ScriptInput::nextLine() {
    if (next_ >= lines_.size()) return std::nullopt;
    return lines_[next_++];
}

std::wstring ScriptInput::description() const {
    return L"the script \"" + path_ + L"\"";
}

std::optional<std::wstring> QueueInput::nextLine() {
    if (lines_.empty()) {
        ++readsPastEnd_;
        return std::nullopt;
    }
    std::wstring line = std::move(lines_.front());
    lines_.pop_front();
    return line;
}

InputSource& currentInput() { return *installedSource(); }

std::unique_ptr<InputSource> setCurrentInput(std::unique_ptr<InputSource> source) {
    if (!source) source = std::make_unique<QueueInput>();
    installedSource().swap(source);
    pushedBack().clear();
    return source;
}

std::optional<std::wstring> readAnswer(std::wstring_view prompt) {
    std::optional<std::wstring> answer = readLineAfterPrompt(prompt);
    if (!answer) {
        Transcript::instance().add(TranscriptKind::Error, L"No more input in " + currentInput().description() +
                                                              L" for the prompt \"" + promptForMessage(prompt) + L"\"");
    }
    return answer;
}

std::optional<std::wstring> readCommandLine(std::wstring_view prompt) { return readLineAfterPrompt(prompt); }

void pushBackAnswer(std::wstring text) { pushedBack().push_front(std::move(text)); }

void discardPushedBack() { pushedBack().clear(); }

}  // namespace rvnhost

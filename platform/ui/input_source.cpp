#include "input_source.h"

#include "text_codec.h"
#include "transcript.h"

#include <cstdio>
#include <filesystem>
#include <limits>
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

// The longest line a script or the terminal may give: a command or an answer, never a document.
constexpr std::size_t kLongestLine = 64 * 1024;

// The UTF-8 byte order mark an editor may put at the start of a script.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

enum class LineRead { line, tooLong, end };

// The next line of in without its line feed; a longer line than kLongestLine is skipped whole.
LineRead readBoundedLine(std::istream& in, std::string& line) {
    line.clear();
    bool readAny = false;
    char c = 0;
    while (in.get(c)) {
        readAny = true;
        if (c == '\n') return LineRead::line;
        if (line.size() == kLongestLine) {
            in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            return LineRead::tooLong;
        }
        line += c;
    }
    return readAny ? LineRead::line : LineRead::end;
}

std::wstring tooLongReason(std::size_t lineNumber) {
    return L"line " + std::to_wstring(lineNumber) + L" is longer than " + std::to_wstring(kLongestLine) + L" bytes";
}

InputLine withoutLineEnd(std::string line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return {rvnos::fromUtf8(line), rvnos::escapeControlCharacters(rvnos::fromUtf8Escaped(line))};
}

InputLine typedLine(std::wstring text) {
    std::wstring shown = rvnos::escapeControlCharacters(text);
    return {std::move(text), std::move(shown)};
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
    std::optional<InputLine> line;
    if (!pushedBack().empty()) {
        line = typedLine(std::move(pushedBack().front()));
        pushedBack().pop_front();
    } else {
        line = currentInput().nextLine();
    }
    if (!line) return std::nullopt;
    transcript.add(TranscriptKind::Input, std::move(line->shown));
    return std::move(line->text);
}

}  // namespace

std::optional<InputLine> TerminalInput::nextLine() {
    std::cout.flush();
    std::fflush(stdout);
    std::string line;
    for (;;) {
        const LineRead read = readBoundedLine(std::cin, line);
        if (read == LineRead::end) return std::nullopt;
        if (read == LineRead::line) return withoutLineEnd(std::move(line));
        Transcript::instance().add(TranscriptKind::Error, L"The line typed is longer than " +
                                                              std::to_wstring(kLongestLine) + L" bytes: ignored");
    }
}

bool TerminalInput::isInteractive() const { return isatty(STDIN_FILENO) != 0; }

bool ScriptInput::open(const std::wstring& path, std::wstring& reason) {
    std::error_code ignored;
    if (std::filesystem::is_directory(rvnos::toUtf8(path), ignored)) {
        reason = L"the script \"" + path + L"\" is a folder, not a file of commands";
        return false;
    }
    std::ifstream file(rvnos::toUtf8(path), std::ios::binary);
    if (!file) {
        reason = L"cannot open the script \"" + path + L"\"";
        return false;
    }
    std::vector<InputLine> lines;
    std::string line;
    for (LineRead read; (read = readBoundedLine(file, line)) != LineRead::end;) {
        if (read == LineRead::tooLong) {
            reason = L"the script \"" + path + L"\": " + tooLongReason(lines.size() + 1);
            return false;
        }
        if (lines.empty() && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
        lines.push_back(withoutLineEnd(std::move(line)));
    }
    if (file.bad()) {
        reason = L"cannot read the script \"" + path + L"\"";
        return false;
    }
    path_ = path;
    lines_ = std::move(lines);
    next_ = 0;
    return true;
}

std::optional<InputLine> ScriptInput::nextLine() {
    if (next_ >= lines_.size()) return std::nullopt;
    return lines_[next_++];
}

std::wstring ScriptInput::description() const {
    return L"the script \"" + path_ + L"\"";
}

std::optional<InputLine> QueueInput::nextLine() {
    if (lines_.empty()) {
        ++readsPastEnd_;
        return std::nullopt;
    }
    std::wstring line = std::move(lines_.front());
    lines_.pop_front();
    return typedLine(std::move(line));
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

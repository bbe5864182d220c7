#include "command_line.h"

#include "aced.h"
#include "acutads.h"
#include "editor_answers.h"
#include "input_source.h"
#include "lisp_line.h"
#include "text_codec.h"
#include "transcript.h"

#include <cwctype>
#include <memory>

namespace rvnshell {

namespace {

std::wstring upperCase(std::wstring text) {
    for (auto& c : text) c = static_cast<wchar_t>(std::towupper(c));
    return text;
}

void showLine(const std::wstring& text) {
    rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::CommandLine, L"\n" + text);
}

// A command name is one word of printable characters.
bool isCommandName(const std::wstring& text) {
    for (wchar_t c : text) {
        if (std::iswspace(c) || std::iswcntrl(c) || c == L'\uFFFD') return false;
    }
    return true;
}

}  // namespace

void CommandLine::run() {
    while (const std::optional<std::wstring> line = rvnhost::readCommandLine(L"\nCommand: ")) {
        if (!execute(rvnhost::trimmedAnswer(*line))) return;
    }
}

bool CommandLine::execute(const std::wstring& line) {
    if (line.empty()) return true;
    if (rvnhost::isCancelWord(line)) {
        showLine(L"*Cancel*");
        return true;
    }
    if (line.front() == L'(') {
        std::wstring reason;
        if (!evaluateLispLine(line, reason)) {
            rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error, reason);
            ++failures_;
        }
        return true;
    }
    if (!isCommandName(line)) {
        rvnhost::Transcript::instance().add(rvnhost::TranscriptKind::Error,
                                            L"Not a command: \"" + rvnos::escapeControlCharacters(line) + L"\"");
        ++failures_;
        return true;
    }
    const std::wstring name = upperCase(line);
    if (name == L"QUIT" || name == L"EXIT") return false;
    if (name == L"HELP") {
        showHelp();
    } else if (name == L"COMMANDS") {
        listCommands();
    } else if (acedRegCmds->invoke(line.c_str()) != Acad::eOk) {
        ++failures_;
    }
    return true;
}

void CommandLine::listCommands() const {
    const std::unique_ptr<AcEdCommandIterator> commands(acedRegCmds->iterator());
    int count = 0;
    for (; !commands->done(); commands->next(), ++count) {
        showLine(std::wstring(commands->commandGroup()) + L"  " + commands->command()->globalName());
    }
    if (count == 0) showLine(L"No commands are registered.");
}

void CommandLine::showHelp() const {
    showLine(L"Type a command name and answer its prompts; \"*Cancel*\" or ESC cancels a prompt.");
    showLine(L"HELP      shows this text");
    showLine(L"COMMANDS  lists the commands of the loaded applications");
    showLine(L"OPEN, SAVE, SAVEAS  open and save drawing files; UNDO undoes the last commands");
    showLine(L"LINE, 3DPOLY, PLINE, ERASE, ZOOM  draw, erase and look; LAYER, STYLE, SETVAR  change settings");
    showLine(L"(setq NAME VALUE)  sets a LISP symbol to a number or a \"text\"");
    showLine(L"(entmake '((0 . \"LINE\") (10 0 0 0) (11 1 1 0)))  makes an entity or a block from its groups");
    showLine(L"QUIT      ends the session");
}

}  // namespace rvnshell

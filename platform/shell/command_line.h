// The host's command line: reads commands at "Command: " from the input source until it has no
// more or QUIT, and runs each through the command stack (which checks for objects left open).
// HELP, COMMANDS and QUIT are the host's own; an unknown command or a malformed line is reported
// and changes nothing.
#pragma once

#include <string>

namespace rvnshell {

class CommandLine {
public:
    // Runs until the input ends or QUIT.
    void run();
    // Commands that failed: unknown ones and those that left objects open.
    int failures() const { return failures_; }

private:
    // False when the session is to end.
    bool execute(const std::wstring& line);
    void listCommands() const;
    void showHelp() const;

    int failures_ = 0;
};

}  // namespace rvnshell

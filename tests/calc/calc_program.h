// Runs the built host program's "calc" tool as a user would.
#pragma once

#include "network_builder.h"
#include "run_command.h"

#include <filesystem>
#include <string>

namespace rvntest {

using ProgramRun = CommandRun;

// Runs "rivanta ARGUMENTS" with no terminal on its input; environment prefixes the command
// ("TMPDIR=/x").
inline ProgramRun runRivanta(const std::string& arguments, const std::string& environment = "") {
    return runCommand(environment + " " + singleQuoted(std::filesystem::path(RVN_BIN_DIR) / "rivanta") + " " + arguments);
}

// Runs "rivanta calc ARGUMENTS" as runRivanta does.
inline ProgramRun runCalc(const std::string& arguments, const std::string& environment = "") {
    return runRivanta("calc " + arguments, environment);
}

}  // namespace rvntest

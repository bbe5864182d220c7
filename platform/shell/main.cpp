// The host program: the CAD host's stand-in with the Rivanta plug-in.
#include "host_memory.h"
#include "session.h"
#include "shell_options.h"
#include "text_codec.h"

#include <cstdio>

int main(int argc, char** argv) {
    const rvnshell::ShellOptions options = rvnshell::parseArguments(argc, argv);
    if (!options.error.empty()) {
        std::fprintf(stderr, "rivanta: %s\nTry \"rivanta --help\".\n", rvnos::toUtf8(options.error).c_str());
        return 2;
    }
    if (options.mode == rvnshell::ShellMode::Help) {
        std::fputs(rvnos::toUtf8(rvnshell::usageText()).c_str(), stdout);
        return 0;
    }
    if (rvnshell::WantsHugePages(options)) rvnshell::RestartOnHugePages(argv);
    if (options.mode == rvnshell::ShellMode::Tool) rvnshell::KeepFreedMemoryForReuse();
    return rvnshell::runSession(options);
}

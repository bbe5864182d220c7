// The host's heap on transparent huge pages for large jobs. Where the kernel grants them only on
// request (the usual "madvise" setting), every 4 KiB page of a large table is otherwise faulted in
// one by one, which on a virtual machine costs a good part of a large calculation's time.
#pragma once

#include "shell_options.h"

namespace rvnshell {

// Whether the job is large enough for huge pages to pay for a restart of the program: a tool job
// or a drawing to open whose file holds at least a mebibyte.
bool WantsHugePages(const ShellOptions& options);

// Asks the C library for huge pages by restarting the program once with its tunable set, unless
// it is set already. Returns only when it did not restart (already set, or the restart failed).
void RestartOnHugePages(char** argv);

}  // namespace rvnshell

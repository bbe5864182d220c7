// The host's heap on transparent huge pages. Where the kernel grants them only on request (the
// usual "madvise" setting), every 4 KiB page of a large table is otherwise faulted in one by one,
// which on a virtual machine costs a good part of a large calculation's time.
#pragma once

namespace rvnshell {

// Asks the C library for huge pages by restarting the program once with its tunable set, unless
// it is set already. Returns only when it did not restart (already set, or the restart failed).
void RestartOnHugePages(char** argv);

}  // namespace rvnshell

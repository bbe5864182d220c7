// How the host program's memory is set up for jobs that handle large tables: huge pages, and freed
// memory kept for reuse. Where the kernel grants transparent huge pages only on request (the usual
// "madvise" setting), every 4 KiB page of a large table is otherwise faulted in one by one, which
// on a virtual machine costs a good part of a large calculation's time.
#pragma once

#include "shell_options.h"

namespace rvnshell {

// Whether the job is large enough for huge pages to pay for a restart of the program: a tool job
// or a drawing to open whose file holds at least a mebibyte.
bool WantsHugePages(const ShellOptions& options);

// Asks the C library for huge pages by restarting the program once with its tunable set, unless
// it is set already. Returns only when it did not restart (already set, or the restart failed).
void RestartOnHugePages(char** argv);

// A job allocates and frees arrays of megabytes one after another (a file's text, the records, the
// indexes, the matrices): kept in the heap, freed memory serves the next array with pages already
// touched, where the system would otherwise hand out and clear new ones. For a process that runs
// one job and ends.
void KeepFreedMemoryForReuse();

}  // namespace rvnshell

// How the calculation tool asks the C library's allocator to keep freed memory for reuse.
#pragma once

// A calculation allocates and frees arrays of megabytes one after another (the file's text, the
// records, the name index, the matrices): kept in the heap, freed memory serves the next array
// with pages already touched, where the system would otherwise hand out and clear new ones. For a
// process that runs one calculation and ends.
void KeepFreedMemoryForReuse();

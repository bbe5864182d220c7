// The program folder: the value of the LISP symbol "tz-cpath", to which the names of the files
// beside the program (settings, archives, block drawings) are appended directly.
#pragma once

#include <string>

// The folder into folder; false, with the message on the command line, when the symbol has no
// value, a value that is not a string, or cannot be looked up.
bool ReadProgramFolder(std::wstring& folder);

// What an EPANET input file must be before its lines are read: text, UTF-8 (or ASCII), not empty.
// A file that is not says what it is, instead of a refusal of some section and line.
#pragma once

#include <optional>
#include <string_view>

enum class TzRvnInpFileProblem {
    empty,    // nothing but blanks
    utf16,    // UTF-16 text
    notText,  // a byte that no text line holds (byte, at position)
};

struct TzRvnInpFileRefusal {
    TzRvnInpFileProblem problem = TzRvnInpFileProblem::empty;
    unsigned char byte = 0;  // notText: the first control byte
    int position = 0;        // notText: its position in the file
};

// Why bytes cannot be an input file; nothing when they can.
std::optional<TzRvnInpFileRefusal> InpFileKindRefusal(std::string_view bytes);

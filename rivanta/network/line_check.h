// Strict checks of the lines of the system's text files (settings file, materials archive), for
// the callers that must not take a malformed file for a valid one: which line is at fault and why.
// The lines are those SplitInputLines gives, so a line the reader's buffer would cut is a fault.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

enum class TzRvnLineProblem {
    missing,        // the file ends before the line; count: the lines it has
    tooLong,        // the reader's buffer would cut the line; count: the characters it takes
    empty,          // a number is wanted, the line has none
    notInteger,     // text: the line, which holds a real
    notNumber,      // text: the line
    beyondInteger,  // text: the line, whose integer does not fit 32 bits
    beyondReal,     // text: the line, whose real is not finite
};

// What is wrong with which line; the words are the caller's (a message in the user's language).
struct TzRvnLineFault {
    std::size_t line = 0;  // counted from 1
    TzRvnLineProblem problem = TzRvnLineProblem::notNumber;
    std::wstring text;      // the line as written, without its line end
    std::size_t count = 0;  // for missing and tooLong
};

enum class TzRvnNumberKind { integer, real };

// How a checked read of one of these files ended.
enum class TzRvnCheckedFileStatus {
    read,        // read and used
    notRead,     // the file cannot be opened or read
    malformed,   // a line is at fault (fault)
    noMaterial,  // a materials archive that holds no material
};

struct TzRvnCheckedFile {
    TzRvnCheckedFileStatus status = TzRvnCheckedFileStatus::read;
    TzRvnLineFault fault;  // malformed: the first line at fault
};

// The fault of lines[index], read with a buffer of bufferSize characters, when it does not hold
// exactly one number of kind: leading blanks, then the number (an integer of 32 bits, or a finite
// decimal real with an optional exponent), then nothing but blanks and a carriage return. A line
// that is absent (index past the end) or that the buffer cuts is a fault too.
std::optional<TzRvnLineFault> CheckNumberLine(const std::vector<std::wstring>& lines, std::size_t index,
                                              std::size_t bufferSize, TzRvnNumberKind kind);

// The fault of lines[index] when it is absent or the buffer cuts it; any text is accepted.
std::optional<TzRvnLineFault> CheckTextLine(const std::vector<std::wstring>& lines, std::size_t index,
                                            std::size_t bufferSize);

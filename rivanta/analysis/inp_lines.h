// The text of an EPANET input file cut into sections and lines of tokens: blanks (spaces, tabs)
// separate tokens, a double-quoted token may hold blanks, and a ';' outside quotes starts a
// comment that runs to the end of the line. Lines end with "\n" or "\r\n". Tokens and comments
// are views into the text, which must outlive the sections.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct TzRvnInpLine {
    int number = 0;                    // 1-based line of the file
    std::vector<std::wstring_view> tokens;  // empty for a line holding only a comment
    std::wstring_view comment;              // after the ';', without surrounding blanks
};

struct TzRvnInpSection {
    std::wstring name;  // the header in upper case with its brackets ("[PIPES]"); empty before the first header
    int line = 0;       // the header's line, 0 for the part before the first header
    std::vector<TzRvnInpLine> lines;  // lines with tokens or a comment, in file order
};

// The sections of text in file order (a leading byte order mark is skipped). The part before the
// first header is a section with an empty name, present only when it holds lines.
std::vector<TzRvnInpSection> SplitInpSections(std::wstring_view text);

// The text of an EPANET input file cut into sections and lines: blanks (spaces, tabs) separate
// tokens, a double-quoted token may hold blanks, and a ';' outside quotes starts a comment that
// runs to the end of the line. Lines end with "\n" or "\r\n". The text stays UTF-8: lines keep
// views into it, which must outlive the sections; a line is cut into its tokens only when it is
// read, and only what a network keeps or a message shows is turned into wide text.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TzRvnInpLine {
    int number = 0;            // 1-based line of the file
    std::string_view data;     // the text before the comment; empty when the line holds no token
    std::string_view comment;  // after the ';', without surrounding blanks
};

struct TzRvnInpSection {
    std::wstring name;  // the header in upper case with its brackets ("[PIPES]"); empty before the first header
    int line = 0;       // the header's line, 0 for the part before the first header
    std::span<const TzRvnInpLine> lines;  // lines with tokens or a comment, in file order
};

// The sections of a text and their lines, the lines in one array that the sections view: moved
// whole, never copied.
struct TzRvnInpText {
    TzRvnInpText() = default;
    TzRvnInpText(TzRvnInpText&&) = default;
    TzRvnInpText& operator=(TzRvnInpText&&) = default;
    TzRvnInpText(const TzRvnInpText&) = delete;
    TzRvnInpText& operator=(const TzRvnInpText&) = delete;

    std::vector<TzRvnInpSection> sections;
    std::vector<TzRvnInpLine> lines;
};

// The sections of the UTF-8 text in file order (a leading byte order mark is skipped). The part
// before the first header is a section with an empty name, present only when it holds lines.
TzRvnInpText SplitInpSections(std::string_view text);

// The tokens of line, into tokens (cleared first): views into the text, quotes left out.
void CutInpTokens(const TzRvnInpLine& line, std::vector<std::string_view>& tokens);

// True when every byte of text is ASCII: its wide text is then its bytes one by one.
bool IsAsciiText(std::string_view text);

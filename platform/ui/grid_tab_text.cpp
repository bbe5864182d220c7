#include "grid_tab_text.h"

namespace rvnhost {
namespace {

bool needsQuotes(const std::wstring& cell) {
    return cell.find_first_of(L"\t\r\n") != std::wstring::npos || (!cell.empty() && cell.front() == L'"');
}

std::wstring quoted(const std::wstring& cell) {
    std::wstring text = L"\"";
    for (wchar_t c : cell) text += c == L'"' ? std::wstring(L"\"\"") : std::wstring(1, c);
    return text + L"\"";
}

// Reads a quoted cell from the opening quotation mark; at ends after the closing one.
std::wstring readQuoted(std::wstring_view text, std::size_t& at) {
    std::wstring cell;
    for (++at; at < text.size(); ++at) {
        if (text[at] != L'"') {
            cell += text[at];
        } else if (at + 1 < text.size() && text[at + 1] == L'"') {
            cell += L'"';
            ++at;
        } else {
            ++at;
            break;
        }
    }
    return cell;
}

bool isLineEnd(wchar_t c) { return c == L'\n' || c == L'\r'; }

}  // namespace

std::wstring tabTextOf(const CellBlock& block) {
    std::wstring text;
    for (const std::vector<std::wstring>& row : block) {
        for (std::size_t col = 0; col < row.size(); ++col) {
            if (col > 0) text += L'\t';
            text += needsQuotes(row[col]) ? quoted(row[col]) : row[col];
        }
        text += L"\r\n";
    }
    return text;
}

CellBlock parseTabText(std::wstring_view text) {
    CellBlock block;
    std::vector<std::wstring> row;
    std::wstring cell;
    std::size_t at = 0;
    while (at < text.size()) {
        if (cell.empty() && text[at] == L'"') {
            cell = readQuoted(text, at);
            continue;
        }
        const wchar_t c = text[at++];
        if (c == L'\t') {
            row.push_back(std::move(cell));
            cell.clear();
        } else if (isLineEnd(c)) {
            if (c == L'\r' && at < text.size() && text[at] == L'\n') ++at;
            row.push_back(std::move(cell));
            cell.clear();
            block.push_back(std::move(row));
            row.clear();
        } else {
            cell += c;
        }
    }
    if (!cell.empty() || !row.empty()) {
        row.push_back(std::move(cell));
        block.push_back(std::move(row));
    }
    return block;
}

}  // namespace rvnhost

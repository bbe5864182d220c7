#include "lisp_line.h"

#include "acedads.h"
#include "acutmem.h"
#include "adscodes.h"

#include <cwchar>
#include <cwctype>
#include <optional>
#include <vector>

namespace rvnshell {
namespace {

// The expression's words: names, numbers and quoted texts (kept with their quotes), without the
// outer parentheses; nothing when it is not one parenthesised list.
std::optional<std::vector<std::wstring>> wordsOf(const std::wstring& line) {
    if (line.size() < 2 || line.front() != L'(' || line.back() != L')') return std::nullopt;
    std::vector<std::wstring> words;
    for (std::size_t at = 1; at + 1 < line.size();) {
        if (std::iswspace(line[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        if (line[at] == L'"') {
            end = line.find(L'"', at + 1);
            if (end == std::wstring::npos || end + 1 > line.size() - 1) return std::nullopt;
            ++end;
        } else {
            while (end + 1 < line.size() && !std::iswspace(line[end]) && line[end] != L'(' && line[end] != L')') ++end;
            if (end == at) return std::nullopt;
        }
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

// A number or a quoted text as a one-item list; null when the word is neither.
resbuf* valueOf(const std::wstring& word) {
    if (word.size() >= 2 && word.front() == L'"') return acutBuildList(RTSTR, word.substr(1, word.size() - 2).c_str(), 0);
    wchar_t* end = nullptr;
    const long whole = std::wcstol(word.c_str(), &end, 10);
    if (*end == L'\0') return acutBuildList(RTLONG, static_cast<int>(whole), 0);
    const double real = std::wcstod(word.c_str(), &end);
    if (*end == L'\0') return acutBuildList(RTREAL, real, 0);
    return nullptr;
}

}  // namespace

bool evaluateLispLine(const std::wstring& line, std::wstring& reason) {
    const std::optional<std::vector<std::wstring>> words = wordsOf(line);
    if (!words || words->empty() || (*words)[0] != L"setq" || words->size() % 2 != 1) {
        reason = L"Only (setq NAME VALUE ...) with numbers and \"texts\" is read here: " + line;
        return false;
    }
    for (std::size_t i = 1; i < words->size(); i += 2) {
        resbuf* value = valueOf((*words)[i + 1]);
        if (value == nullptr) {
            reason = L"Not a number or a \"text\": " + (*words)[i + 1];
            return false;
        }
        const int result = acedPutSym((*words)[i].c_str(), value);
        acutRelRb(value);
        if (result != RTNORM) {
            reason = L"The symbol cannot be set: " + (*words)[i];
            return false;
        }
    }
    return true;
}

}  // namespace rvnshell

// The LISP symbols the host keeps for acedGetSym and acedPutSym: each name (without regard to
// case) bound to a list of values (strings, reals, integers, points, entity names, T, nested lists).
#pragma once

#include <string>
#include <vector>

#include "adsdef.h"

namespace rvnhost {

// One value of a symbol's list; a string's text is held in text.
struct LispItem {
    short type = 0;
    ads_u_val value{};
    std::wstring text;
};

class LispSymbols {
public:
    static LispSymbols& instance();

    // Binds a copy of the list; RTERROR for a type LISP cannot hold or unbalanced list marks.
    // A list of RTNIL alone unbinds the symbol.
    int put(const std::wstring& name, const resbuf* list);
    // A new result-buffer list of the symbol's value; null when unbound.
    resbuf* get(const std::wstring& name) const;
    bool isBound(const std::wstring& name) const;
    void clear() { symbols_.clear(); }

private:
    std::vector<std::pair<std::wstring, std::vector<LispItem>>> symbols_;
};

// Binds a string, the common case of the host's own settings (the program folder, for instance).
void putLispString(const std::wstring& name, const std::wstring& value);

}  // namespace rvnhost

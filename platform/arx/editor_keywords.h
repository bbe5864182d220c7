// The keyword list of acedInitGet: keywords separated by blanks. A keyword's capital letters are
// its shortest abbreviation ("LType": LT, LTY, LTYP, LTYPE; "eXit": X or EXIT); "LTYPE,LT" gives
// the abbreviation after a comma; a keyword without capitals must be typed whole. Local keywords
// may be followed by "_" and global ones ("Sì No _ Yes No"): a local keyword then answers its
// global one, and "_Yes" names a global keyword directly. Matching ignores case.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rvnhost {

class KeywordList {
public:
    KeywordList() = default;
    explicit KeywordList(std::wstring_view list);

    bool empty() const { return locals_.empty() && globals_.empty(); }
    // The keyword the answer names, as written in the list (its global one when the list has
    // globals; empty for a local keyword without one); nullopt when it names none.
    std::optional<std::wstring> match(std::wstring_view answer) const;

private:
    struct Keyword {
        std::wstring name;
        std::wstring abbreviation;  // upper case; typed alone or followed by more of the keyword
        std::size_t abbreviationAt = 0;
    };
    static Keyword parseKeyword(std::wstring_view token);
    static bool names(const Keyword& keyword, std::wstring_view answer);

    std::vector<Keyword> locals_;
    std::vector<Keyword> globals_;
};

}  // namespace rvnhost

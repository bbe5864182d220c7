// The name of a node as the records hold it: a fixed field of 16 UTF-16 code units, at most 15 of
// them used and the last one the terminator.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

class TzRvnName {
public:
    static constexpr std::size_t kMaxUnits = 15;

    TzRvnName() = default;

    // A name holding text, or nothing when the text does not fit (see assign).
    static std::optional<TzRvnName> from(std::wstring_view text);

    // Replaces the name by text. Refuses (returns false and keeps the old name) a text of more
    // than 15 UTF-16 code units or one holding a zero character: a name is never cut.
    bool assign(std::wstring_view text);

    std::wstring_view view() const { return std::wstring_view(chars_.data(), length_); }
    std::wstring str() const { return std::wstring(view()); }
    const wchar_t* c_str() const { return chars_.data(); }
    bool empty() const { return length_ == 0; }

    bool operator==(const TzRvnName& other) const { return view() == other.view(); }

private:
    // One wide character per code point: 15 UTF-16 code units never need more than 15 of them.
    std::array<wchar_t, kMaxUnits + 1> chars_{};
    std::size_t length_ = 0;
};

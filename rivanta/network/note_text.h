// The free description of an element: either absent or a non-empty text owned by its record.
#pragma once

#include <string>
#include <string_view>

class TzRvnNote {
public:
    TzRvnNote() = default;
    explicit TzRvnNote(std::wstring_view text) : text_(text) {}

    bool has() const { return !text_.empty(); }
    // The text, empty when the note is absent.
    const std::wstring& text() const { return text_; }
    // Replaces the note; an empty text removes it.
    void set(std::wstring_view text) { text_.assign(text); }

    bool operator==(const TzRvnNote&) const = default;

private:
    std::wstring text_;
};

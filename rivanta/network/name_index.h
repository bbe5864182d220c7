// Sorted lookup of node positions by name, names ordered by their UTF-16 code units.
#pragma once

#include "network/name_field.h"

#include <cstdint>
#include <string_view>
#include <vector>

class TzRvnNameIndex {
public:
    struct Entry {
        TzRvnName name;
        std::int32_t index = 0;
    };

    // Enters (name, index) in name order; a name already present is not entered again, so the
    // first index given for a name is the one found.
    void insert(const TzRvnName& name, std::int32_t index);
    // Replaces the index by entries, as if each were inserted in turn (the first of a name
    // wins), in time proportional to n log n.
    void assign(std::vector<Entry> entries);
    // The index entered for name; 0 when it is not there.
    std::int32_t lookup(std::wstring_view name) const;

    const std::vector<Entry>& entries() const { return entries_; }

private:
    std::vector<Entry> entries_;
};

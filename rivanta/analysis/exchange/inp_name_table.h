// The names of one kind of element of an EPANET input file (nodes, pipes), numbered from 0 in the
// order they are entered, found through one flat hash table. Names are views into the file's
// UTF-8 text, which must outlive the table. Names are the same when their wide texts are: bytes
// that are not well-formed UTF-8 are entered and looked up by the spelling of their wide text.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TzRvnInpNameTable {
public:
    // Makes room for names in all, so that entering them moves nothing.
    void reserve(std::size_t names);
    // Enters name with the next number (the count of names entered before); false, entering
    // nothing, when the name is there already.
    bool insert(std::string_view name);
    // The number of name; nothing when it is not there.
    std::optional<std::uint32_t> find(std::string_view name) const;

private:
    // A used slot holds the number of its name, the low bits of the name's hash and, for a short
    // name, the name itself (see inlineKey), so that finding it does not read the file's text.
    struct Slot {
        std::uint32_t number = kEmpty;
        std::uint32_t hash = 0;
        std::uint64_t key = 0;
    };
    static constexpr std::uint32_t kEmpty = UINT32_MAX;

    // The slot holding key, or the empty slot where it belongs.
    std::size_t slotOf(std::string_view key, std::uint32_t hash) const;
    void rehash(std::size_t slotCount);

    std::vector<Slot> slots_;
    std::vector<std::string_view> names_;  // by number, as spelled in the table
    std::deque<std::string> respelled_;    // the well-formed spellings of malformed names entered
};

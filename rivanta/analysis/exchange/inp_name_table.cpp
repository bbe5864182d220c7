#include "analysis/exchange/inp_name_table.h"

#include "analysis/exchange/inp_lines.h"
#include "network/unicode_text.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace {

// Slots are kept at least twice the names, so that probe runs stay short.
constexpr std::size_t kSlotsPerName = 2;
constexpr std::size_t kLeastSlots = 16;

// The spelling of name's wide text, when it differs from name: malformed bytes read as U+FFFD.
std::optional<std::string> respelling(std::string_view name) {
    if (IsAsciiText(name)) return std::nullopt;
    std::string spelled = rvnutf::toUtf8(rvnutf::fromUtf8(name));
    if (spelled == name) return std::nullopt;
    return spelled;
}

std::uint32_t hashOf(std::string_view key) { return static_cast<std::uint32_t>(std::hash<std::string_view>{}(key)); }

// A name of at most 7 bytes packed whole into one number: its bytes, then its length in the top
// byte. A longer name gives kLongName, and is told apart by its text.
constexpr std::size_t kInlineBytes = 7;
constexpr std::uint64_t kLongName = UINT64_MAX;

std::uint64_t inlineKey(std::string_view name) {
    if (name.size() > kInlineBytes) return kLongName;
    std::uint64_t key = std::uint64_t{name.size()} << (8 * kInlineBytes);
    for (std::size_t i = 0; i < name.size(); ++i) key |= std::uint64_t{static_cast<unsigned char>(name[i])} << (8 * i);
    return key;
}

}  // namespace

void TzRvnInpNameTable::reserve(std::size_t names) {
    names_.reserve(names);
    const std::size_t wanted = std::bit_ceil(std::max(names * kSlotsPerName, kLeastSlots));
    if (wanted > slots_.size()) rehash(wanted);
}

bool TzRvnInpNameTable::insert(std::string_view name) {
    if ((names_.size() + 1) * kSlotsPerName > slots_.size()) reserve(2 * (names_.size() + 1));
    const std::optional<std::string> spelled = respelling(name);
    const std::string_view key = spelled ? std::string_view(*spelled) : name;
    const std::uint32_t hash = hashOf(key);
    Slot& slot = slots_[slotOf(key, hash)];
    if (slot.number != kEmpty) return false;
    slot = {static_cast<std::uint32_t>(names_.size()), hash, inlineKey(key)};
    names_.push_back(spelled ? std::string_view(respelled_.emplace_back(*spelled)) : name);
    return true;
}

std::optional<std::uint32_t> TzRvnInpNameTable::find(std::string_view name) const {
    if (slots_.empty()) return std::nullopt;
    const std::optional<std::string> spelled = respelling(name);
    const std::string_view key = spelled ? std::string_view(*spelled) : name;
    const Slot& slot = slots_[slotOf(key, hashOf(key))];
    if (slot.number == kEmpty) return std::nullopt;
    return slot.number;
}

std::size_t TzRvnInpNameTable::slotOf(std::string_view key, std::uint32_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uint64_t packed = inlineKey(key);
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.number == kEmpty) return i;
        if (slot.hash == hash && slot.key == packed && (packed != kLongName || names_[slot.number] == key)) return i;
    }
}

void TzRvnInpNameTable::rehash(std::size_t slotCount) {
    std::vector<Slot> old(slotCount);
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.number == kEmpty) continue;
        std::size_t i = slot.hash & mask;
        while (slots_[i].number != kEmpty) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

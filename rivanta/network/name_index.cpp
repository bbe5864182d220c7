#include "network/name_index.h"

#include "text_codec.h"

#include <algorithm>

namespace {

bool entryBefore(const TzRvnNameIndex::Entry& entry, std::wstring_view name) {
    return rvnos::compareUtf16(entry.name.view(), name) < 0;
}

}  // namespace

void TzRvnNameIndex::insert(const TzRvnName& name, std::int32_t index) {
    auto at = std::lower_bound(entries_.begin(), entries_.end(), name.view(), entryBefore);
    if (at != entries_.end() && at->name == name) return;
    entries_.insert(at, Entry{name, index});
}

std::int32_t TzRvnNameIndex::lookup(std::wstring_view name) const {
    auto at = std::lower_bound(entries_.begin(), entries_.end(), name, entryBefore);
    if (at == entries_.end() || at->name.view() != name) return 0;
    return at->index;
}

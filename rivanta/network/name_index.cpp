#include "network/name_index.h"

#include "network/unicode_text.h"

#include <algorithm>

namespace {

bool entryBefore(const TzRvnNameIndex::Entry& entry, std::wstring_view name) {
    return rvnutf::compareUtf16(entry.name.view(), name) < 0;
}

}  // namespace

void TzRvnNameIndex::insert(const TzRvnName& name, std::int32_t index) {
    auto at = std::lower_bound(entries_.begin(), entries_.end(), name.view(), entryBefore);
    if (at != entries_.end() && at->name == name) return;
    entries_.insert(at, Entry{name, index});
}

void TzRvnNameIndex::assign(std::vector<Entry> entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return rvnutf::compareUtf16(a.name.view(), b.name.view()) < 0; });
    auto sameName = [](const Entry& a, const Entry& b) { return a.name == b.name; };
    entries.erase(std::unique(entries.begin(), entries.end(), sameName), entries.end());
    entries_ = std::move(entries);
}

std::int32_t TzRvnNameIndex::lookup(std::wstring_view name) const {
    auto at = std::lower_bound(entries_.begin(), entries_.end(), name, entryBefore);
    if (at == entries_.end() || at->name.view() != name) return 0;
    return at->index;
}

#include "schema/position_index.h"

#include <algorithm>

namespace {

int compareCoordinate(double a, double b) {
    if (a - b < -TzRvnPositionIndex::kTolerance) return -1;
    if (a - b > TzRvnPositionIndex::kTolerance) return 1;
    return 0;
}

bool entryBefore(const TzRvnPositionIndex::Entry& entry, const AcGePoint3d& point) {
    return ComparePoints(entry.point, point) < 0;
}

}  // namespace

int ComparePoints(const AcGePoint3d& a, const AcGePoint3d& b) {
    if (int c = compareCoordinate(a.x, b.x)) return c;
    if (int c = compareCoordinate(a.y, b.y)) return c;
    return compareCoordinate(a.z, b.z);
}

namespace {

// A block is split in two once it holds twice this many entries.
constexpr std::size_t kBlockEntries = 256;

}  // namespace

std::size_t TzRvnPositionIndex::blockOf(std::size_t position) const {
    const auto after = std::upper_bound(blockStart_.begin(), blockStart_.end(), position);
    return static_cast<std::size_t>(after - blockStart_.begin()) - 1;
}

const TzRvnPositionIndex::Entry& TzRvnPositionIndex::at(std::size_t position) const {
    const std::size_t block = blockOf(position);
    return blocks_[block][position - blockStart_[block]];
}

std::size_t TzRvnPositionIndex::lowerBound(const AcGePoint3d& point) const {
    std::size_t first = 0;
    std::size_t length = size_;
    while (length > 0) {
        const std::size_t half = length / 2;
        if (entryBefore(at(first + half), point)) {
            first += half + 1;
            length -= half + 1;
        } else {
            length = half;
        }
    }
    return first;
}

void TzRvnPositionIndex::insert(const AcGePoint3d& point, const TzRvnName& name) {
    const std::size_t position = lowerBound(point);
    if (position < size_ && ComparePoints(at(position).point, point) == 0) return;
    if (blocks_.empty()) {
        blocks_.emplace_back();
        blockStart_.push_back(0);
    }
    const std::size_t block = blockOf(position);
    std::vector<Entry>& entries = blocks_[block];
    entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(position - blockStart_[block]), Entry{point, name});
    if (entries.size() >= 2 * kBlockEntries) {
        std::vector<Entry> upper(entries.begin() + kBlockEntries, entries.end());
        entries.resize(kBlockEntries);
        blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
        blockStart_.insert(blockStart_.begin() + static_cast<std::ptrdiff_t>(block) + 1, 0);
    }
    for (std::size_t b = block + 1; b < blocks_.size(); ++b) blockStart_[b] = blockStart_[b - 1] + blocks_[b - 1].size();
    ++size_;
    flatCurrent_ = false;
}

TzRvnName TzRvnPositionIndex::lookup(const AcGePoint3d& point) const {
    const std::size_t position = lowerBound(point);
    if (position == size_ || ComparePoints(at(position).point, point) != 0) return *TzRvnName::from(L"--");
    return at(position).name;
}

const std::vector<TzRvnPositionIndex::Entry>& TzRvnPositionIndex::entries() const {
    if (!flatCurrent_) {
        flat_.clear();
        for (const std::vector<Entry>& block : blocks_) flat_.insert(flat_.end(), block.begin(), block.end());
        flatCurrent_ = true;
    }
    return flat_;
}

#include "analysis/linear_algebra/envelope_units.h"

#include "analysis/linear_algebra/vector_position.h"

#include <algorithm>
#include <thread>

namespace {

// A profile below this takes a few milliseconds to eliminate: starting threads would not pay.
constexpr long long kThreadedProfileEntries = 1'000'000;
// A unit's work in the columns at the previous unit's rows waits for that unit: in a drawing's
// numbering a unit of a thousand entries spans a few dozen rows, against envelopes reaching back
// hundreds, so that only a tenth of its work waits, and the hand-overs (a few thousand a
// factorisation) cost little.
constexpr long long kUnitEntries = 1'000;
constexpr int kMostThreads = 4;

// The last row of panel p and, for a leading panel, of the panel eliminated with it.
int lastRowWithPair(const TzRvnEnvelopeStorage& storage, int p) {
    const int paired = storage.pairedPanel[at(p)];
    return paired < 0 ? storage.lastRow(p) : std::max(storage.lastRow(p), storage.lastRow(paired));
}

}  // namespace

TzRvnEliminationUnits EliminationUnits(const TzRvnEnvelopeStorage& storage, long long minimumEntries, int threads) {
    TzRvnEliminationUnits units;
    units.threads = std::max(threads, 1);
    units.firstRow.push_back(0);
    int reach = -1;  // the last row of the panels the open unit touches
    long long entries = 0;
    for (int r = 0; r < storage.size; ++r) {
        reach = std::max(reach, lastRowWithPair(storage, storage.panelOf[at(r)]));
        entries += r - storage.rowFirst[at(r)] + 1;
        if (reach == r && entries >= minimumEntries && r + 1 < storage.size) {
            units.firstRow.push_back(r + 1);
            entries = 0;
        }
    }
    units.firstRow.push_back(storage.size);
    return units;
}

TzRvnEliminationUnits DefaultEliminationUnits(const TzRvnEnvelopeStorage& storage) {
    const int processors = static_cast<int>(std::thread::hardware_concurrency());
    if (storage.entries() < kThreadedProfileEntries || processors < 2) {
        return {{0, storage.size}, 1};
    }
    return EliminationUnits(storage, kUnitEntries, std::min(processors, kMostThreads));
}

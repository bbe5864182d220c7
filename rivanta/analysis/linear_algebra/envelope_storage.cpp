#include "analysis/linear_algebra/envelope_storage.h"

#include "analysis/linear_algebra/vector_position.h"

#include <algorithm>

namespace {

std::vector<int> rowFirsts(int n, const std::vector<std::pair<int, int>>& links) {
    std::vector<int> first(at(n));
    for (int i = 0; i < n; ++i) first[at(i)] = i;
    for (const auto& [a, b] : links) {
        const int row = std::max(a, b);
        first[at(row)] = std::min(first[at(row)], std::min(a, b));
    }
    return first;
}

// Wide rows fill panels four at a time in row order; each narrow row opens a panel of its own.
void assignRowsToPanels(TzRvnEnvelopeStorage& storage) {
    storage.panelOf.resize(at(storage.size));
    storage.positionInPanel.resize(at(storage.size));
    int openWide = -1;
    for (int i = 0; i < storage.size; ++i) {
        const bool wide = i - storage.rowFirst[at(i)] >= kWideBandwidth;
        if (!wide || openWide < 0) {
            storage.panelRows.insert(storage.panelRows.end(), kPanelRows, -1);
            storage.panelFirst.push_back(storage.rowFirst[at(i)]);
            if (wide) openWide = storage.panels() - 1;
        }
        const int p = wide ? openWide : storage.panels() - 1;
        int position = 0;
        while (storage.row(p, position) >= 0) ++position;
        storage.panelRows[at(kPanelRows * p + position)] = i;
        storage.panelFirst[at(p)] = std::min(storage.panelFirst[at(p)], storage.rowFirst[at(i)]);
        storage.panelOf[at(i)] = p;
        storage.positionInPanel[at(i)] = position;
        if (wide && position == kPanelRows - 1) openWide = -1;
    }
}

void pairWidePanels(TzRvnEnvelopeStorage& storage) {
    storage.pairedPanel.assign(at(storage.panels()), -1);
    int leading = -1;
    for (int p = 0; p < storage.panels(); ++p) {
        const int first = storage.row(p, 0);
        if (first - storage.rowFirst[at(first)] < kWideBandwidth) continue;
        if (leading < 0) {
            leading = p;
        } else {
            storage.pairedPanel[at(leading)] = p;
            leading = -1;
        }
    }
}

void allocatePanels(TzRvnEnvelopeStorage& storage) {
    storage.panelStart.assign(at(storage.panels()) + 1, 0);
    for (int p = 0; p < storage.panels(); ++p) {
        const std::size_t columns = at(storage.lastRow(p) - storage.panelFirst[at(p)] + 1);
        storage.panelStart[at(p) + 1] = storage.panelStart[at(p)] + columns * kPanelRows;
    }
    storage.rowOrigin.resize(at(storage.size));
    for (int i = 0; i < storage.size; ++i) {
        const std::size_t p = at(storage.panelOf[at(i)]);
        storage.rowOrigin[at(i)] = static_cast<std::ptrdiff_t>(storage.panelStart[p]) -
                                   std::ptrdiff_t{kPanelRows} * storage.panelFirst[p] + storage.positionInPanel[at(i)];
    }
}

void markStructuralNonzeros(TzRvnEnvelopeStorage& storage, const std::vector<std::pair<int, int>>& links) {
    storage.structuralNonzeros.assign(storage.valueCount() / kPanelRows, 0);
    const auto mark = [&](int i, int j) {
        unsigned char& mask = storage.structuralNonzeros[storage.columnIndex(storage.panelOf[at(i)], j) / kPanelRows];
        mask = static_cast<unsigned char>(mask | 1u << storage.positionInPanel[at(i)]);
    };
    for (int i = 0; i < storage.size; ++i) mark(i, i);
    for (const auto& [a, b] : links) mark(std::max(a, b), std::min(a, b));
}

}  // namespace

long long TzRvnEnvelopeStorage::entries() const {
    long long entries = 0;
    for (int i = 0; i < size; ++i) entries += i - rowFirst[at(i)] + 1;
    return entries;
}

TzRvnEnvelopeStorage EnvelopeStorage(int n, const std::vector<std::pair<int, int>>& links) {
    TzRvnEnvelopeStorage storage;
    storage.size = std::max(n, 0);
    storage.rowFirst = rowFirsts(storage.size, links);
    assignRowsToPanels(storage);
    pairWidePanels(storage);
    allocatePanels(storage);
    markStructuralNonzeros(storage, links);
    return storage;
}

bool EnvelopeIsCheaper(const TzRvnEnvelopeStorage& storage, long long factorEntries) {
    return 2 * storage.entries() <= 3 * factorEntries;
}

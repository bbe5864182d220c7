#include "analysis/linear_algebra/envelope_layout.h"

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
void groupRows(TzRvnEnvelopeLayout& layout) {
    layout.panelOf.resize(at(layout.size));
    layout.laneOf.resize(at(layout.size));
    int openWide = -1;
    for (int i = 0; i < layout.size; ++i) {
        const bool wide = i - layout.rowFirst[at(i)] >= kWideRow;
        if (!wide || openWide < 0) {
            layout.panelRows.insert(layout.panelRows.end(), kPanelRows, -1);
            layout.panelFirst.push_back(layout.rowFirst[at(i)]);
            if (wide) openWide = layout.panels() - 1;
        }
        const int p = wide ? openWide : layout.panels() - 1;
        int lane = 0;
        while (layout.row(p, lane) >= 0) ++lane;
        layout.panelRows[at(kPanelRows * p + lane)] = i;
        layout.panelFirst[at(p)] = std::min(layout.panelFirst[at(p)], layout.rowFirst[at(i)]);
        layout.panelOf[at(i)] = p;
        layout.laneOf[at(i)] = lane;
        if (wide && lane == kPanelRows - 1) openWide = -1;
    }
}

void pairWidePanels(TzRvnEnvelopeLayout& layout) {
    layout.follower.assign(at(layout.panels()), -1);
    int leader = -1;
    for (int p = 0; p < layout.panels(); ++p) {
        const int first = layout.row(p, 0);
        if (first - layout.rowFirst[at(first)] < kWideRow) continue;
        if (leader < 0) {
            leader = p;
        } else {
            layout.follower[at(leader)] = p;
            leader = -1;
        }
    }
}

void placePanels(TzRvnEnvelopeLayout& layout) {
    layout.panelStart.assign(at(layout.panels()) + 1, 0);
    for (int p = 0; p < layout.panels(); ++p) {
        const std::size_t columns = at(layout.lastRow(p) - layout.panelFirst[at(p)] + 1);
        layout.panelStart[at(p) + 1] = layout.panelStart[at(p)] + columns * kPanelRows;
    }
    layout.rowOrigin.resize(at(layout.size));
    for (int i = 0; i < layout.size; ++i) {
        const std::size_t p = at(layout.panelOf[at(i)]);
        layout.rowOrigin[at(i)] = static_cast<std::ptrdiff_t>(layout.panelStart[p]) -
                                  std::ptrdiff_t{kPanelRows} * layout.panelFirst[p] + layout.laneOf[at(i)];
    }
}

void markMatrixLanes(TzRvnEnvelopeLayout& layout, const std::vector<std::pair<int, int>>& links) {
    layout.matrixLanes.assign(layout.values() / kPanelRows, 0);
    const auto mark = [&](int i, int j) {
        const std::size_t column = layout.column(layout.panelOf[at(i)], j) / kPanelRows;
        layout.matrixLanes[column] = static_cast<unsigned char>(layout.matrixLanes[column] | 1u << layout.laneOf[at(i)]);
    };
    for (int i = 0; i < layout.size; ++i) mark(i, i);
    for (const auto& [a, b] : links) mark(std::max(a, b), std::min(a, b));
}

}  // namespace

long long TzRvnEnvelopeLayout::entries() const {
    long long entries = 0;
    for (int i = 0; i < size; ++i) entries += i - rowFirst[at(i)] + 1;
    return entries;
}

TzRvnEnvelopeLayout EnvelopeLayout(int n, const std::vector<std::pair<int, int>>& links) {
    TzRvnEnvelopeLayout layout;
    layout.size = std::max(n, 0);
    layout.rowFirst = rowFirsts(layout.size, links);
    groupRows(layout);
    pairWidePanels(layout);
    placePanels(layout);
    markMatrixLanes(layout, links);
    return layout;
}

bool PanelsPayOff(const TzRvnEnvelopeLayout& layout, long long factorEntries) {
    return 2 * layout.entries() <= 3 * factorEntries;
}

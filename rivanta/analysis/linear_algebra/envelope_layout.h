// Where the entries of a Cholesky factor in the matrix's own row order live when each row is kept
// from its first entry to its diagonal (its envelope): no fill can fall outside it. Rows are kept
// in panels of four lanes that hold, column by column, their rows' values side by side, so the
// factorisation works on four rows with one vector operation. Wide rows share panels, four
// consecutive wide rows to a panel; a narrow row has a panel of its own.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

inline constexpr int kPanelRows = 4;
// Rows whose envelope spans at least this many columns left of the diagonal are wide.
inline constexpr int kWideRow = 8;

struct TzRvnEnvelopeLayout {
    int size = 0;
    // The first column of row i's envelope: its lowest neighbour, or i itself.
    std::vector<int> rowFirst;
    // Row i is lane laneOf[i] of panel panelOf[i].
    std::vector<int> panelOf;
    std::vector<int> laneOf;
    // Panel p's rows by lane (-1 for a lane left free), increasing; it keeps columns panelFirst[p]
    // (its rows' lowest first column) to its last row, from panelStart[p] in the values.
    std::vector<int> panelRows;
    std::vector<int> panelFirst;
    std::vector<std::size_t> panelStart;
    // The wide panel brought along with wide panel p while p's rows are reached, or -1: wide
    // panels go in pairs, the first of each pair leading, so that two panels' sums advance at once.
    std::vector<int> follower;
    // Per panel column, at column(p, j) / kPanelRows, the lanes whose row has an entry of A there (a
    // link or the diagonal), bit m for lane m: the factorisation reads every other place of A as
    // +0.0, whatever it holds.
    std::vector<unsigned char> matrixLanes;
    // Where row i's entry in column 0 would be: its entry in column j is kPanelRows * j further.
    std::vector<std::ptrdiff_t> rowOrigin;

    int panels() const { return static_cast<int>(panelFirst.size()); }
    int row(int panel, int lane) const { return panelRows[static_cast<std::size_t>(kPanelRows * panel + lane)]; }
    int lastRow(int panel) const {
        int last = -1;
        for (int lane = 0; lane < kPanelRows; ++lane) last = std::max(last, row(panel, lane));
        return last;
    }
    // The number of values kept, free lanes and the places right of the diagonals included.
    std::size_t values() const { return panelStart.empty() ? 0 : panelStart.back(); }
    // The place of column j of panel p's lane 0.
    std::size_t column(int p, int j) const {
        const std::size_t at = static_cast<std::size_t>(p);
        return panelStart[at] + static_cast<std::size_t>(kPanelRows * (j - panelFirst[at]));
    }
    // The place of entry (i, j), rowFirst[i] <= j <= i.
    std::size_t place(int i, int j) const {
        return static_cast<std::size_t>(rowOrigin[static_cast<std::size_t>(i)] + std::ptrdiff_t{kPanelRows} * j);
    }
    // The entries of the lower triangle and the diagonal inside the rows' envelopes.
    long long entries() const;
};

// The envelope of an n x n symmetric matrix whose off-diagonal entries other than 0 are the pairs
// of links (either order, 0-based, repeats allowed), the diagonal being full.
TzRvnEnvelopeLayout EnvelopeLayout(int n, const std::vector<std::pair<int, int>>& links);

// Whether the envelope factorisation is the cheaper exact one for this layout: factorEntries is
// the number of entries of the factor's pattern. An envelope much larger than the pattern holds
// mostly zeros the pattern's factorisation never touches.
bool PanelsPayOff(const TzRvnEnvelopeLayout& layout, long long factorEntries);

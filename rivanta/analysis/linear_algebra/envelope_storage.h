// Envelope (profile, variable-band or skyline) storage of a Cholesky factor in the matrix's own row
// order: each row i is kept from its first nonzero column f_i to its diagonal, and the
// factorisation's fill-in never falls outside it (George and Liu, "Computer Solution of Large
// Sparse Positive Definite Systems", 1981, ch. 4). Rows are kept in panels of four interleaved
// rows, column by column side by side, so the factorisation works on four rows with one SIMD
// operation. Wide rows (a large bandwidth i - f_i) share panels, four consecutive wide rows to a
// panel; a narrow row has a panel of its own.
#pragma once

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

inline constexpr int kPanelRows = 4;
// Rows whose bandwidth i - f_i is at least this are wide.
inline constexpr int kWideBandwidth = 8;

struct TzRvnEnvelopeStorage {
    int size = 0;
    // f_i, the first column of row i's envelope: its lowest neighbour, or i itself.
    std::vector<int> rowFirst;
    // Row i is row positionInPanel[i] (its SIMD lane) of panel panelOf[i].
    std::vector<int> panelOf;
    std::vector<int> positionInPanel;
    // Panel p's rows by position (-1 for a free one), increasing; it keeps columns panelFirst[p]
    // (its rows' lowest first column) to its last row, from index panelStart[p] of the values.
    std::vector<int> panelRows;
    std::vector<int> panelFirst;
    std::vector<std::size_t> panelStart;
    // The wide panel eliminated together with wide panel p while p's rows are reached, or -1: wide
    // panels go in pairs, the first of each pair leading, so that two panels' updates advance at
    // once (unroll and jam).
    std::vector<int> pairedPanel;
    // Per panel column, at columnIndex(p, j) / kPanelRows, the rows whose entry of A there is a
    // structural nonzero (a link or the diagonal), bit m for position m: the factorisation reads
    // every other entry of A as +0.0, whatever the storage holds.
    std::vector<unsigned char> structuralNonzeros;
    // The index row i's entry in column 0 would have: its entry in column j is kPanelRows * j further.
    std::vector<std::ptrdiff_t> rowOrigin;

    int panels() const { return static_cast<int>(panelFirst.size()); }
    int row(int panel, int position) const {
        return panelRows[static_cast<std::size_t>(kPanelRows * panel + position)];
    }
    int lastRow(int panel) const {
        int last = -1;
        for (int position = 0; position < kPanelRows; ++position) last = std::max(last, row(panel, position));
        return last;
    }
    // The number of values kept, free rows of panels and the entries right of the diagonals included.
    std::size_t valueCount() const { return panelStart.empty() ? 0 : panelStart.back(); }
    // The index of column j of panel p's first row.
    std::size_t columnIndex(int p, int j) const {
        const std::size_t at = static_cast<std::size_t>(p);
        return panelStart[at] + static_cast<std::size_t>(kPanelRows * (j - panelFirst[at]));
    }
    // The index of entry (i, j), rowFirst[i] <= j <= i.
    std::size_t index(int i, int j) const {
        return static_cast<std::size_t>(rowOrigin[static_cast<std::size_t>(i)] + std::ptrdiff_t{kPanelRows} * j);
    }
    // The entries of the lower triangle and the diagonal inside the rows' envelopes (the profile).
    long long entries() const;
};

// The envelope storage of an n x n symmetric matrix whose off-diagonal nonzeros are the pairs of
// links (either order, 0-based, repeats allowed), the diagonal being full.
TzRvnEnvelopeStorage EnvelopeStorage(int n, const std::vector<std::pair<int, int>>& links);

// Whether the envelope factorisation is the cheaper exact one for this storage: factorEntries is
// the number of entries of the factor's pattern. An envelope much larger than the pattern holds
// mostly zeros the pattern's factorisation never touches.
bool EnvelopeIsCheaper(const TzRvnEnvelopeStorage& storage, long long factorEntries);

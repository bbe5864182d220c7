// Where the entries of a Cholesky factor in the matrix's own row order live when each row is kept
// from its first entry to its diagonal (the envelope): no fill can fall outside it. Rows are taken
// four at a time in panels; a panel keeps, column by column, the four rows' values side by side,
// so the factorisation works on four rows with one vector operation.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

inline constexpr int kPanelRows = 4;

struct TzRvnEnvelopeLayout {
    int size = 0;
    // The first column of row i's envelope: its lowest neighbour, or i itself.
    std::vector<int> rowFirst;
    // Panel p holds rows kPanelRows * p onwards, columns panelFirst[p] (a multiple of kPanelRows)
    // to its last row, from panelStart[p] in the values.
    std::vector<int> panelFirst;
    std::vector<std::size_t> panelStart;
    // The rows below column j whose envelope reaches it, in increasing order:
    // columnRow[columnStart[j]] .. columnRow[columnStart[j + 1] - 1]; filled by
    // ListEnvelopeColumns, once the layout is chosen.
    std::vector<std::size_t> columnStart;
    std::vector<int> columnRow;

    int panels() const { return static_cast<int>(panelFirst.size()); }
    // The number of values kept, padding and the upper corners of the diagonal blocks included.
    std::size_t values() const { return panelStart.empty() ? 0 : panelStart.back(); }
    // The place of entry (i, j), j <= i, within the envelope of row i's panel.
    std::size_t place(int i, int j) const {
        const std::size_t p = static_cast<std::size_t>(i / kPanelRows);
        return panelStart[p] + static_cast<std::size_t>(kPanelRows * (j - panelFirst[p]) + i % kPanelRows);
    }
    // The entries of the lower triangle and the diagonal inside the rows' envelopes.
    long long entries() const;
};

// Fills the layout's column lists.
void ListEnvelopeColumns(TzRvnEnvelopeLayout& layout);

// Whether the envelope factorisation is the cheaper exact one for this layout. The four rows of a
// panel work as long as its widest one, so rows of very different widths (a few long rows among
// short ones) make it do many times the work of the factorisation on the factor's pattern, while
// rows of like widths (a banded matrix) let its vector steps run at about twice that one's speed.
bool PanelsPayOff(const TzRvnEnvelopeLayout& layout);

// The envelope of an n x n symmetric matrix whose off-diagonal entries other than 0 are the pairs
// of links (either order, 0-based, repeats allowed), the diagonal being full.
TzRvnEnvelopeLayout EnvelopeLayout(int n, const std::vector<std::pair<int, int>>& links);

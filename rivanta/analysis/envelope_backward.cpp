#include "analysis/envelope_backward.h"

#include <algorithm>

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

// The back substitution of one block of columns [first, end) after another, from the last. Slot
// c of the terms holds column first + c's products in increasing row from front[c] to back[c]:
// those of the rows after the block are put after the slot's middle, in increasing row, before
// the block is solved; those of the block's own rows in front of it, one row after another as
// they are solved, in decreasing row. A product whose factor is 0.0 is written and not counted, so
// the next one takes its place.
class BackBlocks {
public:
    BackBlocks(const TzRvnEnvelopeLayout& layout, const double* values, std::vector<double>& b, int blockColumns)
        : layout_(layout), values_(values), b_(b), block_(std::max(blockColumns, 1)),
          front_(at(block_)), back_(at(block_)) {}

    void solve() {
        for (int end = layout_.size; end > 0;) {
            const int first = std::max(end - block_, 0);
            gatherLaterRows(first, end);
            solveColumns(first, end);
            keepRowsReaching(first, end);
            end = first;
        }
    }

private:
    const double* entry(int i, int j) const { return values_ + layout_.place(i, j); }

    // later_ holds the rows after the block that reach into it, in increasing order.
    void gatherLaterRows(int first, int end) {
        const std::size_t width = at(block_) + later_.size();
        if (terms_.size() < width * at(block_)) terms_.resize(width * at(block_));
        for (int c = 0; c < end - first; ++c) front_[at(c)] = back_[at(c)] = width * at(c) + at(block_);
        for (const int j : later_) {
            const int from = std::max(first, layout_.rowFirst[at(j)]);
            const double* l = entry(j, from);
            const double bj = b_[at(j)];
            for (int c = from - first; c < end - first; ++c, l += kPanelRows) {
                terms_[back_[at(c)]] = *l * bj;
                back_[at(c)] += *l != 0.0;
            }
        }
    }

    void solveColumns(int first, int end) {
        for (int i = end - 1; i >= first; --i) {
            const std::size_t c = at(i - first);
            double bi = b_[at(i)];
            for (std::size_t t = front_[c]; t < back_[c]; ++t) bi -= terms_[t];
            b_[at(i)] = bi / *entry(i, i);
            spreadRow(first, i);
        }
    }

    // Row i's products with the block's columns before i, in front of their slots.
    void spreadRow(int first, int i) {
        const int from = std::max(first, layout_.rowFirst[at(i)]);
        const double* l = entry(i, from);
        const double bi = b_[at(i)];
        for (int c = from - first; c < i - first; ++c, l += kPanelRows) {
            terms_[front_[at(c)] - 1] = *l * bi;
            front_[at(c)] -= *l != 0.0;
        }
    }

    // The rows from first on that reach before it: the block's own, then the later ones.
    void keepRowsReaching(int first, int end) {
        reaching_.clear();
        for (int j = first; j < end; ++j) {
            if (layout_.rowFirst[at(j)] < first) reaching_.push_back(j);
        }
        for (const int j : later_) {
            if (layout_.rowFirst[at(j)] < first) reaching_.push_back(j);
        }
        later_.swap(reaching_);
    }

    const TzRvnEnvelopeLayout& layout_;
    const double* values_;
    std::vector<double>& b_;
    const int block_;
    std::vector<double> terms_;
    std::vector<std::size_t> front_;
    std::vector<std::size_t> back_;
    std::vector<int> later_;
    std::vector<int> reaching_;
};

}  // namespace

void BackSubstituteEnvelope(const TzRvnEnvelopeLayout& layout, const double* values, std::vector<double>& b,
                            int blockColumns) {
    BackBlocks(layout, values, b, blockColumns).solve();
}

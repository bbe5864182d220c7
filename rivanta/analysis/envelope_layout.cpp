#include "analysis/envelope_layout.h"

#include <algorithm>

namespace {

std::size_t at(int i) { return static_cast<std::size_t>(i); }

std::vector<int> rowFirsts(int n, const std::vector<std::pair<int, int>>& links) {
    std::vector<int> first(at(n));
    for (int i = 0; i < n; ++i) first[at(i)] = i;
    for (const auto& [a, b] : links) {
        const int row = std::max(a, b);
        first[at(row)] = std::min(first[at(row)], std::min(a, b));
    }
    return first;
}

void placePanels(TzRvnEnvelopeLayout& layout) {
    const int panels = (layout.size + kPanelRows - 1) / kPanelRows;
    layout.panelFirst.resize(at(panels));
    layout.panelStart.assign(at(panels) + 1, 0);
    for (int p = 0; p < panels; ++p) {
        const int top = kPanelRows * p;
        const int bottom = std::min(top + kPanelRows, layout.size);
        const int first = *std::min_element(layout.rowFirst.begin() + top, layout.rowFirst.begin() + bottom);
        layout.panelFirst[at(p)] = first - first % kPanelRows;
        const std::size_t columns = at(top + kPanelRows - layout.panelFirst[at(p)]);
        layout.panelStart[at(p) + 1] = layout.panelStart[at(p)] + columns * kPanelRows;
    }
}

// Products the panel steps form: each panel's four rows against four rows at a time over the
// columns both reach, the padding included.
double panelProducts(const TzRvnEnvelopeLayout& layout) {
    double products = 0;
    for (int p = 0; p < layout.panels(); ++p) {
        const int first = layout.panelFirst[at(p)];
        for (int q = first / kPanelRows; q <= p; ++q) {
            products += kPanelRows * kPanelRows * (kPanelRows * q - std::max(first, layout.panelFirst[at(q)]));
        }
    }
    return products;
}

// Products of the row by row factorisation of the envelopes, which the one on the factor's
// pattern forms about as many of.
double rowProducts(const TzRvnEnvelopeLayout& layout) {
    double products = 0;
    for (int i = 0; i < layout.size; ++i) {
        const int first = layout.rowFirst[at(i)];
        for (int k = first; k <= i; ++k) products += k - std::max(first, layout.rowFirst[at(k)]);
    }
    return products;
}

}  // namespace

long long TzRvnEnvelopeLayout::entries() const {
    long long entries = 0;
    for (int i = 0; i < size; ++i) entries += i - rowFirst[at(i)] + 1;
    return entries;
}

bool PanelsPayOff(const TzRvnEnvelopeLayout& layout) { return panelProducts(layout) <= 2 * rowProducts(layout); }

TzRvnEnvelopeLayout EnvelopeLayout(int n, const std::vector<std::pair<int, int>>& links) {
    TzRvnEnvelopeLayout layout;
    layout.size = std::max(n, 0);
    layout.rowFirst = rowFirsts(layout.size, links);
    placePanels(layout);
    return layout;
}

void ListEnvelopeColumns(TzRvnEnvelopeLayout& layout) {
    const int n = layout.size;
    std::vector<std::size_t> count(at(n) + 1, 0);
    for (int i = 0; i < n; ++i) {
        for (int j = layout.rowFirst[at(i)]; j < i; ++j) ++count[at(j) + 1];
    }
    for (std::size_t j = 0; j < at(n); ++j) count[j + 1] += count[j];
    layout.columnStart = count;
    layout.columnRow.resize(count.back());
    for (int i = 0; i < n; ++i) {
        for (int j = layout.rowFirst[at(i)]; j < i; ++j) layout.columnRow[count[at(j)]++] = i;
    }
}

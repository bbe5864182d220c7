// The exact system: the matrix kept in its rows' envelopes in the network's node order, solved
// with the dense factorisation's bits.
#pragma once

#include "analysis/linear_algebra/envelope_cholesky.h"
#include "analysis/linear_algebra/compressed_assembly.h"
#include "analysis/linear_algebra/sparse_system.h"

class TzRvnEnvelopeSystem : public TzRvnSystemMatrix {
public:
    // storage is the envelope of network's branches taking part (BranchLinks).
    TzRvnEnvelopeSystem(const TzRvnNetworkData& network, TzRvnEnvelopeStorage storage);

    void clear() override;
    void addBranch(int k, int s, int e, double c) override;
    void fixHead(int n, double level, std::vector<double>& rhs) override;
    int solve(std::vector<double>& b) override;
    long long factorEntries() const override;

private:
    // The index of a stored entry of A in a node's row or column, and the other node of that entry.
    struct TzRvnNodeEntry {
        std::size_t index;
        int other;
    };

    void listNodeEntries(const TzRvnNetworkData& network);
    void dropRepeatedEntries(const std::vector<std::size_t>& ends);

    TzRvnEnvelopeFactor factor_;
    std::vector<TzRvnBranchEntries> branches_;  // by branch, the indices of its entries
    // Node n's entries: nodeEntries_[nodeStart_[n]] .. nodeEntries_[nodeStart_[n + 1] - 1].
    std::vector<std::size_t> nodeStart_;
    std::vector<TzRvnNodeEntry> nodeEntries_;
};

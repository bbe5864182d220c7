// The exact system: the matrix kept in its rows' envelopes in the network's node order, solved
// with the dense factorisation's bits.
#pragma once

#include "analysis/envelope_cholesky.h"
#include "analysis/branch_places.h"
#include "analysis/sparse_system.h"

class TzRvnEnvelopeSystem : public TzRvnSystemMatrix {
public:
    // layout is the envelope of network's branches taking part (BranchLinks).
    TzRvnEnvelopeSystem(const TzRvnNetworkData& network, TzRvnEnvelopeLayout layout);

    void clear() override;
    void addBranch(int k, int s, int e, double c) override;
    void fixHead(int n, double level, std::vector<double>& rhs) override;
    int solve(std::vector<double>& b) override;
    long long factorEntries() const override;

private:
    // The rows below node n whose envelope reaches n, in increasing order.
    std::vector<int> rowsBelow(int n) const;

    TzRvnEnvelopeFactor factor_;
    std::vector<TzRvnBranchPlaces> branches_;  // by branch, its entries' places
    std::vector<int> tankNodes_;                // the tanks' nodes, increasing, each once
    std::vector<std::vector<int>> tankRows_;    // by tank node, rowsBelow(node)
};

#include "random_systems.h"

#include <limits>

namespace rvntest {
namespace {

double oddValue(std::mt19937& random, OddValues kinds) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double odds[] = {0.0, -0.0, -1.0, 1e-300, 1e200, nan, -nan, std::numeric_limits<double>::infinity()};
    const std::size_t finiteOdds = 5;
    return odds[random() % (kinds == OddValues::finite ? finiteOdds : std::size(odds))];
}

}  // namespace

std::wstring WithoutNanSigns(std::wstring report) {
    for (std::size_t at = report.find(L"-nan"); at != std::wstring::npos; at = report.find(L"-nan", at)) {
        report.erase(at, 1);
    }
    return report;
}

RandomSystem RandomSystemOf(std::mt19937& random, double oddShare, int maxSize, OddValues kinds) {
    RandomSystem s;
    s.n = 1 + static_cast<int>(random() % static_cast<unsigned>(maxSize));
    s.dense = TzRvnDenseMatrix(s.n);
    std::uniform_real_distribution<double> value(0.1, 2.0);
    std::bernoulli_distribution odd(oddShare);
    for (int i = 0; i < s.n; ++i) {
        s.dense[i][i] = 2.0 * s.n;
        s.b.push_back(odd(random) ? oddValue(random, kinds) : value(random) * 10.0);
    }
    const int edges = static_cast<int>(random() % static_cast<unsigned>(2 * s.n + 1));
    for (int k = 0; k < edges; ++k) {
        const int i = static_cast<int>(random() % s.n);
        const int j = static_cast<int>(random() % s.n);
        if (i == j) continue;
        s.links.emplace_back(i, j);
        const double v = odd(random) ? oddValue(random, kinds) : -value(random);
        s.dense[i][j] = s.dense[j][i] = v;
    }
    for (int i = 0; i < s.n; ++i) {
        if (odd(random)) s.dense[i][i] = oddValue(random, kinds);
    }
    return s;
}

}  // namespace rvntest

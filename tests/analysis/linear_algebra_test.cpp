// Friction factors against tabulated Colebrook-White values, and the dense Cholesky solve.
#include "analysis/linear_algebra/cholesky.h"
#include "analysis/solver/friction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ColebrookValue {
    double reynolds;
    double relativeRoughness;
    double frictionFactor;  // converged Colebrook-White f
};

// Converged Colebrook-White solutions; the Moody chart gives 0.0399, 0.0180, 0.0185, 0.0199.
constexpr ColebrookValue kTable[] = {
    {4000, 0.0, 0.0399070140556349},     {1e5, 0.0, 0.01798977308427384},
    {1e5, 1e-4, 0.01851249948164709},    {1e6, 1e-3, 0.019931175126555064},
    {1e7, 1e-5, 0.008993771331864993},   {2e4, 0.01, 0.04067516632526942},
};

TEST(Friction, TenStepsReachTheColebrookWhiteFactor) {
    for (const ColebrookValue& row : kTable) {
        const double x = ColebrookInverseRootFactor(row.reynolds, row.relativeRoughness * 0.2, 0.2);
        EXPECT_NEAR(x, 1 / std::sqrt(row.frictionFactor), 1e-7) << "Re " << row.reynolds;
    }
}

TEST(Friction, ResistanceFollowsDarcyWeisbachWithLocalLosses) {
    TzRvnEdge edge;
    edge.length = 250;
    edge.diameter = 0.1;
    edge.roughness = 1e-4;
    edge.csi = 1.5;
    const double f = 0.022165460;  // Colebrook-White at Re 1e5, relative roughness 1e-3
    const double g = 9.81;
    const double pi = 3.14159265358979;
    const double expected = 8 / (g * pi * pi) * (f * 250 / std::pow(0.1, 5) + 1.5 / std::pow(0.1, 4));
    // 0.08263 stands for 8 / (g pi^2) = 0.082627: agreement to 1e-4.
    EXPECT_NEAR(BranchResistance(edge, 1e5), expected, expected * 1e-4);
    EXPECT_DOUBLE_EQ(ReynoldsOfFlow(-PipeArea(0.1) * 2.0, 0.1, 1e-6), 2e5);
}

TzRvnDenseMatrix matrixOf(std::initializer_list<std::initializer_list<double>> rows) {
    TzRvnDenseMatrix a(static_cast<int>(rows.size()));
    int i = 0;
    for (const auto& row : rows) {
        int j = 0;
        for (double value : row) a[i][j++] = value;
        ++i;
    }
    return a;
}

TEST(Cholesky, SolvesFromTheLowerTriangleOnly) {
    // The upper triangle holds garbage: only the lower one may be read.
    TzRvnDenseMatrix a = matrixOf({{4, 99, 99}, {2, 5, 99}, {0, 1, 3}});
    std::vector<double> b = {8, 15, 11};  // A * (1, 2, 3)
    ASSERT_EQ(CholeskySolve(a, b), kCholeskySolved);
    EXPECT_NEAR(b[0], 1, 1e-14);
    EXPECT_NEAR(b[1], 2, 1e-14);
    EXPECT_NEAR(b[2], 3, 1e-14);
    EXPECT_EQ(a[0][0], 2);
    EXPECT_EQ(a[1][0], 1);
    EXPECT_EQ(a[1][1], 2);
}

TEST(Cholesky, ReportsTheFirstNonPositivePivot) {
    TzRvnDenseMatrix singular = matrixOf({{1, 0, 0}, {0, 2, 0}, {0, 0, 0}});
    std::vector<double> b = {1, 1, 1};
    EXPECT_EQ(CholeskySolve(singular, b), 2);

    TzRvnDenseMatrix negative = matrixOf({{-1}});
    std::vector<double> c = {1};
    EXPECT_EQ(CholeskySolve(negative, c), 0);

    TzRvnDenseMatrix notANumber = matrixOf({{std::numeric_limits<double>::quiet_NaN()}});
    EXPECT_EQ(CholeskySolve(notANumber, c), kCholeskySolved);
    EXPECT_TRUE(std::isnan(c[0]));
}

TEST(Cholesky, SkipsProductsWithAZeroMatrixFactor) {
    // Without the skipping, 0 * inf would turn the second unknown into NaN.
    TzRvnDenseMatrix identity = matrixOf({{1, 0}, {0, 1}});
    std::vector<double> b = {std::numeric_limits<double>::infinity(), 1};
    ASSERT_EQ(CholeskySolve(identity, b), kCholeskySolved);
    EXPECT_EQ(b[1], 1);
}

}  // namespace

#include "problem.h"

#include <gtest/gtest.h>

namespace
{

TEST(Problem, SetThreeStiffnessWeightsTheColumnDerivativeByTheRowFunction)
{
    Problem problem;
    int type = 1;
    double u = 3.0, du = -4.0, psii = 0.5, dpsii = 9.0, d2psii = 8.0, psij = 0.5, dpsij = 2.0, d2psij = 7.0;
    EXPECT_DOUBLE_EQ(Problem::CalculK3(&problem, type, u, du, psii, dpsii, d2psii, psij, dpsij, d2psij), 1.5);

    // No integrand reads the data number or the solution.
    int otherType = -5;
    double otherU = 100.0, otherDu = 1e9;
    EXPECT_DOUBLE_EQ(Problem::CalculK3(&problem, otherType, otherU, otherDu, psii, dpsii, d2psii, psij, dpsij, d2psij),
                     1.5);
    double zero = 0.0;
    EXPECT_EQ(Problem::CalculK3(&problem, type, u, du, zero, dpsii, d2psii, psij, dpsij, d2psij), 0.0);
}

TEST(Problem, EntryPointsForwardToTheirOwnFormula)
{
    Problem problem;
    int type = 1;
    double u = 3.0, du = -4.0, psii = 0.25, dpsii = 3.0, d2psii = 5.0, psij = 0.75, dpsij = -2.0, d2psij = 7.0;
    EXPECT_DOUBLE_EQ(Problem::CalculK(&problem, type, u, du, psii, dpsii, d2psii, psij, dpsij, d2psij), -6.0);
    EXPECT_DOUBLE_EQ(Problem::CalculK2(&problem, type, u, du, psii, dpsii, d2psii, psij, dpsij, d2psij), 35.0);
    EXPECT_DOUBLE_EQ(Problem::CalculM(&problem, type, u, psii, dpsii, d2psii, psij, dpsij, d2psij), 0.1875);
    EXPECT_EQ(Problem::CalculM2(&problem, type, u, psii, dpsii, d2psii, psij, dpsij, d2psij), 0.0);
    EXPECT_EQ(Problem::CalculM3(&problem, type, u, psii, dpsii, d2psii, psij, dpsij, d2psij), 0.0);
    EXPECT_EQ(Problem::CalculF(&problem, type, u, psii, dpsii), 0.25);
    EXPECT_EQ(Problem::CalculF2(&problem, type, u, psii, dpsii), 0.25);
    EXPECT_EQ(Problem::CalculF3(&problem, type, u, psii, dpsii), 0.25);
}

} // namespace

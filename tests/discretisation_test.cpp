// Numbering of the unknowns, Hermite signs, unknowns found by position.
#include "discretisation.h"

#include <gtest/gtest.h>

#include "problemerror.h"

namespace
{

TEST(Discretisation, LagrangeNumbersNodesInAscendingX)
{
    const Discretisation d(Mesh(0.0, 3.0, 3), Interpolation::Lagrange(3));
    EXPECT_EQ(d.get_m_int_NumberOfUnknowns(), 10);
    EXPECT_EQ(d.get_HalfBandwidth(), 3);
    EXPECT_EQ(d.Unknown(1, 0), 3);
    EXPECT_EQ(d.Unknown(1, 3), 6);
    EXPECT_EQ(d.Sign(1), 1.0);
    EXPECT_DOUBLE_EQ(d.Position(4), 4.0 / 3.0);
    EXPECT_EQ(d.ValueUnknownAt(1.0), 3);
    EXPECT_EQ(d.ValueUnknownAt(2.0 / 3.0), 2); // an interior node
    EXPECT_EQ(d.get_NumberOfPoints(), 10);
    EXPECT_THROW(d.ValueUnknownAt(0.5), ProblemError);
}

TEST(Discretisation, HermitePutsValueAndSlopeAtEachNode)
{
    const Discretisation d(Mesh(0.0, 1.0, 2), Interpolation::Hermite());
    EXPECT_EQ(d.get_m_int_NumberOfUnknowns(), 6);
    EXPECT_EQ(d.Unknown(1, 1), 3);
    EXPECT_EQ(d.Sign(1), -1.0); // element functions 1 and 3 carry minus the slope
    EXPECT_EQ(d.Sign(2), 1.0);
    EXPECT_EQ(d.Kind(3), UnknownKind::Slope);
    EXPECT_EQ(d.SlopeUnknownAt(1.0), 5);
    EXPECT_EQ(d.Describe(3), "the slope at x = 0.5");
    EXPECT_EQ(d.get_NumberOfPoints(), 3);
}

TEST(Discretisation, LagrangeOrderOutsideOneToThreeIsRefused)
{
    EXPECT_THROW(Interpolation::Lagrange(4), ProblemError);
    EXPECT_THROW(Interpolation::Lagrange(0), ProblemError);
}

} // namespace

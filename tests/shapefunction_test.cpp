#include "hermitianfunction.h"
#include "lagrangianfunction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace
{

TNT::Array1D<double> Positions(const std::vector<double>& values)
{
    TNT::Array1D<double> positions(static_cast<int>(values.size()), 0.0);
    for (int j = 0; j < positions.dim(); ++j)
        positions[j] = values[j];
    return positions;
}

const std::vector<double> kSamplePoints = {-1.0, -0.6, -1.0 / 3.0, 0.0, 0.25, 1.0 / 3.0, 0.9, 1.0};

// The decimal 1/3 of the order-3 values costs about 1e-15.
constexpr double kTol = 1e-14;

struct LagrangeCase
{
    int order;
    double length;
};

void PrintTo(const LagrangeCase& c, std::ostream* os) { *os << "order " << c.order << ", length " << c.length; }

class LagrangeTableTest : public ::testing::TestWithParam<LagrangeCase>
{
};

TEST_P(LagrangeTableTest, SumToOneWithDerivativesSummingToZero)
{
    const LagrangeCase c = GetParam();
    LagrangianFunction shape(c.order, Positions(kSamplePoints), c.length);
    ASSERT_EQ(shape.get_m_mdb_Psi()->dim1(), c.order + 1);
    ASSERT_EQ(shape.get_m_mdb_Psi()->dim2(), static_cast<int>(kSamplePoints.size()));
    for (int t = 0; t < static_cast<int>(kSamplePoints.size()); ++t)
    {
        double value = 0.0, first = 0.0, second = 0.0;
        for (int k = 0; k <= c.order; ++k)
        {
            value += shape.fPsi(k, t);
            first += shape.fdPsi(k, t);
            second += shape.fd2Psi(k, t);
        }
        EXPECT_NEAR(value, 1.0, kTol) << "point " << t;
        EXPECT_NEAR(first, 0.0, kTol * 100) << "point " << t;
        EXPECT_NEAR(second, 0.0, kTol * 1000) << "point " << t;
    }
}

TEST_P(LagrangeTableTest, FunctionKIsOneAtNodeKAndZeroAtTheOthers)
{
    const LagrangeCase c = GetParam();
    std::vector<double> nodes;
    for (int k = 0; k <= c.order; ++k)
        nodes.push_back(-1.0 + 2.0 * k / c.order);
    LagrangianFunction shape(c.order, Positions(nodes), c.length);
    for (int k = 0; k <= c.order; ++k)
        for (int t = 0; t <= c.order; ++t)
            EXPECT_NEAR(shape.fPsi(k, t), k == t ? 1.0 : 0.0, kTol) << "function " << k << " at node " << t;
}

TEST_P(LagrangeTableTest, DerivativesScaleWithTheLengthAndValuesDoNot)
{
    const LagrangeCase c = GetParam();
    LagrangianFunction whole(c.order, Positions(kSamplePoints), c.length);
    LagrangianFunction half(c.order, Positions(kSamplePoints), c.length / 2);
    for (int k = 0; k <= c.order; ++k)
        for (int t = 0; t < static_cast<int>(kSamplePoints.size()); ++t)
        {
            EXPECT_EQ(half.fPsi(k, t), whole.fPsi(k, t));
            EXPECT_DOUBLE_EQ(half.fdPsi(k, t), 2 * whole.fdPsi(k, t));
            EXPECT_DOUBLE_EQ(half.fd2Psi(k, t), 4 * whole.fd2Psi(k, t));
        }
}

INSTANTIATE_TEST_SUITE_P(OrdersAndLengths, LagrangeTableTest,
                         ::testing::Values(LagrangeCase{1, 2.0}, LagrangeCase{1, 0.5}, LagrangeCase{2, 2.0},
                                           LagrangeCase{2, 3.0}, LagrangeCase{3, 2.0}, LagrangeCase{3, 0.1}));

// With length 2 (h = 1) the physical derivatives are the natural ones.
TEST(LagrangianFunction, KnownDerivativesAtUnitJacobian)
{
    struct Expected
    {
        int order;
        double x;
        std::vector<double> first;
        std::vector<double> second;
    };
    const std::vector<Expected> cases = {
        {1, 0.3, {-0.5, 0.5}, {0.0, 0.0}},
        {2, -0.7, {-1.2, 1.4, -0.2}, {1.0, -2.0, 1.0}},
        {3, 0.0, {0.0625, -1.6875, 1.6875, -0.0625}, {1.125, -1.125, -1.125, 1.125}},
    };
    for (const Expected& e : cases)
    {
        LagrangianFunction shape(e.order, Positions({e.x}), 2.0);
        for (int k = 0; k <= e.order; ++k)
        {
            EXPECT_DOUBLE_EQ(shape.fdPsi(k, 0), e.first[k]) << "order " << e.order << " function " << k;
            EXPECT_DOUBLE_EQ(shape.fd2Psi(k, 0), e.second[k]) << "order " << e.order << " function " << k;
        }
    }
}

TEST(LagrangianFunction, OrdersOutsideTheFamilyGiveRowsOfZeros)
{
    LagrangianFunction order4(4, Positions(kSamplePoints), 1.5);
    ASSERT_EQ(order4.get_m_mdb_Psi()->dim1(), 5);
    for (int k = 0; k < 5; ++k)
        for (int t = 0; t < static_cast<int>(kSamplePoints.size()); ++t)
        {
            EXPECT_EQ(order4.fPsi(k, t), 0.0);
            EXPECT_EQ(order4.fdPsi(k, t), 0.0);
            EXPECT_EQ(order4.fd2Psi(k, t), 0.0);
        }

    // An index past the order is zero even where another order has a function.
    LagrangianFunction order1(1, Positions({0.5}), 2.0);
    int k = 2;
    double x = 0.5, length = 2.0;
    EXPECT_EQ(order1.Psi(k, x, length), 0.0);
    EXPECT_EQ(order1.dPsi(k, x, length), 0.0);

    for (int order : {-1, -5})
    {
        LagrangianFunction negative(order, Positions(kSamplePoints), 1.0);
        EXPECT_EQ(negative.get_m_mdb_Psi()->dim1(), 0);
        EXPECT_EQ(negative.get_m_mdb_d2Psi()->dim1(), 0);
    }
}

TEST(HermitianFunction, EndValuesAndReversedSlopes)
{
    for (double length : {2.0, 0.7})
    {
        HermitianFunction shape(3, Positions({-1.0, 1.0}), length);
        const double expectedValue[4][2] = {{1, 0}, {0, 0}, {0, 1}, {0, 0}};
        const double expectedSlope[4][2] = {{0, 0}, {-1, 0}, {0, 0}, {0, -1}};
        for (int k = 0; k < 4; ++k)
            for (int t = 0; t < 2; ++t)
            {
                EXPECT_NEAR(shape.fPsi(k, t), expectedValue[k][t], kTol) << k << "," << t;
                EXPECT_NEAR(shape.fdPsi(k, t), expectedSlope[k][t], kTol) << k << "," << t;
            }
    }
}

TEST(HermitianFunction, CentreValuesAtUnitJacobian)
{
    HermitianFunction shape(3, Positions({0.0}), 2.0);
    const double value[4] = {0.5, -0.25, 0.5, 0.25};
    const double first[4] = {-0.75, 0.25, 0.75, 0.25};
    const double second[4] = {0.0, 0.5, 0.0, -0.5};
    for (int k = 0; k < 4; ++k)
    {
        EXPECT_DOUBLE_EQ(shape.fPsi(k, 0), value[k]);
        EXPECT_DOUBLE_EQ(shape.fdPsi(k, 0), first[k]);
        EXPECT_DOUBLE_EQ(shape.fd2Psi(k, 0), second[k]);
    }
}

TEST(HermitianFunction, DoublingTheLengthScalesEachFunctionByItsKind)
{
    HermitianFunction shortOne(3, Positions(kSamplePoints), 1.0);
    HermitianFunction longOne(3, Positions(kSamplePoints), 2.0);
    for (int t = 0; t < static_cast<int>(kSamplePoints.size()); ++t)
    {
        for (int k : {0, 2})
        {
            EXPECT_EQ(longOne.fPsi(k, t), shortOne.fPsi(k, t));
            EXPECT_DOUBLE_EQ(longOne.fdPsi(k, t), shortOne.fdPsi(k, t) / 2);
            EXPECT_DOUBLE_EQ(longOne.fd2Psi(k, t), shortOne.fd2Psi(k, t) / 4);
        }
        for (int k : {1, 3})
        {
            EXPECT_DOUBLE_EQ(longOne.fPsi(k, t), 2 * shortOne.fPsi(k, t));
            EXPECT_NEAR(longOne.fdPsi(k, t), shortOne.fdPsi(k, t), kTol);
            EXPECT_NEAR(longOne.fd2Psi(k, t), shortOne.fd2Psi(k, t) / 2, kTol);
        }
        EXPECT_NEAR(longOne.fPsi(0, t) + longOne.fPsi(2, t), 1.0, kTol);
    }
}

TEST(HermitianFunction, HigherOrderAddsRowsOfZeros)
{
    HermitianFunction shape(5, Positions(kSamplePoints), 1.0);
    ASSERT_EQ(shape.get_m_mdb_dPsi()->dim1(), 6);
    ASSERT_EQ(shape.get_m_mdb_dPsi()->dim2(), static_cast<int>(kSamplePoints.size()));
    for (int k : {4, 5})
        for (int t = 0; t < static_cast<int>(kSamplePoints.size()); ++t)
            EXPECT_EQ(shape.fPsi(k, t) + shape.fdPsi(k, t) + shape.fd2Psi(k, t), 0.0);
}

TEST(ShapeFunction, TablesHoldTheVirtualResultsAtTheLastFill)
{
    std::unique_ptr<ShapeFunction> shape(new HermitianFunction(3, Positions(kSamplePoints), 1.0));
    const TNT::Array1D<double> moved = Positions({0.1, 0.2, 0.3});
    shape->CalculPsiLookupTable(moved, 3.0);
    double length = 3.0;
    for (int k = 0; k < 4; ++k)
        for (int t = 0; t < moved.dim(); ++t)
        {
            EXPECT_EQ(shape->fPsi(k, t), shape->Psi(k, moved[t], length));
            EXPECT_EQ(shape->fdPsi(k, t), shape->dPsi(k, moved[t], length));
            EXPECT_EQ(shape->fd2Psi(k, t), shape->d2Psi(k, moved[t], length));
        }
}

TEST(ShapeFunction, SettersShareTheCallersStorage)
{
    LagrangianFunction shape(1, Positions({-0.5, 0.5}), 2.0);
    TNT::Array2D<double> values(2, 2, 7.0);
    shape.set_m_mdb_Psi(values);
    values[1][0] = 9.0;
    EXPECT_EQ(shape.fPsi(1, 0), 9.0);

    shape.CalculPsiLookupTable(Positions({-0.5, 0.5}), 2.0);
    EXPECT_EQ(values[0][0], 0.75); // the refill wrote into the shared storage
    EXPECT_EQ(values[1][1], 0.75);

    // A reference into the table writes into it.
    shape.fdPsi(0, 1) = 42.0;
    EXPECT_EQ((*shape.get_m_mdb_dPsi())[0][1], 42.0);
}

TEST(ShapeFunction, RefillStaysInsideTablesThatAreTooSmall)
{
    LagrangianFunction shape(1, Positions({-0.5, 0.5}), 2.0);
    shape.set_m_int_PolynomeOrder(3); // four functions now, two rows still
    EXPECT_EQ(shape.get_m_int_PolynomeOrder(), 3);
    EXPECT_EQ(shape.get_m_mdb_Psi()->dim1(), 2);
    shape.set_m_mdb_d2Psi(TNT::Array2D<double>(1, 1, 5.0));
    shape.CalculPsiLookupTable(Positions({-1.0, 0.0, 1.0, 0.5}), 2.0);
    // Order 3 is now in force: its function 0 is 1 at -1.
    EXPECT_NEAR(shape.fPsi(0, 0), 1.0, kTol);
    EXPECT_EQ(shape.get_m_mdb_Psi()->dim2(), 2);
    EXPECT_EQ(shape.get_m_mdb_d2Psi()->dim1(), 1);
}

} // namespace

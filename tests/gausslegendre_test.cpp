#include "gausslegendre.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace
{

struct TableRow
{
    int n;
    std::vector<double> points;
    std::vector<double> weights;
};

void PrintTo(const TableRow& row, std::ostream* os) { *os << row.n << " points"; }

class GaussLegendreTableTest : public ::testing::TestWithParam<TableRow>
{
};

TEST_P(GaussLegendreTableTest, HoldsTheDecimalTableVerbatim)
{
    const TableRow& row = GetParam();
    GaussLegendre rule(row.n);
    ASSERT_EQ(rule.get_m_int_NumberOfIntegrationPoints(), row.n);
    ASSERT_EQ(rule.get_m_vdb_Points().dim(), row.n);
    ASSERT_EQ(rule.get_m_vdb_Weight().dim(), row.n);
    for (int t = 0; t < row.n; ++t)
    {
        EXPECT_EQ(rule.get_m_vdb_ptrPoints(t), row.points[t]) << "point " << t;
        EXPECT_EQ(rule.get_m_vdb_ptrWeight(t), row.weights[t]) << "weight " << t;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, GaussLegendreTableTest,
    ::testing::Values(TableRow{1, {0.0}, {2.0}}, TableRow{2, {-0.5773502692, 0.5773502692}, {1.0, 1.0}},
                      TableRow{3, {-0.774596669, 0.0, 0.774596669}, {0.555555556, 0.888888889, 0.555555556}},
                      TableRow{4,
                               {-0.861136312, -0.339981044, 0.339981044, 0.861136312},
                               {0.347854845, 0.652145155, 0.652145155, 0.347854845}},
                      TableRow{5,
                               {-0.906179846, -0.53846931, 0.0, 0.53846931, 0.906179846},
                               {0.236926885, 0.47862867, 0.568888889, 0.47862867, 0.236926885}}));

struct CallLog
{
    std::vector<double> x;
};

double RecordSquare(void* object, double x)
{
    static_cast<CallLog*>(object)->x.push_back(x);
    return x * x;
}

TEST(GaussLegendreIntegrate, CallsFromTheUpperBoundDownAndIntegratesTheSquare)
{
    GaussLegendre rule(2);
    CallLog log;
    const double result = rule.Integrate(&log, RecordSquare, 0.0, 1.0);

    ASSERT_EQ(log.x.size(), 2u);
    EXPECT_NEAR(log.x[0], 0.7886751346, 1e-15);
    EXPECT_NEAR(log.x[1], 0.2113248654, 1e-15);
    // Each value is weighted by 0.5: the result is the mean of the two calls.
    EXPECT_DOUBLE_EQ(result, 0.5 * log.x[0] * log.x[0] + 0.5 * log.x[1] * log.x[1]);
    EXPECT_NEAR(result, 1.0 / 3.0, 1e-10);
}

TEST(GaussLegendreIntegrate, ExchangingTheBoundsChangesTheSign)
{
    GaussLegendre rule(3);
    CallLog forward;
    CallLog backward;
    const double a = rule.Integrate(&forward, RecordSquare, -0.5, 2.0);
    const double b = rule.Integrate(&backward, RecordSquare, 2.0, -0.5);
    EXPECT_NEAR(a, (8.0 + 0.125) / 3.0, 1e-8);
    EXPECT_DOUBLE_EQ(b, -a);
}

struct FixedArguments
{
    int calls = 0;
    bool sameArguments = true;
};

double CountOne(void* object, int type, double i, double j, double k)
{
    FixedArguments* seen = static_cast<FixedArguments*>(object);
    ++seen->calls;
    seen->sameArguments = seen->sameArguments && type == 7 && i == 1.5 && j == -2.0 && k == 0.25;
    return 1.0;
}

TEST(GaussLegendreWeightedSum, SumsTheStoredWeightsWithTheirRounding)
{
    struct Case
    {
        int n;
        double sum;
    };
    for (const Case& c : {Case{1, 2.0}, Case{2, 2.0}, Case{3, 2.000000001}, Case{5, 1.999999999}})
    {
        GaussLegendre rule(c.n);
        FixedArguments seen;
        EXPECT_DOUBLE_EQ(rule.Integrate(&seen, 7, 1.5, -2.0, 0.25, CountOne), c.sum) << c.n << " points";
        EXPECT_EQ(seen.calls, c.n);
        EXPECT_TRUE(seen.sameArguments);
    }
}

TEST(GaussLegendreEmpty, CountsOfZeroOrBelowGiveEmptyRulesThatCallNothing)
{
    for (int n : {0, -1, -7})
    {
        GaussLegendre rule(n);
        EXPECT_EQ(rule.get_m_vdb_Points().dim(), 0);
        EXPECT_EQ(rule.get_m_vdb_Weight().dim(), 0);
        CallLog log;
        EXPECT_EQ(rule.Integrate(&log, RecordSquare, 0.0, 1.0), 0.0);
        FixedArguments seen;
        EXPECT_EQ(rule.Integrate(&seen, 7, 1.5, -2.0, 0.25, CountOne), 0.0);
        EXPECT_TRUE(log.x.empty());
        EXPECT_EQ(seen.calls, 0);
    }
}

std::string Printed(const GaussLegendre& rule)
{
    std::ostringstream out;
    out << rule;
    return out.str();
}

TEST(GaussLegendreStream, PrintsFourLinesWithTheStreamSettings)
{
    EXPECT_EQ(Printed(GaussLegendre(2)), "--Gauss-Legendre--\n"
                                         "Number of integartion points :2\n"
                                         "Points of integration : ( -0.57735, 0.57735 )\n"
                                         "Weights : ( 1, 1 )\n");
    EXPECT_EQ(Printed(GaussLegendre(1)), "--Gauss-Legendre--\n"
                                         "Number of integartion points :1\n"
                                         "Points of integration : ( 0 )\n"
                                         "Weights : ( 2 )\n");
    EXPECT_EQ(Printed(GaussLegendre(0)), "--Gauss-Legendre--\n"
                                         "Number of integartion points :0\n"
                                         "Points of integration : (  )\n"
                                         "Weights : (  )\n");

    std::ostringstream precise;
    precise.precision(10);
    precise << GaussLegendre(2);
    EXPECT_NE(precise.str().find("( -0.5773502692, 0.5773502692 )"), std::string::npos);
}

TEST(GaussLegendreRebuild, ReplacesTheArraysAndLeavesEarlierViewsOnTheOldValues)
{
    GaussLegendre rule(5);
    TNT::Array1D<double> oldPoints = rule.get_m_vdb_Points();
    TNT::Array1D<double> oldWeights = rule.get_m_vdb_Weight();

    rule.set_m_int_NumberOfIntegrationPoints(2);

    EXPECT_EQ(rule.get_m_int_NumberOfIntegrationPoints(), 2);
    EXPECT_EQ(rule.get_m_vdb_Points().dim(), 2);
    EXPECT_EQ(rule.get_m_vdb_ptrPoints(1), 0.5773502692);
    EXPECT_EQ(rule.get_m_vdb_ptrWeight(0), 1.0);
    ASSERT_EQ(oldPoints.dim(), 5);
    EXPECT_EQ(oldPoints[0], -0.906179846);
    EXPECT_EQ(oldPoints[4], 0.906179846);
    EXPECT_EQ(oldWeights[2], 0.568888889);

    rule.set_m_int_NumberOfIntegrationPoints(-2);
    EXPECT_EQ(rule.get_m_vdb_Points().dim(), 0);
    rule.set_m_int_NumberOfIntegrationPoints(7);
    EXPECT_EQ(rule.get_m_vdb_Weight().dim(), 7);
    EXPECT_GT(rule.get_m_vdb_ptrWeight(0), 0.1);
}

TEST(GaussLegendreViews, WritingThroughAViewChangesTheRule)
{
    GaussLegendre rule(3);
    TNT::Array1D<double> points = rule.get_m_vdb_Points();
    points[1] = 0.25;
    EXPECT_EQ(rule.get_m_vdb_ptrPoints(1), 0.25);
}

} // namespace

// Rules of 6 points and more are computed, not tabulated.
#include "gausslegendre.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <vector>

namespace
{

double Monomial(void* degree, double x) { return std::pow(x, *static_cast<int*>(degree)); }

// A rule of n points integrates x^(2n-2) and x^(2n-1) exactly; the only
// errors left are the roundings of the nodes, weights, powers and the sum.
// Rounding a node by half an ulp moves x^m by m/2 ulps, so even a correctly
// rounded rule misses x^(2n-2) by tens of ulps at n = 128: the bound is that
// propagated rounding, (m + 2) / 2 ulps of each term.
TEST(ComputedRules, IntegrateTheHighestExactMonomialsToRoundingAccuracy)
{
    for (int n = 6; n <= 128; ++n)
    {
        GaussLegendre rule(n);
        for (int degree : {2 * n - 2, 2 * n - 1})
        {
            double scale = 0.0; // sum of |w x^m|
            for (int t = 0; t < n; ++t)
                scale += rule.get_m_vdb_ptrWeight(t) * std::fabs(std::pow(rule.get_m_vdb_ptrPoints(t), degree));
            const double bound = DBL_EPSILON * scale * (degree + 2) / 2;
            const double exact = degree % 2 == 0 ? 2.0 / (degree + 1) : 0.0;
            const double computed = rule.Integrate(&degree, Monomial, -1.0, 1.0);
            EXPECT_LE(std::fabs(computed - exact), bound) << n << " points, degree " << degree;
        }
    }
}

TEST(ComputedRules, AreAscendingSymmetricAndPositive)
{
    for (int n : {6, 7, 64, 129, 1000})
    {
        GaussLegendre rule(n);
        for (int t = 0; t < n; ++t)
        {
            EXPECT_EQ(rule.get_m_vdb_ptrPoints(t), -rule.get_m_vdb_ptrPoints(n - 1 - t));
            EXPECT_EQ(rule.get_m_vdb_ptrWeight(t), rule.get_m_vdb_ptrWeight(n - 1 - t));
            EXPECT_GT(rule.get_m_vdb_ptrWeight(t), 0.0);
            if (t > 0)
            {
                EXPECT_LT(rule.get_m_vdb_ptrPoints(t - 1), rule.get_m_vdb_ptrPoints(t));
            }
        }
        if (n % 2 == 1)
        {
            EXPECT_FALSE(std::signbit(rule.get_m_vdb_ptrPoints(n / 2)));
        }
    }
}

TEST(ComputedRules, SixPointRuleMatchesPublishedValues)
{
    const double points[3] = {0.2386191860831969086, 0.6612093864662645137, 0.9324695142031520279};
    const double weights[3] = {0.4679139345726910473, 0.3607615730481386076, 0.1713244923791703451};
    GaussLegendre rule(6);
    for (int t = 0; t < 3; ++t)
    {
        EXPECT_NEAR(rule.get_m_vdb_ptrPoints(3 + t), points[t], 2e-16);
        EXPECT_NEAR(rule.get_m_vdb_ptrWeight(3 + t), weights[t], 2e-16);
    }
}

#if defined(__SIZEOF_FLOAT128__)
using Quad = __float128;

// P_n(x) and P_n'(x) in quadruple precision.
void LegendreQuad(int n, Quad x, Quad& value, Quad& derivative)
{
    Quad previous = 1, current = x;
    for (int k = 2; k <= n; ++k)
    {
        const Quad next = ((2 * k - 1) * x * current - (k - 1) * previous) / k;
        previous = current;
        current = next;
    }
    value = current;
    derivative = n * (x * current - previous) / (x * x - 1);
}

// An independent reference: Newton's method in x, carried in quadruple
// precision from the computed node, and the weight 2 / ((1 - x^2) P_n'(x)^2).
TEST(ComputedRules, MatchQuadruplePrecisionReferenceWithinTargets)
{
    for (int n = 6; n <= 128; ++n)
    {
        GaussLegendre rule(n);
        for (int t = n / 2; t < n; ++t)
        {
            Quad x = rule.get_m_vdb_ptrPoints(t), value, derivative;
            for (int iteration = 0; iteration < 6; ++iteration)
            {
                LegendreQuad(n, x, value, derivative);
                x -= value / derivative;
            }
            LegendreQuad(n, x, value, derivative);
            const Quad w = 2 / ((1 - x * x) * derivative * derivative);
            const double nodeError = std::fabs(static_cast<double>(rule.get_m_vdb_ptrPoints(t) - x));
            const double weightError = std::fabs(static_cast<double>((rule.get_m_vdb_ptrWeight(t) - w) / w));
            EXPECT_LE(nodeError, 4e-16) << n << " points, node " << t;
            EXPECT_LE(weightError, 1e-14) << n << " points, weight " << t;
        }
    }
}
#endif

} // namespace

namespace
{

// The rules of 1 to 5 points, asked for with full digits, against their closed forms.
TEST(FullDigitRules, SmallRulesMatchTheirClosedForms)
{
    const double r3 = std::sqrt(3.0 / 5.0);
    const double inner4 = std::sqrt(3.0 / 7.0 - 2.0 / 7.0 * std::sqrt(6.0 / 5.0));
    const double outer4 = std::sqrt(3.0 / 7.0 + 2.0 / 7.0 * std::sqrt(6.0 / 5.0));
    const double w4inner = (18.0 + std::sqrt(30.0)) / 36.0, w4outer = (18.0 - std::sqrt(30.0)) / 36.0;
    const double outer5 = std::sqrt(5.0 + 2.0 * std::sqrt(10.0 / 7.0)) / 3.0;
    const double w5outer = (322.0 - 13.0 * std::sqrt(70.0)) / 900.0;
    const std::vector<std::vector<double>> points = {
        {0.0}, {-1 / std::sqrt(3.0), 1 / std::sqrt(3.0)}, {-r3, 0.0, r3}, {-outer4, -inner4, inner4, outer4}};
    const std::vector<std::vector<double>> weights = {
        {2.0}, {1.0, 1.0}, {5.0 / 9, 8.0 / 9, 5.0 / 9}, {w4outer, w4inner, w4inner, w4outer}};
    for (int n = 1; n <= 4; ++n)
    {
        GaussLegendre rule(n, RuleDigits::Full);
        for (int t = 0; t < n; ++t)
        {
            EXPECT_NEAR(rule.get_m_vdb_ptrPoints(t), points[n - 1][t], 2 * DBL_EPSILON) << n << ", " << t;
            EXPECT_NEAR(rule.get_m_vdb_ptrWeight(t), weights[n - 1][t], 2 * DBL_EPSILON) << n << ", " << t;
        }
    }
    GaussLegendre five(5, RuleDigits::Full);
    EXPECT_NEAR(five.get_m_vdb_ptrPoints(4), outer5, 2 * DBL_EPSILON);
    EXPECT_NEAR(five.get_m_vdb_ptrWeight(0), w5outer, 2 * DBL_EPSILON);
    EXPECT_NEAR(five.get_m_vdb_ptrWeight(2), 128.0 / 225.0, 2 * DBL_EPSILON);
    // The tabled rule, still the default, is the decimal table's.
    EXPECT_EQ(GaussLegendre(5).get_m_vdb_ptrWeight(2), 0.568888889);
    // Digits survive a rebuild.
    five.set_m_int_NumberOfIntegrationPoints(3);
    EXPECT_NEAR(five.get_m_vdb_ptrPoints(2), r3, 2 * DBL_EPSILON);
}

} // namespace

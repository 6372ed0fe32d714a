// Rules of 6 points and more are computed, not tabulated.
#include "gausslegendre.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

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

#include "legendrerule.h"

#include <cmath>
#include <cfloat>

// Newton's method runs on the angle theta of x = cos(theta) and in extended
// precision. Near x = +-1 a node rounded in x is magnified thousands of times
// in its weight; in theta, 1 - x^2 = sin^2(theta) keeps its relative accuracy,
// and the extended format absorbs the growth of the recurrence's rounding.
namespace
{

struct LegendreAtAngle
{
    long double value;      // P_n(cos theta)
    long double derivative; // d P_n(cos theta) / d theta
};

LegendreAtAngle EvaluateLegendre(int in_int_n, long double in_ld_Theta)
{
    const long double l_ld_x = std::cos(in_ld_Theta);
    const long double l_ld_Sin = std::sin(in_ld_Theta);
    long double l_ld_Previous = 1.0L;  // P_0
    long double l_ld_Current = l_ld_x; // P_1
    for (int l_int_k = 2; l_int_k <= in_int_n; ++l_int_k)
    {
        const long double l_ld_Next =
            ((2 * l_int_k - 1) * l_ld_x * l_ld_Current - (l_int_k - 1) * l_ld_Previous) / l_int_k;
        l_ld_Previous = l_ld_Current;
        l_ld_Current = l_ld_Next;
    }
    // (1 - x^2) P_n'(x) = n (P_{n-1} - x P_n) and d/dtheta = -sin(theta) d/dx.
    const long double l_ld_Derivative = in_int_n * (l_ld_x * l_ld_Current - l_ld_Previous) / l_ld_Sin;
    return {l_ld_Current, l_ld_Derivative};
}

} // namespace

void CalculLegendreRule(int in_int_n, TNT::Array1D<double>& out_vdb_Points, TNT::Array1D<double>& out_vdb_Weight)
{
    const long double l_ld_Pi = 3.141592653589793238462643383279502884L;
    const int l_int_Half = (in_int_n + 1) / 2;
    for (int l_int_k = 1; l_int_k <= l_int_Half; ++l_int_k)
    {
        // Root k counted from x = +1, started from Tricomi's estimate, well
        // within the basin of Newton's method.
        const long double l_ld_Guess = l_ld_Pi * (4 * l_int_k - 1) / (4 * in_int_n + 2);
        const long double l_ld_n = in_int_n;
        long double l_ld_Theta = std::acos((1 - (l_ld_n - 1) / (8 * l_ld_n * l_ld_n * l_ld_n)) * std::cos(l_ld_Guess));
        LegendreAtAngle l_o_P = EvaluateLegendre(in_int_n, l_ld_Theta);
        long double l_ld_PreviousStep = HUGE_VALL;
        for (int l_int_Iteration = 0; l_int_Iteration < 100; ++l_int_Iteration)
        {
            const long double l_ld_Step = l_o_P.value / l_o_P.derivative;
            // Once the steps stop shrinking only rounding noise is left.
            if (std::fabs(l_ld_Step) >= l_ld_PreviousStep)
                break;
            l_ld_Theta -= l_ld_Step;
            l_o_P = EvaluateLegendre(in_int_n, l_ld_Theta);
            if (std::fabs(l_ld_Step) <= 4 * LDBL_EPSILON * l_ld_Theta)
                break;
            l_ld_PreviousStep = std::fabs(l_ld_Step);
        }

        const bool l_b_Middle = (2 * l_int_k - 1 == in_int_n);
        const double l_db_x = l_b_Middle ? 0.0 : static_cast<double>(std::cos(l_ld_Theta));
        // w = 2 / ((1 - x^2) P_n'(x)^2) = 2 / (dP_n/dtheta)^2
        const double l_db_w = static_cast<double>(2.0L / (l_o_P.derivative * l_o_P.derivative));
        // Mirrored pair; the positive side is written last so that the middle
        // point of an odd rule is +0.0.
        out_vdb_Points[l_int_k - 1] = -l_db_x;
        out_vdb_Points[in_int_n - l_int_k] = l_db_x;
        out_vdb_Weight[l_int_k - 1] = l_db_w;
        out_vdb_Weight[in_int_n - l_int_k] = l_db_w;
    }
}

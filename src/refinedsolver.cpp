#include "refinedsolver.h"

#include <cfloat>
#include <cmath>

#include "problemerror.h"
#include "vectornorms.h"
#include "rigidmotion.h"
#include "systemfactorisation.h"

namespace
{

// Corrections that shrink by less than this a step call for the extended factorisation.
constexpr double kSlowRate = 0.1;
constexpr int kMaximumSteps = 12;

QuadExtended ToQuad(const Extended& in_o_x) { return QuadExtended(in_o_x.x[0], in_o_x.x[1], 0.0, 0.0); }
const QuadExtended& ToQuad(const QuadExtended& in_o_x) { return in_o_x; }
Extended FromQuad(const QuadExtended& in_o_x, const Extended&) { return ToExtended(in_o_x); }
QuadExtended FromQuad(const QuadExtended& in_o_x, const QuadExtended&) { return in_o_x; }

// Row by row in double-double arithmetic, unrolled by hand for speed: each
// product A_ij x_j is split exactly into its rounded value and error (one
// fused multiply-add), and the row's sum keeps its rounding errors apart
// until the end, so that the residual of a nearly exact solution keeps its
// digits however much its terms cancel.
void ResidualDoubleDouble(const BandMatrix<Extended>& in_o_A, const Extended* in_b, const double* in_x, Extended* out_r)
{
    const int n = in_o_A.get_m_int_Size();
    const int kd = in_o_A.get_m_int_HalfBandwidth();
    const int l_int_Stride = in_o_A.get_LeadingDimension() - 1;
    for (int i = 0; i < n; ++i)
    {
        const int l_int_First = std::max(0, i - kd), l_int_Last = std::min(n - 1, i + kd);
        const Extended* l_o_ptrEntry = &in_o_A.At(i, l_int_First);
        double l_db_High = in_b[i].x[0], l_db_Low = in_b[i].x[1];
        for (int j = l_int_First; j <= l_int_Last; ++j, l_o_ptrEntry += l_int_Stride)
        {
            const double p = -l_o_ptrEntry->x[0] * in_x[j];
            const double l_db_ProductError = std::fma(-l_o_ptrEntry->x[0], in_x[j], -p) - l_o_ptrEntry->x[1] * in_x[j];
            // Two-sum of the running value and p: exact.
            const double s = l_db_High + p;
            const double v = s - l_db_High;
            l_db_Low += ((l_db_High - (s - v)) + (p - v)) + l_db_ProductError;
            l_db_High = s;
        }
        const double l_db_Sum = l_db_High + l_db_Low;
        out_r[i] = Extended(l_db_Sum, l_db_Low - (l_db_Sum - l_db_High));
    }
}

// The same in quad-double, for a system held in double-double or quad-double.
template <class S>
void ResidualQuadDouble(const BandMatrix<S>& in_o_A, const S* in_b, const double* in_x, S* out_r)
{
    const int n = in_o_A.get_m_int_Size();
    const int kd = in_o_A.get_m_int_HalfBandwidth();
    for (int i = 0; i < n; ++i)
    {
        QuadExtended l_o_Sum = ToQuad(in_b[i]);
        for (int j = std::max(0, i - kd); j <= std::min(n - 1, i + kd); ++j)
            l_o_Sum -= ToQuad(in_o_A.At(i, j)) * in_x[j];
        out_r[i] = FromQuad(l_o_Sum, in_b[i]);
    }
}

// A system held in double-double has its residuals summed in double-double,
// or in quad-double once it needs the extended factorisation; one held in
// quad-double, always in quad-double.
void ResidualOf(const BandMatrix<Extended>& in_o_A, const Extended* in_b, const double* in_x, Extended* out_r,
                bool in_b_Conditioned)
{
    if (in_b_Conditioned)
        ResidualQuadDouble(in_o_A, in_b, in_x, out_r);
    else
        ResidualDoubleDouble(in_o_A, in_b, in_x, out_r);
}

void ResidualOf(const BandMatrix<QuadExtended>& in_o_A, const QuadExtended* in_b, const double* in_x,
                QuadExtended* out_r, bool)
{
    ResidualQuadDouble(in_o_A, in_b, in_x, out_r);
}

} // namespace

template <class S>
RefinedSolver<S>::RefinedSolver(const BandMatrix<S>& in_o_A, FactorisationMethod in_e_Method,
                                const Discretisation& in_o_Discretisation)
    : m_o_A(in_o_A), m_o_Discretisation(in_o_Discretisation), m_e_Method(in_e_Method)
{
    const std::string l_s_Free = FreeRigidMotion(in_o_A, in_o_Discretisation);
    if (!l_s_Free.empty())
        throw ProblemError(NotHeldMessage(l_s_Free, false));
    m_o_ptrDouble = std::make_unique<BandFactorisation>(RoundedTo<double>(in_o_A), in_e_Method);
    m_e_Method = m_o_ptrDouble->get_m_e_Method();
    if (m_o_ptrDouble->Succeeded() && m_o_ptrDouble->get_m_db_SmallestPivotRatio() > 16 * DBL_EPSILON)
        return;
    if (!m_o_ptrDouble->Succeeded() && m_e_Method == FactorisationMethod::Cholesky &&
        m_o_ptrDouble->get_m_db_FailedPivotRatio() < -16 * DBL_EPSILON)
        throw ProblemError(BreakdownMessage(FactorisationMethod::Cholesky,
                                            in_o_Discretisation.Describe(m_o_ptrDouble->get_m_int_FailedUnknown())));
    // Singular to double precision, or a breakdown at rounding level: the
    // extended factorisation decides.
    m_o_ptrDouble.reset();
    FactoriseExtended();
}

template <class S>
void RefinedSolver<S>::FactoriseExtended()
{
    m_o_ptrExtended = std::make_unique<BandLU<Extended>>(RoundedTo<Extended>(m_o_A));
    if (!m_o_ptrExtended->Succeeded())
        throw ProblemError(BreakdownMessage(FactorisationMethod::LU,
                                            m_o_Discretisation.Describe(m_o_ptrExtended->get_m_int_FailedUnknown())));
}

template <class S>
void RefinedSolver<S>::Residual(const S* in_b, const double* in_x, S* out_r) const
{
    ResidualOf(m_o_A, in_b, in_x, out_r, m_o_ptrExtended != nullptr);
}

template <class S>
typename RefinedSolver<S>::Outcome RefinedSolver<S>::Solve(const S* in_b, double* out_x)
{
    const int n = m_o_A.get_m_int_Size();
    Outcome l_o_Outcome{{}, 1.0, false};
    LargeVector<S> r(in_b, in_b + n);
    LargeVector<Extended> l_v_Extended(m_o_ptrExtended ? static_cast<std::size_t>(n) : 0);
    LargeVector<double> d(static_cast<std::size_t>(n));
    std::fill(out_x, out_x + n, 0.0);
    double l_db_Previous = HUGE_VAL, l_db_Rate = 1.0;
    for (int l_int_Step = 0; l_int_Step < kMaximumSteps; ++l_int_Step)
    {
        if (m_o_ptrExtended)
        {
            l_v_Extended.resize(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i)
                l_v_Extended[i] = ToExtended(r[i]);
            m_o_ptrExtended->Solve(l_v_Extended.data());
            for (int i = 0; i < n; ++i)
                d[i] = to_double(l_v_Extended[i]);
        }
        else
        {
            for (int i = 0; i < n; ++i)
                d[i] = ToDouble(r[i]);
            m_o_ptrDouble->Solve(d.data());
        }
        for (int i = 0; i < n; ++i)
            out_x[i] += d[i];
        const double l_db_Correction = MaximumMagnitude(d.data(), static_cast<std::size_t>(n));
        const double l_db_Size = MaximumMagnitude(out_x, static_cast<std::size_t>(n));
        if (!std::isfinite(l_db_Correction) || !std::isfinite(l_db_Size))
            break;
        l_o_Outcome.m_vdb_Corrections.push_back(l_db_Size > 0.0 ? l_db_Correction / l_db_Size : 0.0);
        if (l_db_Correction <= DBL_EPSILON * l_db_Size)
        {
            l_o_Outcome.m_b_Converged = true;
            break;
        }
        if (l_int_Step >= 1)
            l_db_Rate = l_db_Correction / l_db_Previous;
        // The next correction would be below x's rounding: x is as good as it gets.
        if (l_int_Step >= 1 && l_db_Rate <= kSlowRate && l_db_Rate * l_db_Correction <= DBL_EPSILON * l_db_Size)
        {
            l_o_Outcome.m_b_Converged = true;
            break;
        }
        if (l_int_Step >= 1 && l_db_Rate > kSlowRate)
        {
            if (m_o_ptrExtended)
                break; // even the extended factorisation gains no more
            FactoriseExtended();
            l_db_Previous = HUGE_VAL;
        }
        else
            l_db_Previous = l_db_Correction;
        Residual(in_b, out_x, r.data());
    }
    // The error left after the last correction d: about rate |d| / (1 - rate).
    const double l_db_Last = l_o_Outcome.m_vdb_Corrections.empty() ? 1.0 : l_o_Outcome.m_vdb_Corrections.back();
    const double l_db_Left = l_db_Rate < 1.0 ? l_db_Last * l_db_Rate / (1.0 - l_db_Rate) : l_db_Last;
    l_o_Outcome.m_db_ErrorEstimate = l_o_Outcome.m_b_Converged ? std::max(DBL_EPSILON, l_db_Left) : std::max(DBL_EPSILON, l_db_Last);
    return l_o_Outcome;
}

template class RefinedSolver<Extended>;
template class RefinedSolver<QuadExtended>;

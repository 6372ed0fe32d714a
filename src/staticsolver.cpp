#include "staticsolver.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <memory>
#include <type_traits>

#include "numbertext.h"
#include "problemerror.h"
#include "vectornorms.h"
#include "refinedsolver.h"
#include "systemfactorisation.h"

namespace
{

void RequireStiffness(const Model& in_o_Model)
{
    if (in_o_Model.get_Integrands().m_o_ptrK == nullptr)
        throw ProblemError("the problem has no stiffness integrand (K): a static solve needs one");
}

template <class T>
LargeVector<T> Zeros(int n)
{
    return LargeVector<T>(static_cast<std::size_t>(n), T(0.0));
}

void CheckFinite(const Discretisation& in_o_Discretisation, const double* in_U)
{
    for (int d = 0; d < in_o_Discretisation.get_m_int_NumberOfUnknowns(); ++d)
        if (!std::isfinite(in_U[d]))
            throw ProblemError("the solution is not finite at " + in_o_Discretisation.Describe(d) +
                               ": a coefficient or a load there is not finite, or the system overflows");
}

template <class T>
std::vector<Reaction> MakeReactions(const Model& in_o_Model, const std::vector<T>& in_v_Values)
{
    const Discretisation& l_o_Discretisation = in_o_Model.get_Discretisation();
    std::vector<Reaction> l_v_Reactions;
    const auto& l_v_Prescribed = in_o_Model.get_Conditions().get_m_v_Prescribed();
    for (std::size_t c = 0; c < l_v_Prescribed.size(); ++c)
    {
        const int d = l_v_Prescribed[c].m_int_Unknown;
        l_v_Reactions.push_back(
            {d, l_o_Discretisation.Kind(d), l_o_Discretisation.Position(d), ToDouble(in_v_Values[c])});
    }
    return l_v_Reactions;
}

template <class T>
double Norm(const LargeVector<T>& in_v_v)
{
    long double l_ld_Sum = 0.0L;
    for (const T& v : in_v_v)
        l_ld_Sum += static_cast<long double>(ToDouble(v)) * ToDouble(v);
    return static_cast<double>(std::sqrt(l_ld_Sum));
}

// A lower bound of the condition number of a factorised matrix that costs
// no solve: the Cholesky pivots', and ||A|| ||x|| / ||b|| of a solve made.
double ConditionLowerBound(const BandFactorisation& in_o_Factorisation, double in_db_SolutionSize,
                           double in_db_LoadSize)
{
    const double l_db_FromSolve =
        in_db_LoadSize > 0.0 ? in_o_Factorisation.get_m_db_NormInfinity() * in_db_SolutionSize / in_db_LoadSize : 1.0;
    return std::max({1.0, 1.0 / in_o_Factorisation.get_m_db_SmallestPivotRatio(), l_db_FromSolve});
}

// The residual K(U) U - F(U) with the conditions, in T, and the tangent
// K + dK at U; the reactions are the residual at the prescribed unknowns,
// which the tangent system then clears.
template <class T>
struct Linearisation
{
    BandMatrix<double> m_o_Tangent;
    LargeVector<T> m_v_Residual;
    std::vector<T> m_v_Reactions;
    double m_db_Norm; // not finite where a trial step overflows: never lower
};

template <class T>
Linearisation<T> Linearise(const Model& in_o_Model, Assembler& io_o_Assembler, const LargeVector<double>& in_U)
{
    const Discretisation& l_o_Discretisation = in_o_Model.get_Discretisation();
    const Conditions& l_o_Conditions = in_o_Model.get_Conditions();
    const int n = l_o_Discretisation.get_m_int_NumberOfUnknowns();
    Linearisation<T> l_o_Result{BandMatrix<double>(n, l_o_Discretisation.get_HalfBandwidth()), Zeros<T>(n), {}, 0.0};
    io_o_Assembler.AddTangentAndResidual(in_U.data(), l_o_Result.m_o_Tangent, l_o_Result.m_v_Residual.data());
    l_o_Conditions.AddStiffness(l_o_Result.m_o_Tangent);
    l_o_Conditions.AddResidual(in_U.data(), l_o_Result.m_v_Residual.data());
    for (const Conditions::Prescribed& l_o_Condition : l_o_Conditions.get_m_v_Prescribed())
        l_o_Result.m_v_Reactions.push_back(l_o_Result.m_v_Residual[l_o_Condition.m_int_Unknown]);
    ClearPrescribed(l_o_Conditions, l_o_Result.m_o_Tangent, l_o_Result.m_v_Residual.data());
    l_o_Result.m_db_Norm = Norm(l_o_Result.m_v_Residual);
    return l_o_Result;
}

StaticSolution SolveLinearDouble(const Model& in_o_Model, const SolverSettings& in_o_Settings)
{
    const Discretisation& l_o_Discretisation = in_o_Model.get_Discretisation();
    const Conditions& l_o_Conditions = in_o_Model.get_Conditions();
    const int n = l_o_Discretisation.get_m_int_NumberOfUnknowns();

    BandMatrix<double> l_o_K(n, l_o_Discretisation.get_HalfBandwidth());
    LargeVector<double> l_vdb_U = Zeros<double>(n); // the load, then the solution
    Assembler l_o_Assembler(l_o_Discretisation, in_o_Model.get_Integrands());
    l_o_Assembler.AddStiffnessAndLoad(nullptr, l_o_K, l_vdb_U.data());
    l_o_Conditions.AddStiffness(l_o_K);
    l_o_Conditions.AddLoads(l_vdb_U.data());
    const PrescribedRows<double> l_o_Rows(l_o_Conditions, l_o_K, l_vdb_U.data());

    const BandFactorisation l_o_Factorisation =
        FactoriseSystem(std::move(l_o_K), in_o_Settings.m_e_Method, l_o_Discretisation);
    const double l_db_LoadSize = MaximumMagnitude(l_vdb_U.data(), l_vdb_U.size());
    l_o_Factorisation.Solve(l_vdb_U.data());
    CheckFinite(l_o_Discretisation, l_vdb_U.data());

    Trust l_o_Trust;
    const double l_db_Condition =
        ConditionLowerBound(l_o_Factorisation, MaximumMagnitude(l_vdb_U.data(), l_vdb_U.size()), l_db_LoadSize);
    l_o_Trust.m_db_ErrorEstimate = std::min(1.0, DBL_EPSILON * l_db_Condition);
    l_o_Trust.m_s_Warning = TrustWarning(l_o_Trust, in_o_Settings.m_db_Accuracy);
    std::vector<Reaction> l_v_Reactions = MakeReactions(in_o_Model, l_o_Rows.Reactions(l_vdb_U.data()));
    return StaticSolution(FieldSolution(l_o_Discretisation, std::move(l_vdb_U)), std::move(l_v_Reactions),
                          l_o_Factorisation.get_m_e_Method(), std::move(l_o_Trust), {}, Convergence::Linear);
}

// The system in S: Extended, or QuadExtended where double-double's rounding
// would show (see NeedsQuadExtended).
template <class S>
StaticSolution SolveLinearExtended(const Model& in_o_Model, const SolverSettings& in_o_Settings)
{
    const Discretisation& l_o_Discretisation = in_o_Model.get_Discretisation();
    const Conditions& l_o_Conditions = in_o_Model.get_Conditions();
    const int n = l_o_Discretisation.get_m_int_NumberOfUnknowns();

    BandMatrix<S> l_o_K(n, l_o_Discretisation.get_HalfBandwidth());
    LargeVector<S> l_v_F = Zeros<S>(n);
    {
        Assembler l_o_Assembler(l_o_Discretisation, in_o_Model.get_Integrands());
        l_o_Assembler.AddStiffnessAndLoad(nullptr, l_o_K, l_v_F.data());
    }
    l_o_Conditions.AddStiffness(l_o_K);
    l_o_Conditions.AddLoads(l_v_F.data());
    const PrescribedRows<S> l_o_Rows(l_o_Conditions, l_o_K, l_v_F.data());

    RefinedSolver<S> l_o_Solver(l_o_K, in_o_Settings.m_e_Method, l_o_Discretisation);
    LargeVector<double> l_vdb_U = Zeros<double>(n);
    const typename RefinedSolver<S>::Outcome l_o_Outcome = l_o_Solver.Solve(l_v_F.data(), l_vdb_U.data());
    CheckFinite(l_o_Discretisation, l_vdb_U.data());

    Trust l_o_Trust;
    l_o_Trust.m_e_Arithmetic = Arithmetic::Extended;
    l_o_Trust.m_db_ErrorEstimate = l_o_Outcome.m_db_ErrorEstimate;
    l_o_Trust.m_vdb_Corrections = l_o_Outcome.m_vdb_Corrections;
    l_o_Trust.m_b_ExtendedFactorisation = l_o_Solver.UsesExtendedFactorisation();
    l_o_Trust.m_s_Warning = TrustWarning(l_o_Trust, in_o_Settings.m_db_Accuracy);
    std::vector<Reaction> l_v_Reactions = MakeReactions(in_o_Model, l_o_Rows.Reactions(l_vdb_U.data()));
    return StaticSolution(FieldSolution(l_o_Discretisation, std::move(l_vdb_U)), std::move(l_v_Reactions),
                          l_o_Solver.get_m_e_Method(), std::move(l_o_Trust), {}, Convergence::Linear);
}

// A fourth-order problem's condition grows as (L / h)^4: beyond some 1e17
// (shortest elements below L / 20000) a system rounded at 1e-32 would show
// that rounding at 1e-15 and more, so it is held in quad-double.
// Second-order problems stay in double-double up to their 1e16.
bool NeedsQuadExtended(const Discretisation& in_o_Discretisation)
{
    const Mesh& l_o_Mesh = in_o_Discretisation.get_Mesh();
    return in_o_Discretisation.get_Interpolation().IsHermite() &&
           l_o_Mesh.get_End() - l_o_Mesh.get_Start() > 20000.0 * l_o_Mesh.get_SmallestElement();
}

template <class T>
StaticSolution SolveNewtonIn(const Model& in_o_Model, const NewtonSettings& in_o_Settings)
{
    const Discretisation& l_o_Discretisation = in_o_Model.get_Discretisation();
    const int n = l_o_Discretisation.get_m_int_NumberOfUnknowns();
    Assembler l_o_Assembler(l_o_Discretisation, in_o_Model.get_Integrands());

    LargeVector<double> U = Zeros<double>(n);
    for (const Conditions::Prescribed& l_o_Condition : in_o_Model.get_Conditions().get_m_v_Prescribed())
        U[l_o_Condition.m_int_Unknown] = l_o_Condition.m_db_Value;

    Linearisation<T> l_o_Current = Linearise<T>(in_o_Model, l_o_Assembler, U);
    if (!std::isfinite(l_o_Current.m_db_Norm))
        throw ProblemError("the residual at the start of Newton's method is not finite: a coefficient or a load "
                           "is not finite there");
    std::vector<double> l_vdb_History{l_o_Current.m_db_Norm};
    const double l_db_First = l_o_Current.m_db_Norm;
    double l_db_LastUpdate = HUGE_VAL, l_db_LastRelativeUpdate = 0.0, l_db_Condition = 1.0;
    std::unique_ptr<BandFactorisation> l_o_ptrTangent; // the last one factorised
    FactorisationMethod l_e_Method = FactorisationMethod::Cholesky;
    Convergence l_e_Convergence = Convergence::Converged;
    for (int l_int_Iteration = 0;; ++l_int_Iteration)
    {
        const double l_db_Size = MaximumMagnitude(U.data(), U.size());
        const bool l_b_ResidualMet = l_o_Current.m_db_Norm <= in_o_Settings.m_db_Tolerance * l_db_First;
        const bool l_b_UpdateMet =
            l_int_Iteration > 0 && l_db_LastUpdate <= std::sqrt(in_o_Settings.m_db_Tolerance) * l_db_Size;
        if (l_o_Current.m_db_Norm == 0.0 || (l_b_ResidualMet && l_b_UpdateMet))
            break;
        if (l_int_Iteration == in_o_Settings.m_int_MaximumIterations)
            throw ProblemError("Newton's method did not converge in " + std::to_string(l_int_Iteration) +
                               " iterations: the residual fell from " + NumberText(l_db_First) + " to " +
                               NumberText(l_o_Current.m_db_Norm) + ", above the tolerance " +
                               NumberText(in_o_Settings.m_db_Tolerance) +
                               " times the first (raise the iteration limit or the tolerance, or check the dK "
                               "integrand)");

        // The Newton direction: tangent * step = -residual.
        LargeVector<double> l_vdb_Step(static_cast<std::size_t>(n));
        for (int d = 0; d < n; ++d)
            l_vdb_Step[d] = -ToDouble(l_o_Current.m_v_Residual[d]);
        const double l_db_RightSize = MaximumMagnitude(l_vdb_Step.data(), l_vdb_Step.size());
        l_o_ptrTangent = std::make_unique<BandFactorisation>(FactoriseSystem(
            std::move(l_o_Current.m_o_Tangent), in_o_Settings.m_o_Solver.m_e_Method, l_o_Discretisation));
        const BandFactorisation& l_o_Factorisation = *l_o_ptrTangent;
        l_o_Factorisation.Solve(l_vdb_Step.data());
        l_e_Method = l_o_Factorisation.get_m_e_Method();
        const double l_db_StepSize = MaximumMagnitude(l_vdb_Step.data(), l_vdb_Step.size());
        l_db_Condition = ConditionLowerBound(l_o_Factorisation, l_db_StepSize, l_db_RightSize);
        // Residuals in double are themselves round-off of the tangent's
        // condition times the unit roundoff; extended ones are not.
        const double l_db_RoundingFactor = std::is_same<T, double>::value ? l_db_Condition : 1.0;
        const double l_db_Rounding = 64 * DBL_EPSILON * std::max(l_db_Size, DBL_MIN) * l_db_RoundingFactor;

        // Full step, halved while it does not lower the residual.
        bool l_b_Lowered = false;
        double l_db_Fraction = 1.0;
        for (int l_int_Halving = 0; l_int_Halving <= 10; ++l_int_Halving, l_db_Fraction *= 0.5)
        {
            LargeVector<double> l_vdb_Trial = U;
            for (int d = 0; d < n; ++d)
                l_vdb_Trial[d] += l_db_Fraction * l_vdb_Step[d];
            Linearisation<T> l_o_Trial = Linearise<T>(in_o_Model, l_o_Assembler, l_vdb_Trial);
            if (l_o_Trial.m_db_Norm < l_o_Current.m_db_Norm)
            {
                U = std::move(l_vdb_Trial);
                l_o_Current = std::move(l_o_Trial);
                l_db_LastUpdate = l_db_Fraction * l_db_StepSize;
                l_db_LastRelativeUpdate = l_db_LastUpdate / std::max(MaximumMagnitude(U.data(), U.size()), DBL_MIN);
                l_b_Lowered = true;
                break;
            }
            if (l_db_StepSize <= l_db_Rounding)
                break; // at rounding a smaller step cannot do better
        }
        if (!l_b_Lowered)
        {
            if (l_db_StepSize <= l_db_Rounding)
            {
                l_e_Convergence = l_b_ResidualMet ? Convergence::Converged : Convergence::ConvergedToRounding;
                l_db_LastRelativeUpdate = l_db_StepSize / std::max(l_db_Size, DBL_MIN);
                // The tangent was used up by the factorisation; rebuild the current state.
                l_o_Current = Linearise<T>(in_o_Model, l_o_Assembler, U);
                break;
            }
            throw ProblemError("Newton's method stalled at iteration " + std::to_string(l_int_Iteration + 1) +
                               ": no step along the Newton direction lowers the residual " +
                               NumberText(l_o_Current.m_db_Norm) + " (the first was " + NumberText(l_db_First) +
                               "); check the dK integrand, or start nearer a solution");
        }
        l_vdb_History.push_back(l_o_Current.m_db_Norm);
    }
    CheckFinite(l_o_Discretisation, U.data());

    // The error left is about the Newton step from the final solution, made
    // with the last tangent factorised (the last update where the loop
    // stopped at rounding); in double, at least the round-off of the
    // tangent's condition.
    double l_db_Left = l_db_LastRelativeUpdate;
    if (l_o_ptrTangent && l_e_Convergence == Convergence::Converged)
    {
        LargeVector<double> l_vdb_Next(static_cast<std::size_t>(n));
        for (int d = 0; d < n; ++d)
            l_vdb_Next[d] = -ToDouble(l_o_Current.m_v_Residual[d]);
        l_o_ptrTangent->Solve(l_vdb_Next.data());
        l_db_Left = MaximumMagnitude(l_vdb_Next.data(), l_vdb_Next.size()) /
                    std::max(MaximumMagnitude(U.data(), U.size()), DBL_MIN);
    }
    Trust l_o_Trust;
    l_o_Trust.m_e_Arithmetic = std::is_same<T, double>::value ? Arithmetic::Double : Arithmetic::Extended;
    const double l_db_Floor = DBL_EPSILON * (std::is_same<T, double>::value ? l_db_Condition : 1.0);
    l_o_Trust.m_db_ErrorEstimate = std::min(1.0, std::max(l_db_Floor, l_db_Left));
    l_o_Trust.m_s_Warning = TrustWarning(l_o_Trust, in_o_Settings.m_o_Solver.m_db_Accuracy);
    std::vector<Reaction> l_v_Reactions = MakeReactions(in_o_Model, l_o_Current.m_v_Reactions);
    return StaticSolution(FieldSolution(l_o_Discretisation, std::move(U)), std::move(l_v_Reactions), l_e_Method,
                          std::move(l_o_Trust), std::move(l_vdb_History), l_e_Convergence);
}

} // namespace

StaticSolution SolveLinearStatic(const Model& in_o_Model, const SolverSettings& in_o_Settings)
{
    RequireStiffness(in_o_Model);
    if (in_o_Settings.m_e_Arithmetic == Arithmetic::Double)
        return SolveLinearDouble(in_o_Model, in_o_Settings);
    return NeedsQuadExtended(in_o_Model.get_Discretisation())
               ? SolveLinearExtended<QuadExtended>(in_o_Model, in_o_Settings)
               : SolveLinearExtended<Extended>(in_o_Model, in_o_Settings);
}

StaticSolution SolveNewton(const Model& in_o_Model, const NewtonSettings& in_o_Settings)
{
    RequireStiffness(in_o_Model);
    return in_o_Settings.m_o_Solver.m_e_Arithmetic == Arithmetic::Double
               ? SolveNewtonIn<double>(in_o_Model, in_o_Settings)
               : SolveNewtonIn<Extended>(in_o_Model, in_o_Settings);
}

double EnergyNorm(const Model& in_o_Model, const FieldSolution& in_o_Solution)
{
    const double* U = in_o_Solution.get_m_vdb_Unknowns().data();
    Assembler l_o_Assembler(in_o_Model.get_Discretisation(), in_o_Model.get_Integrands());
    long double l_ld_Energy = l_o_Assembler.StiffnessEnergy(U);
    for (const Conditions::Spring& l_o_Spring : in_o_Model.get_Conditions().get_m_v_Springs())
        l_ld_Energy += static_cast<long double>(l_o_Spring.m_db_Stiffness) * U[l_o_Spring.m_int_Unknown] *
                       U[l_o_Spring.m_int_Unknown];
    for (const Conditions::Robin& l_o_Robin : in_o_Model.get_Conditions().get_m_v_Robin())
        l_ld_Energy += static_cast<long double>(l_o_Robin.m_db_Coefficient) * U[l_o_Robin.m_int_Unknown] *
                       U[l_o_Robin.m_int_Unknown];
    return static_cast<double>(std::sqrt(std::max(l_ld_Energy, 0.0L)));
}

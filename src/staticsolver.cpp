#include "staticsolver.h"

#include <cfloat>
#include <cmath>

#include "numbertext.h"
#include "problemerror.h"
#include "systemfactorisation.h"

namespace
{

void RequireStiffness(const Model& in_o_Model)
{
    if (in_o_Model.get_Integrands().m_o_ptrK == nullptr)
        throw ProblemError("the problem has no stiffness integrand (K): a static solve needs one");
}

LargeVector<double> Zeros(int n) { return LargeVector<double>(static_cast<std::size_t>(n), 0.0); }

void CheckFinite(const Discretisation& in_o_Discretisation, const double* in_U)
{
    for (int d = 0; d < in_o_Discretisation.get_m_int_NumberOfUnknowns(); ++d)
        if (!std::isfinite(in_U[d]))
            throw ProblemError("the solution is not finite at " + in_o_Discretisation.Describe(d) +
                               ": a coefficient or a load there is not finite, or the system overflows");
}

std::vector<Reaction> MakeReactions(const Model& in_o_Model, const std::vector<double>& in_vdb_Values)
{
    const Discretisation& l_o_Discretisation = in_o_Model.get_Discretisation();
    std::vector<Reaction> l_v_Reactions;
    const auto& l_v_Prescribed = in_o_Model.get_Conditions().get_m_v_Prescribed();
    for (std::size_t c = 0; c < l_v_Prescribed.size(); ++c)
    {
        const int d = l_v_Prescribed[c].m_int_Unknown;
        l_v_Reactions.push_back(
            {d, l_o_Discretisation.Kind(d), l_o_Discretisation.Position(d), in_vdb_Values[c]});
    }
    return l_v_Reactions;
}

double Norm(const LargeVector<double>& in_vdb_v)
{
    long double l_ld_Sum = 0.0L;
    for (double v : in_vdb_v)
        l_ld_Sum += static_cast<long double>(v) * v;
    return static_cast<double>(std::sqrt(l_ld_Sum));
}

double MaximumMagnitude(const LargeVector<double>& in_vdb_v)
{
    double l_db_Maximum = 0.0;
    for (double v : in_vdb_v)
        l_db_Maximum = std::max(l_db_Maximum, std::fabs(v));
    return l_db_Maximum;
}

// The residual K(U) U - F(U) with the conditions, and the tangent K + dK at
// U; the reactions are the residual at the prescribed unknowns, which the
// tangent system then clears.
struct Linearisation
{
    BandMatrix<double> m_o_Tangent;
    LargeVector<double> m_vdb_Residual;
    std::vector<double> m_vdb_Reactions;
    double m_db_Norm;
};

Linearisation Linearise(const Model& in_o_Model, Assembler& io_o_Assembler, const LargeVector<double>& in_U)
{
    const Discretisation& l_o_Discretisation = in_o_Model.get_Discretisation();
    const Conditions& l_o_Conditions = in_o_Model.get_Conditions();
    const int n = l_o_Discretisation.get_m_int_NumberOfUnknowns();
    Linearisation l_o_Result{BandMatrix<double>(n, l_o_Discretisation.get_HalfBandwidth()), Zeros(n), {}, 0.0};
    io_o_Assembler.AddTangentAndResidual(in_U.data(), l_o_Result.m_o_Tangent, l_o_Result.m_vdb_Residual.data());
    l_o_Conditions.AddStiffness(l_o_Result.m_o_Tangent);
    l_o_Conditions.AddResidual(in_U.data(), l_o_Result.m_vdb_Residual.data());
    for (const Conditions::Prescribed& l_o_Condition : l_o_Conditions.get_m_v_Prescribed())
        l_o_Result.m_vdb_Reactions.push_back(l_o_Result.m_vdb_Residual[l_o_Condition.m_int_Unknown]);
    ClearPrescribed(l_o_Conditions, l_o_Result.m_o_Tangent, l_o_Result.m_vdb_Residual.data());
    // Not finite where a trial step overflows: such a step never counts as lower.
    l_o_Result.m_db_Norm = Norm(l_o_Result.m_vdb_Residual);
    return l_o_Result;
}

} // namespace

StaticSolution SolveLinearStatic(const Model& in_o_Model, FactorisationMethod in_e_Method)
{
    RequireStiffness(in_o_Model);
    const Discretisation& l_o_Discretisation = in_o_Model.get_Discretisation();
    const Conditions& l_o_Conditions = in_o_Model.get_Conditions();
    const int n = l_o_Discretisation.get_m_int_NumberOfUnknowns();

    BandMatrix<double> l_o_K(n, l_o_Discretisation.get_HalfBandwidth());
    LargeVector<double> l_vdb_U = Zeros(n); // the load, then the solution
    Assembler l_o_Assembler(l_o_Discretisation, in_o_Model.get_Integrands());
    l_o_Assembler.AddStiffnessAndLoad(nullptr, l_o_K, l_vdb_U.data());
    l_o_Conditions.AddStiffness(l_o_K);
    l_o_Conditions.AddLoads(l_vdb_U.data());
    const PrescribedRows<double> l_o_Rows(l_o_Conditions, l_o_K, l_vdb_U.data());

    const BandFactorisation l_o_Factorisation = FactoriseSystem(std::move(l_o_K), in_e_Method, l_o_Discretisation);
    l_o_Factorisation.Solve(l_vdb_U.data());
    CheckFinite(l_o_Discretisation, l_vdb_U.data());

    std::vector<Reaction> l_v_Reactions = MakeReactions(in_o_Model, l_o_Rows.Reactions(l_vdb_U.data()));
    const double l_db_Reciprocal = l_o_Factorisation.get_m_db_ReciprocalCondition();
    return StaticSolution(FieldSolution(l_o_Discretisation, std::move(l_vdb_U)), std::move(l_v_Reactions),
                          l_o_Factorisation.get_m_e_Method(), l_db_Reciprocal, {}, Convergence::Linear);
}

StaticSolution SolveNewton(const Model& in_o_Model, const NewtonSettings& in_o_Settings)
{
    RequireStiffness(in_o_Model);
    const Discretisation& l_o_Discretisation = in_o_Model.get_Discretisation();
    const int n = l_o_Discretisation.get_m_int_NumberOfUnknowns();
    Assembler l_o_Assembler(l_o_Discretisation, in_o_Model.get_Integrands());

    LargeVector<double> U = Zeros(n);
    for (const Conditions::Prescribed& l_o_Condition : in_o_Model.get_Conditions().get_m_v_Prescribed())
        U[l_o_Condition.m_int_Unknown] = l_o_Condition.m_db_Value;

    Linearisation l_o_Current = Linearise(in_o_Model, l_o_Assembler, U);
    if (!std::isfinite(l_o_Current.m_db_Norm))
        throw ProblemError("the residual at the start of Newton's method is not finite: a coefficient or a load "
                           "is not finite there");
    std::vector<double> l_vdb_History{l_o_Current.m_db_Norm};
    const double l_db_First = l_o_Current.m_db_Norm;
    double l_db_LastUpdate = HUGE_VAL;
    double l_db_Reciprocal = 1.0;
    FactorisationMethod l_e_Method = FactorisationMethod::Cholesky;
    Convergence l_e_Convergence = Convergence::Converged;
    for (int l_int_Iteration = 0;; ++l_int_Iteration)
    {
        const double l_db_Size = MaximumMagnitude(U);
        const bool l_b_ResidualMet = l_o_Current.m_db_Norm <= in_o_Settings.m_db_Tolerance * l_db_First;
        const bool l_b_UpdateMet = l_int_Iteration > 0 && l_db_LastUpdate <= std::sqrt(in_o_Settings.m_db_Tolerance) * l_db_Size;
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
        LargeVector<double> l_vdb_Step = l_o_Current.m_vdb_Residual;
        for (double& v : l_vdb_Step)
            v = -v;
        const BandFactorisation l_o_Factorisation =
            FactoriseSystem(std::move(l_o_Current.m_o_Tangent), in_o_Settings.m_e_Method, l_o_Discretisation);
        l_o_Factorisation.Solve(l_vdb_Step.data());
        l_e_Method = l_o_Factorisation.get_m_e_Method();
        l_db_Reciprocal = l_o_Factorisation.get_m_db_ReciprocalCondition();
        const double l_db_StepSize = MaximumMagnitude(l_vdb_Step);
        const double l_db_Rounding = 64 * DBL_EPSILON * std::max(l_db_Size, DBL_MIN) / std::max(l_db_Reciprocal, DBL_EPSILON);

        // Full step, halved while it does not lower the residual.
        bool l_b_Lowered = false;
        double l_db_Fraction = 1.0;
        for (int l_int_Halving = 0; l_int_Halving <= 10; ++l_int_Halving, l_db_Fraction *= 0.5)
        {
            LargeVector<double> l_vdb_Trial = U;
            for (int d = 0; d < n; ++d)
                l_vdb_Trial[d] += l_db_Fraction * l_vdb_Step[d];
            Linearisation l_o_Trial = Linearise(in_o_Model, l_o_Assembler, l_vdb_Trial);
            if (l_o_Trial.m_db_Norm < l_o_Current.m_db_Norm)
            {
                U = std::move(l_vdb_Trial);
                l_o_Current = std::move(l_o_Trial);
                l_db_LastUpdate = l_db_Fraction * l_db_StepSize;
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
                // The tangent was used up by the factorisation; rebuild the current state.
                l_o_Current = Linearise(in_o_Model, l_o_Assembler, U);
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
    std::vector<Reaction> l_v_Reactions = MakeReactions(in_o_Model, l_o_Current.m_vdb_Reactions);
    return StaticSolution(FieldSolution(l_o_Discretisation, std::move(U)), std::move(l_v_Reactions), l_e_Method,
                          l_db_Reciprocal, std::move(l_vdb_History), l_e_Convergence);
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

#include "solver.h"

#include <cmath>
#include <limits>

#include "inputerror.h"
#include "modelbuilder.h"

namespace
{

const double kNaN = std::numeric_limits<double>::quiet_NaN();

double Order(double in_db_Previous, double in_db_Change)
{
    const double l_db_Order = std::log2(in_db_Previous / in_db_Change);
    return std::isfinite(l_db_Order) ? l_db_Order : kNaN;
}

std::string Where(const Problem& in_o_Problem, int in_int_Level)
{
    std::string l_s_Where = in_o_Problem.m_int_SolveLine != 0 ? "Solve: " : "Equation: ";
    if (in_o_Problem.m_int_RefineLevels > 0)
        l_s_Where += "on refinement level " + std::to_string(in_int_Level) + ", ";
    return l_s_Where;
}

} // namespace

double NestedL2Difference(const FieldSolution& in_o_Fine, const FieldSolution& in_o_Coarse)
{
    const GaussLegendre l_o_Rule(6, RuleDigits::Full);
    const Mesh& l_o_Mesh = in_o_Fine.get_Discretisation().get_Mesh();
    long double l_ld_Sum = 0.0L;
    for (int e = 0; e < l_o_Mesh.get_m_int_NumberOfElements(); ++e)
    {
        const double a = l_o_Mesh.get_m_vdb_Nodes(e), h = l_o_Mesh.get_ElementLength(e);
        for (int t = 0; t < l_o_Rule.get_m_int_NumberOfIntegrationPoints(); ++t)
        {
            const double x = a + 0.5 * h * (1.0 + l_o_Rule.get_m_vdb_ptrPoints(t));
            const double d = in_o_Fine.EvaluateIn(e, x, 0) - in_o_Coarse.EvaluateIn(e / 2, x, 0);
            l_ld_Sum += static_cast<long double>(d) * d * (0.5 * h * l_o_Rule.get_m_vdb_ptrWeight(t));
        }
    }
    return static_cast<double>(std::sqrt(l_ld_Sum));
}

Results SolveProblem(const Problem& in_o_Problem)
{
    Results r;
    r.m_o_ptrProblem = &in_o_Problem;
    r.m_o_ptrPhysics = std::make_unique<Physics1D>(in_o_Problem);
    const Integrands l_o_Integrands = r.m_o_ptrPhysics->MakeIntegrands();
    std::shared_ptr<const Mesh> l_o_ptrMesh = BuildMesh(in_o_Problem);

    for (int l_int_Level = 0; l_int_Level <= in_o_Problem.m_int_RefineLevels; ++l_int_Level)
    {
        if (l_int_Level > 0)
            l_o_ptrMesh = HalveElements(*l_o_ptrMesh);
        auto l_o_ptrModel = std::make_unique<Model>(BuildModel(in_o_Problem, l_o_ptrMesh, l_o_Integrands));
        LevelSummary l_o_Level;
        l_o_Level.m_int_Elements = l_o_ptrMesh->get_m_int_NumberOfElements();
        l_o_Level.m_int_Unknowns = l_o_ptrModel->get_Discretisation().get_m_int_NumberOfUnknowns();
        l_o_Level.m_db_LargestElement = l_o_ptrMesh->get_LargestElement();
        l_o_Level.m_db_Change = kNaN;
        l_o_Level.m_db_Order = kNaN;
        std::string l_s_Warning;
        try
        {
            if (in_o_Problem.m_e_Analysis == Analysis::Modes)
            {
                auto l_o_ptrModes =
                    std::make_unique<ModalSolution>(SolveModes(*l_o_ptrModel, in_o_Problem.m_int_Modes));
                for (int i = 0; i < l_o_ptrModes->get_NumberOfModes(); ++i)
                {
                    l_o_Level.m_vdb_Omega.push_back(l_o_ptrModes->get_Omega(i));
                    const bool l_b_Previous = l_int_Level > 0;
                    const double l_db_Change =
                        l_b_Previous ? std::fabs(l_o_ptrModes->get_Omega(i) - r.m_v_Levels.back().m_vdb_Omega[i])
                                     : kNaN;
                    l_o_Level.m_vdb_Change.push_back(l_db_Change);
                    l_o_Level.m_vdb_Order.push_back(
                        l_int_Level > 1 ? Order(r.m_v_Levels.back().m_vdb_Change[i], l_db_Change) : kNaN);
                }
                l_s_Warning = l_o_ptrModes->get_m_o_Trust().m_s_Warning;
                r.m_o_ptrModes = std::move(l_o_ptrModes);
            }
            else
            {
                std::unique_ptr<StaticSolution> l_o_ptrSolution;
                if (in_o_Problem.IsNonlinear())
                {
                    NewtonSettings l_o_Settings;
                    l_o_Settings.m_db_Tolerance = in_o_Problem.m_db_NewtonTolerance;
                    l_o_Settings.m_int_MaximumIterations = in_o_Problem.m_int_NewtonIterations;
                    l_o_ptrSolution = std::make_unique<StaticSolution>(SolveNewton(*l_o_ptrModel, l_o_Settings));
                }
                else
                    l_o_ptrSolution = std::make_unique<StaticSolution>(SolveLinearStatic(*l_o_ptrModel));
                if (l_int_Level > 0)
                {
                    l_o_Level.m_db_Change = NestedL2Difference(*l_o_ptrSolution, *r.m_o_ptrStatic);
                    if (l_int_Level > 1)
                        l_o_Level.m_db_Order = Order(r.m_v_Levels.back().m_db_Change, l_o_Level.m_db_Change);
                }
                l_s_Warning = l_o_ptrSolution->get_m_o_Trust().m_s_Warning;
                r.m_o_ptrStatic = std::move(l_o_ptrSolution);
            }
        }
        catch (const ProblemError& e)
        {
            throw InputError(in_o_Problem.SolveLine(), Where(in_o_Problem, l_int_Level) + e.what());
        }
        if (!l_s_Warning.empty())
            r.m_v_Warnings.push_back(
                (in_o_Problem.m_int_RefineLevels > 0 ? "level " + std::to_string(l_int_Level) + ": " : std::string()) +
                l_s_Warning);
        r.m_o_ptrModel = std::move(l_o_ptrModel);
        r.m_v_Levels.push_back(std::move(l_o_Level));
    }
    return r;
}

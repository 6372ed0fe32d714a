#include "report.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace
{

// printf into a string: the report's columns are fixed widths.
std::string Format(const char* in_c_Format, ...)
{
    char l_c_Text[512];
    va_list l_o_Arguments;
    va_start(l_o_Arguments, in_c_Format);
    std::vsnprintf(l_c_Text, sizeof l_c_Text, in_c_Format, l_o_Arguments);
    va_end(l_o_Arguments);
    return l_c_Text;
}

std::string G(double in_db_x)
{
    if (std::isnan(in_db_x))
        return "";
    // No "-0": a zero is a zero in a report.
    return Format("%.6g", in_db_x == 0.0 ? 0.0 : in_db_x);
}

std::string ProblemLine(const Problem& p)
{
    std::string l_s_Line = "Problem:  ";
    l_s_Line += p.m_e_Physics == Physics::Beam ? "Beam, (EI w'')'' + k w = q" : "Diffusion, -(a u')' + b u' + c u = f";
    l_s_Line += " on [" + G(p.m_db_Start) + ", " + G(p.m_db_End) + "], ";
    if (p.m_e_Analysis == Analysis::Modes)
        l_s_Line += "the " + std::to_string(p.m_int_Modes) + (p.m_int_Modes == 1 ? " lowest mode" : " lowest modes");
    else
        l_s_Line += p.IsNonlinear() ? "static, nonlinear (Newton's method)" : "static, linear";
    if (p.m_int_RefineLevels > 0)
        l_s_Line += ", " + std::to_string(p.m_int_RefineLevels) + "-level convergence study";
    return l_s_Line + "\n";
}

std::string MeshLine(const Results& r)
{
    const Problem& p = *r.m_o_ptrProblem;
    const Discretisation& d = r.m_o_ptrModel->get_Discretisation();
    const Mesh& m = d.get_Mesh();
    const std::string l_s_Element = p.m_b_Hermite ? "cubic Hermite" : "Lagrange order " + std::to_string(p.m_int_Order);
    return Format("Mesh:     %d elements (%s), %d nodes, %d unknowns, element length %s to %s\n",
                  m.get_m_int_NumberOfElements(), l_s_Element.c_str(), d.get_NumberOfPoints(),
                  d.get_m_int_NumberOfUnknowns(), G(m.get_SmallestElement()).c_str(),
                  G(m.get_LargestElement()).c_str());
}

std::string SolveLines(const Results& r)
{
    if (r.m_o_ptrModes)
        return "";
    const StaticSolution& s = *r.m_o_ptrStatic;
    const char* l_c_Method = s.get_m_e_Method() == FactorisationMethod::LU ? "LU" : "Cholesky";
    const std::vector<double>& l_vdb_Residuals = s.get_m_vdb_Residuals();
    if (l_vdb_Residuals.empty())
        return Format("Solve:    one linear solve, banded %s factorisation\n", l_c_Method);
    std::string l_s_Lines =
        Format("Newton:   iteration  residual     (banded %s factorisation of the tangent)\n", l_c_Method);
    for (std::size_t k = 0; k < l_vdb_Residuals.size(); ++k)
        l_s_Lines += Format("          %-9zu  %.3e\n", k, l_vdb_Residuals[k]);
    const int l_int_Iterations = static_cast<int>(l_vdb_Residuals.size()) - 1;
    l_s_Lines += Format("          converged in %d iteration%s%s\n", l_int_Iterations, l_int_Iterations == 1 ? "" : "s",
                        s.get_m_e_Convergence() == Convergence::ConvergedToRounding
                            ? ", the residual stopping at the level of rounding"
                            : "");
    return l_s_Lines;
}

std::string ExtremeLines(const Table& t)
{
    std::string l_s_Lines = Format("Extremes over the %zu nodes:\n", t.Rows());
    l_s_Lines += Format("  %-10s %-14s %-14s %-14s %s\n", "column", "minimum", "at x", "maximum", "at x");
    for (std::size_t c = 1; c < t.m_v_Columns.size(); ++c)
    {
        const std::vector<double>& v = t[c].m_vdb_Values;
        std::size_t l_l_Lowest = 0, l_l_Highest = 0;
        for (std::size_t i = 1; i < v.size(); ++i)
        {
            if (v[i] < v[l_l_Lowest])
                l_l_Lowest = i;
            if (v[i] > v[l_l_Highest])
                l_l_Highest = i;
        }
        const std::vector<double>& x = t[0].m_vdb_Values;
        l_s_Lines += Format("  %-10s %-14s %-14s %-14s %s\n", t[c].m_s_Name.c_str(), G(v[l_l_Lowest]).c_str(),
                            G(x[l_l_Lowest]).c_str(), G(v[l_l_Highest]).c_str(), G(x[l_l_Highest]).c_str());
    }
    return l_s_Lines;
}

const char* ValueName(ConditionKind in_e_Kind)
{
    switch (in_e_Kind)
    {
    case ConditionKind::FixedValue: return "v";
    case ConditionKind::FixedSlope: return "s";
    case ConditionKind::PointLoad: return "P";
    case ConditionKind::PointMoment: return "M";
    case ConditionKind::Spring: return "k";
    case ConditionKind::Convective: return "h";
    }
    return "";
}

std::string ConditionLines(const Results& r)
{
    const Problem& p = *r.m_o_ptrProblem;
    if (!r.m_o_ptrStatic || p.m_v_Conditions.empty())
        return "";
    const StaticSolution& s = *r.m_o_ptrStatic;
    const bool l_b_Beam = p.m_e_Physics == Physics::Beam;
    std::string l_s_Lines = "At the conditions:\n";
    for (const Condition& c : p.m_v_Conditions)
    {
        std::string l_s_Given = std::string(ValueName(c.m_e_Kind)) + " = " + G(c.m_db_Value);
        if (c.m_e_Kind == ConditionKind::Convective)
            l_s_Given += ", uinf = " + G(c.m_db_Ambient);
        std::string l_s_Field = std::string(l_b_Beam ? "w = " : "u = ") + G(s.Value(c.m_db_x));
        if (l_b_Beam)
            l_s_Field += ", slope = " + G(s.Derivative(c.m_db_x));
        l_s_Lines += Format("  x = %-10s %-14s %-24s %s\n", G(c.m_db_x).c_str(), CommandName(c.m_e_Kind),
                            l_s_Given.c_str(), l_s_Field.c_str());
    }
    return l_s_Lines;
}

std::string ReactionLines(const Results& r)
{
    if (!r.m_o_ptrStatic || r.m_o_ptrStatic->get_m_v_Reactions().empty())
        return "";
    std::string l_s_Lines = "Reactions (the force, or moment, that each fixed value or slope exerts):\n";
    for (const Reaction& l_o_Reaction : r.m_o_ptrStatic->get_m_v_Reactions())
        l_s_Lines +=
            Format("  x = %-10s %-6s %s\n", G(l_o_Reaction.m_db_x).c_str(),
                   l_o_Reaction.m_e_Kind == UnknownKind::Slope ? "slope" : "value", G(l_o_Reaction.m_db_Value).c_str());
    return l_s_Lines;
}

std::string ModeLines(const Results& r)
{
    if (!r.m_o_ptrModes)
        return "";
    const ModalSolution& m = *r.m_o_ptrModes;
    const bool l_b_Extrapolated = r.m_v_Levels.size() >= 2;
    std::string l_s_Lines = "Natural frequencies:\n";
    l_s_Lines += Format("  %-5s %-14s %-14s %-14s%s\n", "mode", "eigenvalue", "omega (rad/s)", "frequency (Hz)",
                        l_b_Extrapolated ? " omega extrapolated" : "");
    for (int k = 0; k < m.get_NumberOfModes(); ++k)
    {
        std::string l_s_Line = Format("  %-5d %-14s %-14s %-14s", k + 1, G(m.get_m_vdb_Eigenvalues(k)).c_str(),
                                      G(m.get_Omega(k)).c_str(), G(m.get_Omega(k) / 6.283185307179586).c_str());
        if (l_b_Extrapolated)
            l_s_Line += " " + G(ExtrapolatedOmega(r, k));
        while (!l_s_Line.empty() && l_s_Line.back() == ' ')
            l_s_Line.pop_back();
        l_s_Lines += l_s_Line + "\n";
    }
    if (l_b_Extrapolated)
        l_s_Lines += Format("  (Richardson's extrapolation from the last two levels, the error in omega taken as "
                            "C h^%d)\n",
                            OmegaOrder(*r.m_o_ptrProblem));
    return l_s_Lines;
}

std::string ConvergenceLines(const Results& r)
{
    if (r.m_v_Levels.size() < 2)
        return "";
    const bool l_b_Modes = r.m_o_ptrModes != nullptr;
    std::string l_s_Lines = l_b_Modes ? "Convergence (change: |omega - previous omega|):\n"
                                      : "Convergence (change: L2 norm of the solution minus the previous level's):\n";
    l_s_Lines += Format("  %-6s %-10s %-10s %s%-14s %s\n", "level", "elements", "unknowns", l_b_Modes ? "mode  " : "",
                        "change", "order");
    for (std::size_t l = 0; l < r.m_v_Levels.size(); ++l)
    {
        const LevelSummary& s = r.m_v_Levels[l];
        const std::size_t l_l_Rows = l_b_Modes ? s.m_vdb_Omega.size() : 1;
        for (std::size_t k = 0; k < l_l_Rows; ++k)
        {
            const double l_db_Change = l_b_Modes ? s.m_vdb_Change[k] : s.m_db_Change;
            const double l_db_Order = l_b_Modes ? s.m_vdb_Order[k] : s.m_db_Order;
            std::string l_s_Line = Format("  %-6zu %-10d %-10d %s%-14s %s", l, s.m_int_Elements, s.m_int_Unknowns,
                                          l_b_Modes ? Format("%-5zu ", k + 1).c_str() : "",
                                          std::isnan(l_db_Change) ? "" : Format("%.3e", l_db_Change).c_str(),
                                          std::isnan(l_db_Order) ? "" : Format("%.2f", l_db_Order).c_str());
            while (!l_s_Line.empty() && l_s_Line.back() == ' ')
                l_s_Line.pop_back();
            l_s_Lines += l_s_Line + "\n";
        }
    }
    return l_s_Lines;
}

} // namespace

int OmegaOrder(const Problem& in_o_Problem) { return in_o_Problem.m_b_Hermite ? 4 : 2 * in_o_Problem.m_int_Order; }

double ExtrapolatedOmega(const Results& in_o_Results, int in_int_Mode)
{
    const std::vector<LevelSummary>& l_v_Levels = in_o_Results.m_v_Levels;
    if (l_v_Levels.size() < 2)
        return std::nan("");
    const double l_db_Fine = l_v_Levels.back().m_vdb_Omega[in_int_Mode];
    const double l_db_Coarse = l_v_Levels[l_v_Levels.size() - 2].m_vdb_Omega[in_int_Mode];
    const double l_db_Ratio = std::ldexp(1.0, OmegaOrder(*in_o_Results.m_o_ptrProblem));
    return l_db_Fine + (l_db_Fine - l_db_Coarse) / (l_db_Ratio - 1.0);
}

std::string ReportText(const Results& in_o_Results, const Table& in_o_Nodes, const std::vector<std::string>& in_v_Files)
{
    std::string l_s_Text = "fem1d " + in_o_Results.m_o_ptrProblem->m_s_Name + "\n";
    l_s_Text += ProblemLine(*in_o_Results.m_o_ptrProblem);
    l_s_Text += MeshLine(in_o_Results);
    l_s_Text += SolveLines(in_o_Results);
    l_s_Text += ConvergenceLines(in_o_Results);
    l_s_Text += ModeLines(in_o_Results);
    l_s_Text += ExtremeLines(in_o_Nodes);
    l_s_Text += ConditionLines(in_o_Results);
    l_s_Text += ReactionLines(in_o_Results);
    for (const std::string& l_s_Warning : in_o_Results.m_v_Warnings)
        l_s_Text += "Warning:  " + l_s_Warning + "\n";
    if (!in_v_Files.empty())
    {
        l_s_Text += "Written:  ";
        for (std::size_t i = 0; i < in_v_Files.size(); ++i)
            l_s_Text += (i == 0 ? "" : ", ") + in_v_Files[i];
        l_s_Text += "\n";
    }
    return l_s_Text;
}

#ifndef FEM1D_APP_PROBLEM_H
#define FEM1D_APP_PROBLEM_H

#include <string>
#include <vector>

// A problem as the problem file describes it, checked for consistency but
// not yet discretised. Every item keeps the line it came from, so that a
// failure found later (by the mesh or a solver) can still name its command.

enum class Physics
{
    Diffusion,
    Beam
};

// A coefficient over an interval: constant, or linear from its value at
// m_db_Start to its value at m_db_End.
struct LinearFunction
{
    double m_db_Start = 0.0, m_db_End = 1.0;
    double m_db_StartValue = 0.0, m_db_EndValue = 0.0;
    int m_int_Line = 0; // where it was set; 0 for a default

    static LinearFunction Constant(double in_db_Value, int in_int_Line = 0)
    {
        return {0.0, 1.0, in_db_Value, in_db_Value, in_int_Line};
    }
    bool IsConstant() const { return m_db_StartValue == m_db_EndValue; }
    double Slope() const { return IsConstant() ? 0.0 : (m_db_EndValue - m_db_StartValue) / (m_db_End - m_db_Start); }
    double operator()(double in_db_x) const
    {
        if (IsConstant())
            return m_db_StartValue;
        const double t = (in_db_x - m_db_Start) / (m_db_End - m_db_Start);
        return m_db_StartValue + (m_db_EndValue - m_db_StartValue) * t;
    }
    // The smallest and largest value on the function's own interval.
    double Minimum() const { return m_db_StartValue < m_db_EndValue ? m_db_StartValue : m_db_EndValue; }
    double Maximum() const { return m_db_StartValue < m_db_EndValue ? m_db_EndValue : m_db_StartValue; }
};

// The coefficients of both physics; each problem reads its own.
struct Coefficients
{
    // Diffusion: -(a (1 + beta u) u')' + b u' + c u = f, capacity m.
    LinearFunction a = LinearFunction::Constant(1.0);
    LinearFunction b = LinearFunction::Constant(0.0);
    LinearFunction c = LinearFunction::Constant(0.0);
    LinearFunction f = LinearFunction::Constant(0.0);
    LinearFunction m = LinearFunction::Constant(1.0);
    double m_db_Beta = 0.0;
    int m_int_BetaLine = 0;
    // Beam: (EI w'')'' + k w = q, mass per length rhoA.
    LinearFunction EI = LinearFunction::Constant(1.0);
    LinearFunction k = LinearFunction::Constant(0.0);
    LinearFunction q = LinearFunction::Constant(0.0);
    LinearFunction rhoA = LinearFunction::Constant(1.0);
};

// Region 0 is the whole domain; the others are the problem's Region
// commands in order, the last one holding where several overlap.
struct Region
{
    double m_db_Start, m_db_End;
    int m_int_Line;
    Coefficients m_o_Coefficients;
};

enum class ConditionKind
{
    FixedValue,
    FixedSlope,
    PointLoad,
    PointMoment,
    Spring,
    Convective
};

// The command that gives a condition, as messages name it.
inline const char* CommandName(ConditionKind in_e_Kind)
{
    switch (in_e_Kind)
    {
    case ConditionKind::FixedValue: return "#Fixed value";
    case ConditionKind::FixedSlope: return "#Fixed slope";
    case ConditionKind::PointLoad: return "#Point load";
    case ConditionKind::PointMoment: return "#Point moment";
    case ConditionKind::Spring: return "Spring";
    case ConditionKind::Convective: return "Convective";
    }
    return "";
}

struct Condition
{
    ConditionKind m_e_Kind;
    double m_db_x;
    double m_db_Value;   // v, s, P, M, k or h
    double m_db_Ambient; // Convective: uinf
    int m_int_Line;
};

enum class Analysis
{
    Static,
    Modes
};

struct Problem
{
    std::string m_s_Name; // the problem file as the user named it
    Physics m_e_Physics = Physics::Diffusion;
    int m_int_EquationLine = 0;
    double m_db_Start = 0.0, m_db_End = 1.0;
    int m_int_DomainLine = 0;
    int m_int_Elements = 1;
    int m_int_ElementsLine = 0;
    double m_db_Grading = 1.0;
    int m_int_GradingLine = 0;
    bool m_b_Hermite = false;
    int m_int_Order = 1; // Lagrange order; 3 for Hermite
    std::vector<Region> m_v_Regions;
    std::vector<Condition> m_v_Conditions;
    Analysis m_e_Analysis = Analysis::Static;
    int m_int_Modes = 0;
    int m_int_SolveLine = 0;
    double m_db_NewtonTolerance = 1e-10;
    int m_int_NewtonIterations = 25;
    int m_int_RefineLevels = 0;
    std::string m_s_Output; // prefix of the output files
    int m_int_OutputLine = 0;

    bool IsNonlinear() const
    {
        for (const Region& l_o_Region : m_v_Regions)
            if (l_o_Region.m_o_Coefficients.m_db_Beta != 0.0)
                return true;
        return false;
    }
    // The line that failures of the whole solve are reported at.
    int SolveLine() const { return m_int_SolveLine != 0 ? m_int_SolveLine : m_int_EquationLine; }
};

#endif

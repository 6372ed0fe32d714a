#include "problemreader.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "inputerror.h"
#include "numbertext.h"
#include "parameters.h"
#include "statements.h"

namespace
{

enum class Keyword
{
    Equation,
    Domain,
    Elements,
    Grading,
    Element,
    Region,
    Coefficient,
    Nonlinear,
    FixedValue,
    FixedSlope,
    PointLoad,
    PointMoment,
    Spring,
    Convective,
    Solve,
    Newton,
    Refine,
    Output
};

enum class Scope
{
    Any,
    Diffusion,
    Beam
};

enum class Range
{
    Any,
    Positive,
    NotNegative
};

struct CommandInfo
{
    Keyword m_e_Keyword;
    const char* m_c_Key;     // the name lower-cased, a header's spaces as "_"
    const char* m_c_Display; // in messages
    const char* m_c_Usage;   // how it is written
    Scope m_e_Scope;
    // Coefficients: the member set, the range of its values, its symbol.
    LinearFunction Coefficients::*m_ptr_Coefficient;
    Range m_e_Range;
    const char* m_c_Symbol;
    // Conditions: their kind.
    ConditionKind m_e_Condition;
};

constexpr ConditionKind kNone = ConditionKind::FixedValue;

const CommandInfo kCommands[] = {
    {Keyword::Equation, "equation", "Equation", "Equation (Diffusion) or Equation (Beam)", Scope::Any, nullptr,
     Range::Any, "", kNone},
    {Keyword::Domain, "domain", "Domain", "Domain (x0, x1)", Scope::Any, nullptr, Range::Any, "", kNone},
    {Keyword::Elements, "elements", "Elements", "Elements (n)", Scope::Any, nullptr, Range::Any, "", kNone},
    {Keyword::Grading, "grading", "Grading", "Grading (r)", Scope::Any, nullptr, Range::Any, "", kNone},
    {Keyword::Element, "element", "Element", "Element (Lagrange, p) or Element (Hermite, 3)", Scope::Any, nullptr,
     Range::Any, "", kNone},
    {Keyword::Region, "region", "Region", "Region (a, b)", Scope::Any, nullptr, Range::Any, "", kNone},
    {Keyword::Coefficient, "conductivity", "Conductivity", "Conductivity (a) or Conductivity (a_start, a_end)",
     Scope::Diffusion, &Coefficients::a, Range::Positive, "a", kNone},
    {Keyword::Nonlinear, "nonlinear", "Nonlinear", "Nonlinear (beta)", Scope::Diffusion, nullptr, Range::Any, "beta",
     kNone},
    {Keyword::Coefficient, "convection", "Convection", "Convection (b) or Convection (b_start, b_end)",
     Scope::Diffusion, &Coefficients::b, Range::Any, "b", kNone},
    {Keyword::Coefficient, "reaction", "Reaction", "Reaction (c) or Reaction (c_start, c_end)", Scope::Diffusion,
     &Coefficients::c, Range::NotNegative, "c", kNone},
    {Keyword::Coefficient, "source", "Source", "Source (f) or Source (f_start, f_end)", Scope::Diffusion,
     &Coefficients::f, Range::Any, "f", kNone},
    {Keyword::Coefficient, "capacity", "Capacity", "Capacity (m) or Capacity (m_start, m_end)", Scope::Diffusion,
     &Coefficients::m, Range::Positive, "m", kNone},
    {Keyword::Coefficient, "rigidity", "Rigidity", "Rigidity (EI) or Rigidity (EI_start, EI_end)", Scope::Beam,
     &Coefficients::EI, Range::Positive, "EI", kNone},
    {Keyword::Coefficient, "foundation", "Foundation", "Foundation (k) or Foundation (k_start, k_end)", Scope::Beam,
     &Coefficients::k, Range::NotNegative, "k", kNone},
    {Keyword::Coefficient, "load", "Load", "Load (q) or Load (q_start, q_end)", Scope::Beam, &Coefficients::q,
     Range::Any, "q", kNone},
    {Keyword::Coefficient, "mass", "Mass", "Mass (rhoA) or Mass (rhoA_start, rhoA_end)", Scope::Beam,
     &Coefficients::rhoA, Range::Positive, "rhoA", kNone},
    {Keyword::FixedValue, "fixed_value", "#Fixed value", "#Fixed value: (x, v)", Scope::Any, nullptr, Range::Any, "v",
     ConditionKind::FixedValue},
    {Keyword::FixedSlope, "fixed_slope", "#Fixed slope", "#Fixed slope: (x, s)", Scope::Beam, nullptr, Range::Any, "s",
     ConditionKind::FixedSlope},
    {Keyword::PointLoad, "point_load", "#Point load", "#Point load: (x, P)", Scope::Any, nullptr, Range::Any, "P",
     ConditionKind::PointLoad},
    {Keyword::PointMoment, "point_moment", "#Point moment", "#Point moment: (x, M)", Scope::Beam, nullptr, Range::Any,
     "M", ConditionKind::PointMoment},
    {Keyword::Spring, "spring", "Spring", "Spring (x, k)", Scope::Any, nullptr, Range::Positive, "k",
     ConditionKind::Spring},
    {Keyword::Convective, "convective", "Convective", "Convective (x, h, uinf)", Scope::Diffusion, nullptr,
     Range::Positive, "h", ConditionKind::Convective},
    {Keyword::Solve, "solve", "Solve", "Solve (Static) or Solve (Modes, k)", Scope::Any, nullptr, Range::Any, "",
     kNone},
    {Keyword::Newton, "newton", "Newton", "Newton (tol, maxit)", Scope::Any, nullptr, Range::Any, "", kNone},
    {Keyword::Refine, "refine", "Refine", "Refine (levels)", Scope::Any, nullptr, Range::Any, "", kNone},
    {Keyword::Output, "output", "Output", "Output (name)", Scope::Any, nullptr, Range::Any, "", kNone},
};

// A command name as the reader leaves it, compared without case; a
// header's spaces became "_", so runs of them count once and none at the ends.
std::string Key(const std::string& in_s_Name)
{
    std::string l_s_Key;
    for (char c : LowerCase(in_s_Name))
    {
        if (c == '_' && (l_s_Key.empty() || l_s_Key.back() == '_'))
            continue;
        l_s_Key += c;
    }
    while (!l_s_Key.empty() && l_s_Key.back() == '_')
        l_s_Key.pop_back();
    return l_s_Key;
}

// The number of single-character edits from a to b.
std::size_t EditDistance(const std::string& a, const std::string& b)
{
    std::vector<std::size_t> l_v_Row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        l_v_Row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
    {
        std::size_t l_l_Diagonal = l_v_Row[0];
        l_v_Row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j)
        {
            const std::size_t l_l_Above = l_v_Row[j];
            l_v_Row[j] = std::min({l_v_Row[j] + 1, l_v_Row[j - 1] + 1, l_l_Diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            l_l_Diagonal = l_l_Above;
        }
    }
    return l_v_Row[b.size()];
}

[[noreturn]] void UnknownCommand(const Statement& in_o_Statement)
{
    const std::string l_s_Key = Key(in_o_Statement.m_s_Name);
    for (const CommandInfo& l_o_Info : kCommands)
    {
        const std::string l_s_Name(l_o_Info.m_c_Key);
        // "Elements 10" reads as the one word "Elements10".
        if (l_s_Key.size() > l_s_Name.size() && l_s_Key.compare(0, l_s_Name.size(), l_s_Name) == 0)
        {
            const char c = l_s_Key[l_s_Name.size()];
            if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == '_')
                throw InputError(in_o_Statement.m_int_Line, "unknown command " + Quoted(in_o_Statement.m_s_Name) +
                                                                ": parameters go in parentheses, as in " +
                                                                l_o_Info.m_c_Usage);
        }
    }
    // A misspelling: the nearest name, where it is near enough.
    const CommandInfo* l_o_ptrNearest = nullptr;
    std::size_t l_l_Nearest = 3;
    for (const CommandInfo& l_o_Info : kCommands)
    {
        const std::size_t l_l_Distance = EditDistance(l_s_Key, l_o_Info.m_c_Key);
        if (l_l_Distance < l_l_Nearest)
        {
            l_l_Nearest = l_l_Distance;
            l_o_ptrNearest = &l_o_Info;
        }
    }
    if (l_o_ptrNearest != nullptr)
        throw InputError(in_o_Statement.m_int_Line, "unknown command " + Quoted(in_o_Statement.m_s_Name) +
                                                        " (did you mean " + l_o_ptrNearest->m_c_Display + "?)");
    throw InputError(in_o_Statement.m_int_Line,
                     "unknown command " + Quoted(in_o_Statement.m_s_Name) +
                         " (the commands are Equation, Domain, Elements, Grading, Element, Region, Conductivity, "
                         "Nonlinear, Convection, Reaction, Source, Capacity, Rigidity, Foundation, Load, Mass, "
                         "#Fixed value:, #Fixed slope:, #Point load:, #Point moment:, Spring, Convective, Solve, "
                         "Newton, Refine and Output)");
}

// One command with its parameters read and checked on their own.
struct Command
{
    const CommandInfo* m_o_ptrInfo;
    int m_int_Line;
    std::vector<double> m_vdb_Numbers;
    int m_int_Word = -1;
    std::string m_s_Text;
};

Command ParseCommand(const Statement& in_o_Statement)
{
    const std::string l_s_Key = Key(in_o_Statement.m_s_Name);
    const CommandInfo* l_o_ptrInfo = nullptr;
    for (const CommandInfo& l_o_Info : kCommands)
        if (l_s_Key == l_o_Info.m_c_Key)
            l_o_ptrInfo = &l_o_Info;
    if (l_o_ptrInfo == nullptr)
        UnknownCommand(in_o_Statement);
    const CommandInfo& l_o_Info = *l_o_ptrInfo;
    const char* l_c_Usage = l_o_Info.m_c_Usage;
    const Parameters p(in_o_Statement, l_o_Info.m_c_Display);
    Command l_o_Command{l_o_ptrInfo, in_o_Statement.m_int_Line, {}, -1, {}};
    std::vector<double>& v = l_o_Command.m_vdb_Numbers;

    switch (l_o_Info.m_e_Keyword)
    {
    case Keyword::Equation:
        p.RequireCount(1, 1, l_c_Usage);
        l_o_Command.m_int_Word = p.Word(0, "the physics", {"Diffusion", "Beam"});
        break;
    case Keyword::Domain:
    case Keyword::Region:
    {
        const bool l_b_Domain = l_o_Info.m_e_Keyword == Keyword::Domain;
        p.RequireCount(2, 2, l_c_Usage);
        v = {p.Number(0, l_b_Domain ? "x0" : "a"), p.Number(1, l_b_Domain ? "x1" : "b")};
        if (!(v[0] < v[1]))
            p.Fail(std::string("the start ") + NumberText(v[0]) + " must lie below the end " + NumberText(v[1]));
        if (l_b_Domain && !std::isfinite(v[1] - v[0]))
            p.Fail("the length of the domain is beyond the range of double precision");
        break;
    }
    case Keyword::Elements:
        p.RequireCount(1, 1, l_c_Usage);
        v = {static_cast<double>(p.Integer(0, "n", 1, kMostElements))};
        break;
    case Keyword::Grading:
        p.RequireCount(1, 1, l_c_Usage);
        v = {p.Positive(0, "r")};
        break;
    case Keyword::Element:
        p.RequireCount(2, 2, l_c_Usage);
        l_o_Command.m_int_Word = p.Word(0, "the interpolation", {"Lagrange", "Hermite"});
        v = {static_cast<double>(p.Integer(1, "the order p", 1, 3))};
        if (l_o_Command.m_int_Word == 1 && v[0] != 3)
            p.Fail("Hermite elements are cubic: write Element (Hermite, 3)");
        break;
    case Keyword::Coefficient:
        p.RequireCount(1, 2, l_c_Usage);
        for (std::size_t i = 0; i < p.Count(); ++i)
        {
            const std::string l_s_Name =
                std::string(l_o_Info.m_c_Symbol) + (p.Count() == 1 ? "" : (i == 0 ? "_start" : "_end"));
            v.push_back(l_o_Info.m_e_Range == Range::Positive      ? p.Positive(i, l_s_Name.c_str())
                        : l_o_Info.m_e_Range == Range::NotNegative ? p.NotNegative(i, l_s_Name.c_str())
                                                                   : p.Number(i, l_s_Name.c_str()));
        }
        break;
    case Keyword::Nonlinear:
        p.RequireCount(1, 1, l_c_Usage);
        v = {p.Number(0, "beta")};
        break;
    case Keyword::FixedValue:
    case Keyword::FixedSlope:
    case Keyword::PointLoad:
    case Keyword::PointMoment:
    case Keyword::Spring:
    case Keyword::Convective:
    {
        const bool l_b_Convective = l_o_Info.m_e_Keyword == Keyword::Convective;
        p.RequireCount(l_b_Convective ? 3 : 2, l_b_Convective ? 3 : 2, l_c_Usage);
        v = {p.Number(0, "x"), l_o_Info.m_e_Range == Range::Positive ? p.Positive(1, l_o_Info.m_c_Symbol)
                                                                     : p.Number(1, l_o_Info.m_c_Symbol)};
        if (l_b_Convective)
            v.push_back(p.Number(2, "uinf"));
        break;
    }
    case Keyword::Solve:
        p.RequireCount(1, 2, l_c_Usage);
        l_o_Command.m_int_Word = p.Word(0, "the analysis", {"Static", "Modes"});
        if (l_o_Command.m_int_Word == 0 && p.Count() != 1)
            p.Fail("Static takes no count: write Solve (Static)");
        if (l_o_Command.m_int_Word == 1)
        {
            if (p.Count() != 2)
                p.Fail("Modes needs the number of modes: write Solve (Modes, k)");
            v = {static_cast<double>(p.Integer(1, "the number of modes k", 1, 100000))};
        }
        break;
    case Keyword::Newton:
    {
        p.RequireCount(2, 2, l_c_Usage);
        const double l_db_Tolerance = p.Positive(0, "tol");
        if (!(l_db_Tolerance < 1.0))
            p.Fail("tol is relative to the first residual and must lie below 1, not " + NumberText(l_db_Tolerance));
        v = {l_db_Tolerance, static_cast<double>(p.Integer(1, "maxit", 1, 10000))};
        break;
    }
    case Keyword::Refine:
        p.RequireCount(1, 1, l_c_Usage);
        v = {static_cast<double>(p.Integer(0, "levels", 1, 10))};
        break;
    case Keyword::Output:
        p.RequireCount(1, 1, l_c_Usage);
        if (p.Text(0).empty())
            p.Fail("the name is empty");
        l_o_Command.m_s_Text = p.Text(0);
        break;
    }
    return l_o_Command;
}

const char* PhysicsName(Physics in_e_Physics) { return in_e_Physics == Physics::Beam ? "Beam" : "Diffusion"; }

const char* ConditionName(ConditionKind in_e_Kind)
{
    switch (in_e_Kind)
    {
    case ConditionKind::FixedValue: return "a fixed value";
    case ConditionKind::FixedSlope: return "a fixed slope";
    case ConditionKind::PointLoad: return "a point load";
    case ConditionKind::PointMoment: return "a point moment";
    case ConditionKind::Spring: return "a spring";
    case ConditionKind::Convective: return "a convective condition";
    }
    return "";
}

// Puts the commands together in the order given.
class Assembly
{
public:
    Assembly(const std::vector<Command>& in_v_Commands, Problem& io_o_Problem)
        : m_v_Commands(in_v_Commands), m_o_Problem(io_o_Problem)
    {
    }

    void Run();

private:
    const std::vector<Command>& m_v_Commands;
    Problem& m_o_Problem;
    std::map<Keyword, int> m_o_Given;                    // line of each command given once
    std::map<std::string, int> m_o_SetInRegion;          // coefficient -> line, in the current region
    std::map<std::pair<int, double>, int> m_o_Positions; // (kind, x) -> line

    [[noreturn]] static void Fail(const Command& in_o_Command, const std::string& in_s_Message)
    {
        throw InputError(in_o_Command.m_int_Line,
                         std::string(in_o_Command.m_o_ptrInfo->m_c_Display) + ": " + in_s_Message);
    }
    const Command* First(Keyword in_e_Keyword) const;
    void Once(const Command& in_o_Command);
    void CheckScope(const Command& in_o_Command) const;
    std::string DomainText() const
    {
        return "[" + NumberText(m_o_Problem.m_db_Start) + ", " + NumberText(m_o_Problem.m_db_End) + "]";
    }
    void Apply(const Command& in_o_Command);
    void SetCoefficient(const Command& in_o_Command);
    void AddCondition(const Command& in_o_Command);
    void CheckAnalysis() const;
    void CheckHeld() const;
};

const Command* Assembly::First(Keyword in_e_Keyword) const
{
    for (const Command& l_o_Command : m_v_Commands)
        if (l_o_Command.m_o_ptrInfo->m_e_Keyword == in_e_Keyword)
            return &l_o_Command;
    return nullptr;
}

void Assembly::Once(const Command& in_o_Command)
{
    const auto l_it = m_o_Given.find(in_o_Command.m_o_ptrInfo->m_e_Keyword);
    if (l_it != m_o_Given.end())
        Fail(in_o_Command, "given twice (first at line " + std::to_string(l_it->second) + ")");
    m_o_Given[in_o_Command.m_o_ptrInfo->m_e_Keyword] = in_o_Command.m_int_Line;
}

void Assembly::CheckScope(const Command& in_o_Command) const
{
    const Scope l_e_Scope = in_o_Command.m_o_ptrInfo->m_e_Scope;
    const Physics l_e_Physics = m_o_Problem.m_e_Physics;
    if ((l_e_Scope == Scope::Diffusion && l_e_Physics != Physics::Diffusion) ||
        (l_e_Scope == Scope::Beam && l_e_Physics != Physics::Beam))
        Fail(in_o_Command, std::string("belongs to Equation (") + (l_e_Scope == Scope::Beam ? "Beam" : "Diffusion") +
                               "), but this problem is " + PhysicsName(l_e_Physics) + " (line " +
                               std::to_string(m_o_Problem.m_int_EquationLine) + ")");
}

void Assembly::Run()
{
    const Command* l_o_ptrEquation = First(Keyword::Equation);
    if (l_o_ptrEquation == nullptr)
        throw InputError(0, "no Equation command: add Equation (Diffusion) or Equation (Beam)");
    m_o_Problem.m_e_Physics = l_o_ptrEquation->m_int_Word == 1 ? Physics::Beam : Physics::Diffusion;
    m_o_Problem.m_int_EquationLine = l_o_ptrEquation->m_int_Line;
    m_o_Problem.m_b_Hermite = m_o_Problem.m_e_Physics == Physics::Beam;
    m_o_Problem.m_int_Order = m_o_Problem.m_b_Hermite ? 3 : 1;
    const Command* l_o_ptrDomain = First(Keyword::Domain);
    if (l_o_ptrDomain == nullptr)
        throw InputError(0, "no Domain command: add Domain (x0, x1)");
    m_o_Problem.m_db_Start = l_o_ptrDomain->m_vdb_Numbers[0];
    m_o_Problem.m_db_End = l_o_ptrDomain->m_vdb_Numbers[1];
    m_o_Problem.m_int_DomainLine = l_o_ptrDomain->m_int_Line;

    Region l_o_Whole{m_o_Problem.m_db_Start, m_o_Problem.m_db_End, 0, Coefficients()};
    m_o_Problem.m_v_Regions.push_back(l_o_Whole);
    for (const Command& l_o_Command : m_v_Commands)
        Apply(l_o_Command);

    if (m_o_Given.count(Keyword::Elements) == 0)
        throw InputError(0, "no Elements command: add Elements (n)");
    CheckAnalysis();
    if (m_o_Problem.m_e_Analysis == Analysis::Static)
        CheckHeld();
    if (m_o_Problem.m_int_RefineLevels > 0)
    {
        const long long l_ll_Finest = static_cast<long long>(m_o_Problem.m_int_Elements)
                                      << m_o_Problem.m_int_RefineLevels;
        if (l_ll_Finest > kMostElements)
            throw InputError(m_o_Given[Keyword::Refine],
                             "Refine: " + std::to_string(m_o_Problem.m_int_RefineLevels) + " levels from " +
                                 std::to_string(m_o_Problem.m_int_Elements) + " elements need " +
                                 std::to_string(l_ll_Finest) + " on the finest mesh, above the limit of " +
                                 std::to_string(kMostElements));
    }
}

void Assembly::Apply(const Command& in_o_Command)
{
    const std::vector<double>& v = in_o_Command.m_vdb_Numbers;
    Problem& p = m_o_Problem;
    switch (in_o_Command.m_o_ptrInfo->m_e_Keyword)
    {
    case Keyword::Equation:
    case Keyword::Domain: Once(in_o_Command); break;
    case Keyword::Elements:
        Once(in_o_Command);
        p.m_int_Elements = static_cast<int>(v[0]);
        p.m_int_ElementsLine = in_o_Command.m_int_Line;
        break;
    case Keyword::Grading:
        Once(in_o_Command);
        p.m_db_Grading = v[0];
        p.m_int_GradingLine = in_o_Command.m_int_Line;
        break;
    case Keyword::Element:
        Once(in_o_Command);
        if (p.m_e_Physics == Physics::Beam && in_o_Command.m_int_Word == 0)
            Fail(in_o_Command, "Equation (Beam) takes only Element (Hermite, 3)");
        if (p.m_e_Physics == Physics::Diffusion && in_o_Command.m_int_Word == 1)
            Fail(in_o_Command, "Equation (Diffusion) takes Lagrange elements: Element (Lagrange, p), p = 1, 2 or 3");
        p.m_int_Order = static_cast<int>(v[0]);
        break;
    case Keyword::Region:
        if (v[0] < p.m_db_Start || v[1] > p.m_db_End)
            Fail(in_o_Command,
                 "[" + NumberText(v[0]) + ", " + NumberText(v[1]) + "] must lie within the domain " + DomainText());
        p.m_v_Regions.push_back({v[0], v[1], in_o_Command.m_int_Line, p.m_v_Regions.front().m_o_Coefficients});
        m_o_SetInRegion.clear();
        break;
    case Keyword::Coefficient:
    case Keyword::Nonlinear: SetCoefficient(in_o_Command); break;
    case Keyword::FixedValue:
    case Keyword::FixedSlope:
    case Keyword::PointLoad:
    case Keyword::PointMoment:
    case Keyword::Spring:
    case Keyword::Convective: AddCondition(in_o_Command); break;
    case Keyword::Solve:
        Once(in_o_Command);
        p.m_e_Analysis = in_o_Command.m_int_Word == 1 ? Analysis::Modes : Analysis::Static;
        p.m_int_Modes = in_o_Command.m_int_Word == 1 ? static_cast<int>(v[0]) : 0;
        p.m_int_SolveLine = in_o_Command.m_int_Line;
        break;
    case Keyword::Newton:
        Once(in_o_Command);
        p.m_db_NewtonTolerance = v[0];
        p.m_int_NewtonIterations = static_cast<int>(v[1]);
        break;
    case Keyword::Refine:
        Once(in_o_Command);
        p.m_int_RefineLevels = static_cast<int>(v[0]);
        break;
    case Keyword::Output:
        Once(in_o_Command);
        p.m_s_Output = in_o_Command.m_s_Text;
        p.m_int_OutputLine = in_o_Command.m_int_Line;
        break;
    }
}

void Assembly::SetCoefficient(const Command& in_o_Command)
{
    CheckScope(in_o_Command);
    const CommandInfo& l_o_Info = *in_o_Command.m_o_ptrInfo;
    const auto l_it = m_o_SetInRegion.find(l_o_Info.m_c_Key);
    if (l_it != m_o_SetInRegion.end())
        Fail(in_o_Command, std::string("given twice for ") +
                               (m_o_Problem.m_v_Regions.size() == 1 ? "the whole domain" : "this region") +
                               " (first at line " + std::to_string(l_it->second) + ")");
    m_o_SetInRegion[l_o_Info.m_c_Key] = in_o_Command.m_int_Line;

    Region& l_o_Region = m_o_Problem.m_v_Regions.back();
    const std::vector<double>& v = in_o_Command.m_vdb_Numbers;
    if (l_o_Info.m_e_Keyword == Keyword::Nonlinear)
    {
        l_o_Region.m_o_Coefficients.m_db_Beta = v[0];
        l_o_Region.m_o_Coefficients.m_int_BetaLine = in_o_Command.m_int_Line;
        return;
    }
    l_o_Region.m_o_Coefficients.*l_o_Info.m_ptr_Coefficient = {l_o_Region.m_db_Start, l_o_Region.m_db_End, v.front(),
                                                               v.back(), in_o_Command.m_int_Line};
}

void Assembly::AddCondition(const Command& in_o_Command)
{
    CheckScope(in_o_Command);
    const CommandInfo& l_o_Info = *in_o_Command.m_o_ptrInfo;
    const std::vector<double>& v = in_o_Command.m_vdb_Numbers;
    const double x = v[0];
    if (x < m_o_Problem.m_db_Start || x > m_o_Problem.m_db_End)
        Fail(in_o_Command, "x = " + NumberText(x) + " lies outside the domain " + DomainText());
    if (l_o_Info.m_e_Condition == ConditionKind::Convective && x != m_o_Problem.m_db_Start && x != m_o_Problem.m_db_End)
        Fail(in_o_Command, "x = " + NumberText(x) + " is not an end of the domain " + DomainText() +
                               ": a convective condition acts through x0 or x1");
    const std::pair<int, double> l_o_Key{static_cast<int>(l_o_Info.m_e_Condition), x};
    const auto l_it = m_o_Positions.find(l_o_Key);
    if (l_it != m_o_Positions.end())
        Fail(in_o_Command, std::string(ConditionName(l_o_Info.m_e_Condition)) + " at x = " + NumberText(x) +
                               " is given twice (first at line " + std::to_string(l_it->second) + ")");
    m_o_Positions[l_o_Key] = in_o_Command.m_int_Line;
    m_o_Problem.m_v_Conditions.push_back(
        {l_o_Info.m_e_Condition, x, v[1], v.size() > 2 ? v[2] : 0.0, in_o_Command.m_int_Line});
}

void Assembly::CheckAnalysis() const
{
    if (m_o_Problem.m_e_Analysis != Analysis::Modes)
        return;
    const std::string l_s_Where = "Solve: Modes needs a linear, symmetric problem, but ";
    for (const Region& l_o_Region : m_o_Problem.m_v_Regions)
    {
        const Coefficients& l_o_Coefficients = l_o_Region.m_o_Coefficients;
        if (l_o_Coefficients.m_db_Beta != 0.0)
            throw InputError(m_o_Problem.m_int_SolveLine,
                             l_s_Where + "Nonlinear is set at line " + std::to_string(l_o_Coefficients.m_int_BetaLine));
        if (l_o_Coefficients.b.m_db_StartValue != 0.0 || l_o_Coefficients.b.m_db_EndValue != 0.0)
            throw InputError(m_o_Problem.m_int_SolveLine,
                             l_s_Where + "Convection is set at line " + std::to_string(l_o_Coefficients.b.m_int_Line));
    }
}

// What the mesh and the solvers would find later, in the language's own
// terms: nothing holds a rigid motion of the whole domain.
void Assembly::CheckHeld() const
{
    const Problem& p = m_o_Problem;
    const bool l_b_Beam = p.m_e_Physics == Physics::Beam;
    bool l_b_Resisting = false; // a coefficient that resists every motion
    for (const Region& l_o_Region : p.m_v_Regions)
        l_b_Resisting = l_b_Resisting || (l_b_Beam ? l_o_Region.m_o_Coefficients.k.Maximum() > 0.0
                                                   : l_o_Region.m_o_Coefficients.c.Maximum() > 0.0);
    if (l_b_Resisting)
        return;
    std::vector<double> l_vdb_Supports; // positions that hold the value
    bool l_b_Slope = false, l_b_Convective = false;
    for (const Condition& l_o_Condition : p.m_v_Conditions)
    {
        if (l_o_Condition.m_e_Kind == ConditionKind::FixedValue || l_o_Condition.m_e_Kind == ConditionKind::Spring)
            l_vdb_Supports.push_back(l_o_Condition.m_db_x);
        l_b_Slope = l_b_Slope || l_o_Condition.m_e_Kind == ConditionKind::FixedSlope;
        l_b_Convective = l_b_Convective || l_o_Condition.m_e_Kind == ConditionKind::Convective;
    }
    const std::string l_s_Start = "the problem is not held: ";
    if (!l_b_Beam && l_vdb_Supports.empty() && !l_b_Convective)
        throw InputError(p.SolveLine(), std::string(p.m_int_SolveLine != 0 ? "Solve: " : "Equation: ") + l_s_Start +
                                            "nothing stops a uniform shift of u; add a #Fixed value:, a Spring, a "
                                            "Convective condition or a positive Reaction");
    if (l_b_Beam && l_vdb_Supports.empty())
        throw InputError(p.SolveLine(), std::string(p.m_int_SolveLine != 0 ? "Solve: " : "Equation: ") + l_s_Start +
                                            "nothing stops the beam from moving up or down; add a #Fixed value:, "
                                            "a Spring or a positive Foundation");
    bool l_b_TwoSupports = false;
    for (double x : l_vdb_Supports)
        l_b_TwoSupports = l_b_TwoSupports || x != l_vdb_Supports.front();
    if (l_b_Beam && !l_b_Slope && !l_b_TwoSupports)
        throw InputError(p.SolveLine(), std::string(p.m_int_SolveLine != 0 ? "Solve: " : "Equation: ") + l_s_Start +
                                            "the beam can turn about x = " + NumberText(l_vdb_Supports.front()) +
                                            "; add a #Fixed slope: or a second support");
}

std::vector<Command> ParseAll(const std::vector<Statement>& in_v_Statements)
{
    std::vector<Command> l_v_Commands;
    l_v_Commands.reserve(in_v_Statements.size());
    for (const Statement& l_o_Statement : in_v_Statements)
        l_v_Commands.push_back(ParseCommand(l_o_Statement));
    return l_v_Commands;
}

} // namespace

Problem ReadProblem(std::istream& in_o_Input, const std::string& in_s_Name, const std::string& in_s_DefaultOutput)
{
    const std::vector<Command> l_v_Commands = ParseAll(ReadStatements(in_o_Input));
    Problem l_o_Problem;
    l_o_Problem.m_s_Name = in_s_Name;
    Assembly(l_v_Commands, l_o_Problem).Run();
    if (l_o_Problem.m_s_Output.empty())
        l_o_Problem.m_s_Output = in_s_DefaultOutput;
    return l_o_Problem;
}

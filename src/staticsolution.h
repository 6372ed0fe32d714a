#ifndef FEM1D_STATICSOLUTION_H
#define FEM1D_STATICSOLUTION_H

#include <string>
#include <vector>

#include "bandfactorisation.h"
#include "fieldsolution.h"
#include "solversettings.h"
#include "trust.h"

// The force (on a value) or moment (on a slope) that a prescribed unknown's
// condition exerts on the problem, K U - F there: with it the loads, the
// springs and the Robin terms balance.
struct Reaction
{
    int m_int_Unknown;
    UnknownKind m_e_Kind;
    double m_db_x;
    double m_db_Value;
};

enum class Convergence
{
    Linear,             // one linear solve, no iteration
    Converged,          // Newton's method met its tolerances
    ConvergedToRounding // the residual stopped falling at the level of rounding, above the tolerance
};

// A static solution, with what the solve found on the way: the reactions,
// the factorisation used, what the arithmetic can vouch for, and for
// Newton's method the residual norm of every iterate (the first is the start's).
class StaticSolution : public FieldSolution
{
public:
    StaticSolution(FieldSolution in_o_Field, std::vector<Reaction> in_v_Reactions, FactorisationMethod in_e_Method,
                   Trust in_o_Trust, std::vector<double> in_vdb_Residuals, Convergence in_e_Convergence)
        : FieldSolution(std::move(in_o_Field)), m_v_Reactions(std::move(in_v_Reactions)), m_e_Method(in_e_Method),
          m_o_Trust(std::move(in_o_Trust)), m_vdb_Residuals(std::move(in_vdb_Residuals)),
          m_e_Convergence(in_e_Convergence)
    {
    }

    const std::vector<Reaction>& get_m_v_Reactions() const { return m_v_Reactions; }
    FactorisationMethod get_m_e_Method() const { return m_e_Method; }
    const Trust& get_m_o_Trust() const { return m_o_Trust; }
    const std::vector<double>& get_m_vdb_Residuals() const { return m_vdb_Residuals; }
    Convergence get_m_e_Convergence() const { return m_e_Convergence; }

private:
    std::vector<Reaction> m_v_Reactions;
    FactorisationMethod m_e_Method;
    Trust m_o_Trust;
    std::vector<double> m_vdb_Residuals;
    Convergence m_e_Convergence;
};

#endif

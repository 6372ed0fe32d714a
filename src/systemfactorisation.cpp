#include "systemfactorisation.h"

#include <cfloat>
#include <cstdio>

#include "problemerror.h"
#include "rigidmotion.h"

std::string NotHeldMessage(const std::string& in_s_FreeMotion, bool in_b_InDouble)
{
    return "the problem is not held: " + in_s_FreeMotion + " of the whole domain takes no energy" +
           (in_b_InDouble ? " to double precision" : "") +
           " (prescribe a value, or add a spring, a Robin condition or a reaction term" +
           (in_b_InDouble ? "; a problem held but beyond double precision needs extended arithmetic)" : ")");
}

std::string BreakdownMessage(FactorisationMethod in_e_Method, const std::string& in_s_Unknown)
{
    if (in_e_Method == FactorisationMethod::Cholesky)
        return "the stiffness matrix is symmetric but not positive definite at " + in_s_Unknown +
               ": a stiffness coefficient is zero or negative there, or that part of the domain is not held";
    return "the stiffness matrix is singular at " + in_s_Unknown +
           ": a coefficient is zero there, or that part of the domain is not held";
}

BandFactorisation FactoriseSystem(BandMatrix<double> in_o_Matrix, FactorisationMethod in_e_Method,
                                  const Discretisation& in_o_Discretisation)
{
    const std::string l_s_Free = FreeRigidMotion(in_o_Matrix, in_o_Discretisation);
    if (!l_s_Free.empty())
        throw ProblemError(NotHeldMessage(l_s_Free, true));

    BandFactorisation l_o_Factorisation(std::move(in_o_Matrix), in_e_Method);
    if (!l_o_Factorisation.Succeeded())
        throw ProblemError(BreakdownMessage(l_o_Factorisation.get_m_e_Method(),
                                            in_o_Discretisation.Describe(l_o_Factorisation.get_m_int_FailedUnknown())));
    const double l_db_Ratio = l_o_Factorisation.get_m_db_SmallestPivotRatio();
    if (!(l_db_Ratio > 16 * DBL_EPSILON))
    {
        char l_c_Bound[32];
        std::snprintf(l_c_Bound, sizeof l_c_Bound, "%.1e", 1.0 / l_db_Ratio);
        throw ProblemError(std::string("the stiffness matrix is singular to working precision (condition number "
                                       "above ") +
                           l_c_Bound +
                           "): a coefficient is zero over part of the domain, a part is not held, or the mesh "
                           "is too fine for double precision");
    }
    return l_o_Factorisation;
}

#include "systemfactorisation.h"

#include <cfloat>
#include <cstdio>

#include "problemerror.h"
#include "rigidmotion.h"

BandFactorisation FactoriseSystem(BandMatrix<double> in_o_Matrix, FactorisationMethod in_e_Method,
                                  const Discretisation& in_o_Discretisation)
{
    const std::string l_s_Free = FreeRigidMotion(in_o_Matrix, in_o_Discretisation);
    if (!l_s_Free.empty())
        throw ProblemError("the problem is not held: " + l_s_Free +
                           " of the whole domain takes no energy to double precision (prescribe a value, or add a "
                           "spring, a Robin condition or a reaction term; a problem held but beyond double "
                           "precision needs extended arithmetic)");

    BandFactorisation l_o_Factorisation(std::move(in_o_Matrix), in_e_Method);
    if (!l_o_Factorisation.Succeeded())
    {
        const std::string l_s_Where = in_o_Discretisation.Describe(l_o_Factorisation.get_m_int_FailedUnknown());
        if (l_o_Factorisation.get_m_e_Method() == FactorisationMethod::Cholesky)
            throw ProblemError("the stiffness matrix is symmetric but not positive definite at " + l_s_Where +
                               ": a stiffness coefficient is zero or negative there, or that part of the domain "
                               "is not held");
        throw ProblemError("the stiffness matrix is singular at " + l_s_Where +
                           ": a coefficient is zero there, or that part of the domain is not held");
    }
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

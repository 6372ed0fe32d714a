#ifndef FEM1D_SYSTEMFACTORISATION_H
#define FEM1D_SYSTEMFACTORISATION_H

#include "bandfactorisation.h"
#include "discretisation.h"

#include <string>

// Factorises an assembled system matrix (conditions applied) or throws a
// ProblemError that says, in the problem's terms, why it cannot be solved:
// a rigid motion that nothing holds, a breakdown of the factorisation at an
// unknown, or a matrix singular to working precision (a Cholesky pivot whose
// square is within 16 units in the last place of its diagonal entry).
// The messages of a problem that nothing holds (in_s_FreeMotion as
// FreeRigidMotion names it, found in double or in extended precision) and of
// a factorisation that broke down at an unknown.
std::string NotHeldMessage(const std::string& in_s_FreeMotion, bool in_b_InDouble);
std::string BreakdownMessage(FactorisationMethod in_e_Method, const std::string& in_s_Unknown);

BandFactorisation FactoriseSystem(BandMatrix<double> in_o_Matrix, FactorisationMethod in_e_Method,
                                  const Discretisation& in_o_Discretisation);

#endif

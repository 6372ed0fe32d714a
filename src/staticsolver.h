#ifndef FEM1D_STATICSOLVER_H
#define FEM1D_STATICSOLVER_H

#include "model.h"
#include "solversettings.h"
#include "staticsolution.h"

// K U = F for a linear problem (the integrands do not depend on the
// solution): banded Cholesky where K is symmetric, banded LU otherwise, in
// the settings' arithmetic. A ProblemError, and no result, where the problem
// is not held, the matrix is singular or not positive definite where
// Cholesky was chosen, or the result would not be finite.
StaticSolution SolveLinearStatic(const Model& in_o_Model, const SolverSettings& in_o_Settings = SolverSettings());

struct NewtonSettings
{
    double m_db_Tolerance = 1e-10; // on the residual norm relative to the first
    int m_int_MaximumIterations = 25;
    SolverSettings m_o_Solver;
};

// K(U) U = F(U) by Newton's method from U = 0 (with the prescribed values),
// on the tangent K + dK, residuals in the settings' arithmetic. A full step
// that does not lower the residual is halved, up to ten times. It has
// converged when the residual norm has fallen below the tolerance times the
// first one and the last update was below the square root of the tolerance
// times the solution. A residual that stops falling while the update is at
// the size of rounding (64 units in the last place of the solution, times
// the tangent's condition where residuals are in double) has converged as
// far as the arithmetic allows, and says so. A residual that cannot be
// lowered above that level, or the iteration limit, is a ProblemError.
StaticSolution SolveNewton(const Model& in_o_Model, const NewtonSettings& in_o_Settings = NewtonSettings());

// (U^T K(U) U)^(1/2) with the springs and Robin terms: the energy norm.
double EnergyNorm(const Model& in_o_Model, const FieldSolution& in_o_Solution);

#endif

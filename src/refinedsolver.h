#ifndef FEM1D_REFINEDSOLVER_H
#define FEM1D_REFINEDSOLVER_H

#include <memory>
#include <vector>

#include "bandfactorisation.h"
#include "bandlu.h"
#include "discretisation.h"
#include "extended.h"

// Solves A x = b for a system A assembled in extended precision, to the
// accuracy of x's own rounding where the arithmetic allows: a double
// factorisation (LAPACK) of A rounded to double, then iterative refinement
// with residuals b - A x computed in extended precision, until the
// next correction would fall below x's rounding. Where the double factorisation is too poor a
// preconditioner (it breaks down at rounding level, or the corrections
// shrink by less than a factor of 10 a step) the system is factorised in
// extended precision (BandLU) and refinement goes on with that, its
// residuals summed in quad-double.
class RefinedSolver
{
public:
    // A stays the caller's and must outlive the solver. ProblemError, as for
    // the double factorisation, for a problem that is not held, an
    // indefinite matrix where Cholesky was chosen, or one singular even in
    // extended precision.
    RefinedSolver(const BandMatrix<Extended>& in_o_A, FactorisationMethod in_e_Method,
                  const Discretisation& in_o_Discretisation);

    struct Outcome
    {
        // The size of each correction relative to the solution, max norms.
        std::vector<double> m_vdb_Corrections;
        // The estimated relative error of x: the last correction, scaled by
        // the rate of the last steps; at least the unit roundoff.
        double m_db_ErrorEstimate;
        bool m_b_Converged; // the corrections reached the size of x's rounding
    };

    Outcome Solve(const Extended* in_b, double* out_x);

    FactorisationMethod get_m_e_Method() const { return m_e_Method; }
    bool UsesExtendedFactorisation() const { return m_o_ptrExtended != nullptr; }

private:
    const BandMatrix<Extended>& m_o_A;
    const Discretisation& m_o_Discretisation;
    FactorisationMethod m_e_Method;
    std::unique_ptr<BandFactorisation> m_o_ptrDouble;
    std::unique_ptr<BandLU<Extended>> m_o_ptrExtended;

    void FactoriseExtended();
};

// r = b - A x, rounded to extended precision: summed in double-double, or
// in quad-double (QD's qd_real) for systems conditioned beyond 1e15.
void Residual(const BandMatrix<Extended>& in_o_A, const Extended* in_b, const double* in_x, Extended* out_r);
void ResidualQuadDouble(const BandMatrix<Extended>& in_o_A, const Extended* in_b, const double* in_x, Extended* out_r);

#endif

#ifndef FEM1D_REFINEDSOLVER_H
#define FEM1D_REFINEDSOLVER_H

#include <memory>
#include <vector>

#include "bandfactorisation.h"
#include "bandlu.h"
#include "discretisation.h"
#include "extended.h"

// Solves A x = b for a system A held in an extended type S (Extended or
// QuadExtended), to the accuracy of x's own rounding where the arithmetic
// allows: a double factorisation (LAPACK) of A rounded to double, then
// iterative refinement with residuals b - A x computed from A as it is held,
// until the next correction would fall below x's rounding. Where the double
// factorisation is too poor a preconditioner (it breaks down at rounding
// level, or the corrections shrink by less than a factor of 10 a step) A
// rounded to double-double is factorised (BandLU) and refinement goes on
// with that; A held in double-double then has its residuals summed in
// quad-double, since such systems are conditioned beyond 1e15.
template <class S>
class RefinedSolver
{
public:
    // A stays the caller's and must outlive the solver. ProblemError, as for
    // the double factorisation, for a problem that is not held, an
    // indefinite matrix where Cholesky was chosen, or one singular even in
    // extended precision.
    RefinedSolver(const BandMatrix<S>& in_o_A, FactorisationMethod in_e_Method,
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

    Outcome Solve(const S* in_b, double* out_x);

    FactorisationMethod get_m_e_Method() const { return m_e_Method; }
    bool UsesExtendedFactorisation() const { return m_o_ptrExtended != nullptr; }

private:
    const BandMatrix<S>& m_o_A;
    const Discretisation& m_o_Discretisation;
    FactorisationMethod m_e_Method;
    std::unique_ptr<BandFactorisation> m_o_ptrDouble;
    std::unique_ptr<BandLU<Extended>> m_o_ptrExtended;

    void FactoriseExtended();
    void Residual(const S* in_b, const double* in_x, S* out_r) const;
};

#endif

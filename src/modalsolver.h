#ifndef FEM1D_MODALSOLVER_H
#define FEM1D_MODALSOLVER_H

#include <vector>

#include "fieldsolution.h"
#include "model.h"
#include "solversettings.h"
#include "trust.h"

// The lowest eigenpairs of K phi = lambda M phi, ascending, with the
// prescribed unknowns held at zero: omega = lambda^(1/2) (0 for a rigid
// motion's lambda at rounding level below zero), shapes M-orthonormal, each
// signed so that its value unknown of largest magnitude (the first of
// several alike) is positive.
class ModalSolution
{
public:
    ModalSolution(std::vector<double> in_vdb_Eigenvalues, std::vector<FieldSolution> in_v_Shapes, Trust in_o_Trust)
        : m_vdb_Eigenvalues(std::move(in_vdb_Eigenvalues)), m_v_Shapes(std::move(in_v_Shapes)),
          m_o_Trust(std::move(in_o_Trust))
    {
    }

    int get_NumberOfModes() const { return static_cast<int>(m_vdb_Eigenvalues.size()); }
    double get_m_vdb_Eigenvalues(int in_int_i) const { return m_vdb_Eigenvalues[in_int_i]; }
    double get_Omega(int in_int_i) const;
    const FieldSolution& get_m_v_Shapes(int in_int_i) const { return m_v_Shapes[in_int_i]; }
    // Of the solves with K - sigma M that the eigensolver made: the largest
    // estimated relative error (Extended), or the unit roundoff times a lower
    // bound of the condition (Double).
    const Trust& get_m_o_Trust() const { return m_o_Trust; }

private:
    std::vector<double> m_vdb_Eigenvalues;
    std::vector<FieldSolution> m_v_Shapes;
    Trust m_o_Trust;
};

// The in_int_Modes lowest modes of a linear problem with symmetric K and M
// (the K and M integrands; springs and Robin terms add to K, loads play no
// part). Shift-invert Lanczos (ARPACK) on K - sigma M, with sigma = 0 for a
// held problem and a small negative shift otherwise, so that rigid motions
// come out as modes of frequency zero; its solves by a banded Cholesky
// factorisation (Double) or by RefinedSolver on K assembled in extended
// precision (Extended).
// Problems with no more free unknowns than twice the modes plus one (or 20)
// are solved whole by LAPACK's banded generalised solver dsbgv instead:
// Lanczos needs more free unknowns than modes. A ProblemError for a count
// of modes outside 1 to the number of free unknowns, a matrix that is not
// symmetric, a mass that is not positive definite or a stiffness that is
// not positive semi-definite.
ModalSolution SolveModes(const Model& in_o_Model, int in_int_Modes,
                         const SolverSettings& in_o_Settings = SolverSettings());

#endif

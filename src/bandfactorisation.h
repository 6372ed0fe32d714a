#ifndef FEM1D_BANDFACTORISATION_H
#define FEM1D_BANDFACTORISATION_H

#include <vector>

#include "bandmatrix.h"

enum class FactorisationMethod
{
    Automatic, // Cholesky for a symmetric matrix, LU otherwise
    Cholesky,
    LU
};

// A banded matrix factorised by LAPACK: banded Cholesky (dpbtrf) for a
// symmetric matrix, banded LU with partial pivoting (dgbtrf) otherwise. A
// matrix counts as symmetric when every pair of mirrored entries agrees to
// rounding: 64 units in the last place of the largest of the two entries and
// their two diagonal entries.
class BandFactorisation
{
public:
    // The matrix is taken over: Cholesky factorises it in place.
    explicit BandFactorisation(BandMatrix<double> in_o_Matrix,
                               FactorisationMethod in_e_Method = FactorisationMethod::Automatic);

    FactorisationMethod get_m_e_Method() const { return m_e_Method; }
    // -1 after a factorisation that succeeded; otherwise the unknown (from 0)
    // where it broke down: the leading minor up to it is not positive
    // definite (Cholesky), or its pivot is exactly zero (LU).
    int get_m_int_FailedUnknown() const { return m_int_FailedUnknown; }
    bool Succeeded() const { return m_int_FailedUnknown < 0; }
    // Cholesky's breakdown: the pivot's square that was not positive, over
    // the magnitude of its diagonal entry (-1, say, for an indefinite matrix;
    // a few units in the last place either side of zero for one singular to
    // working precision). 0 for LU's exactly zero pivot.
    double get_m_db_FailedPivotRatio() const { return m_db_FailedPivotRatio; }

    // Overwrites b with the solution of A x = b.
    void Solve(double* io_b) const;
    // Cholesky: the smallest ratio of a pivot's square to its diagonal entry,
    // U_ii^2 / A_ii; its inverse is a lower bound of A's condition number,
    // so a ratio at the unit roundoff means A is singular to working
    // precision. 1 for LU.
    double get_m_db_SmallestPivotRatio() const { return m_db_SmallestPivotRatio; }
    // ||A||_inf of the matrix factorised.
    double get_m_db_NormInfinity() const { return m_db_NormInfinity; }

    static bool IsSymmetric(const BandMatrix<double>& in_o_Matrix);

private:
    FactorisationMethod m_e_Method;
    int m_int_Size;
    int m_int_HalfBandwidth;
    int m_int_Leading;
    LargeVector<double> m_vdb_Factor;
    std::vector<int> m_vint_Pivots;
    double m_db_NormInfinity;
    int m_int_FailedUnknown;
    double m_db_SmallestPivotRatio;
    double m_db_FailedPivotRatio;
};

#endif

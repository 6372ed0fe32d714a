#include "bandfactorisation.h"

#include <cfloat>
#include <algorithm>
#include <cmath>

#include "lapack.h"

namespace
{

double NormInfinity(const BandMatrix<double>& in_o_Matrix)
{
    const int n = in_o_Matrix.get_m_int_Size();
    const int kd = in_o_Matrix.get_m_int_HalfBandwidth();
    // Row i's entries are strided by 2 kd in the storage: (i, j) at [j ld + kd + i - j].
    const int l_int_Stride = in_o_Matrix.get_LeadingDimension() - 1;
    double l_db_Norm = 0.0;
    for (int i = 0; i < n; ++i)
    {
        const int l_int_First = std::max(0, i - kd), l_int_Last = std::min(n - 1, i + kd);
        const double* l_db_ptrEntry = &in_o_Matrix.At(i, l_int_First);
        double l_db_Row = 0.0;
        for (int j = l_int_First; j <= l_int_Last; ++j, l_db_ptrEntry += l_int_Stride)
            l_db_Row += std::fabs(*l_db_ptrEntry);
        l_db_Norm = std::max(l_db_Norm, l_db_Row);
    }
    return l_db_Norm;
}

} // namespace

namespace
{

struct Survey
{
    bool m_b_Symmetric;
    double m_db_NormOne; // the largest column sum of magnitudes
};

// One pass down the columns, which lie contiguous in the storage: the
// column sums, and each entry above the diagonal against its mirror.
Survey SurveyOf(const BandMatrix<double>& in_o_Matrix)
{
    const int n = in_o_Matrix.get_m_int_Size();
    const int kd = in_o_Matrix.get_m_int_HalfBandwidth();
    const double l_db_Tolerance = 64 * DBL_EPSILON;
    Survey l_o_Survey{true, 0.0};
    for (int j = 0; j < n; ++j)
    {
        const double* l_db_ptrColumn = &in_o_Matrix.At(j, j) - j; // entry i at [i]
        const double l_db_Diagonal = std::fabs(l_db_ptrColumn[j]);
        double l_db_Sum = l_db_Diagonal;
        for (int i = std::max(0, j - kd); i <= std::min(n - 1, j + kd); ++i)
        {
            if (i == j)
                continue;
            const double a = l_db_ptrColumn[i];
            l_db_Sum += std::fabs(a);
            if (i < j)
            {
                const double b = in_o_Matrix.At(j, i);
                const double l_db_Scale = std::max(std::max(std::fabs(a), std::fabs(b)),
                                                   std::max(l_db_Diagonal, std::fabs(in_o_Matrix.At(i, i))));
                l_o_Survey.m_b_Symmetric &= std::fabs(a - b) <= l_db_Tolerance * l_db_Scale;
            }
        }
        l_o_Survey.m_db_NormOne = std::max(l_o_Survey.m_db_NormOne, l_db_Sum);
    }
    return l_o_Survey;
}

} // namespace

bool BandFactorisation::IsSymmetric(const BandMatrix<double>& in_o_Matrix) { return SurveyOf(in_o_Matrix).m_b_Symmetric; }

BandFactorisation::BandFactorisation(BandMatrix<double> in_o_Matrix, FactorisationMethod in_e_Method)
    : m_e_Method(in_e_Method), m_int_Size(in_o_Matrix.get_m_int_Size()),
      m_int_HalfBandwidth(in_o_Matrix.get_m_int_HalfBandwidth()), m_int_Leading(0), m_db_NormInfinity(0.0),
      m_int_FailedUnknown(-1), m_db_SmallestPivotRatio(1.0), m_db_FailedPivotRatio(0.0)
{
    const Survey l_o_Survey = SurveyOf(in_o_Matrix);
    if (m_e_Method == FactorisationMethod::Automatic)
        m_e_Method = l_o_Survey.m_b_Symmetric ? FactorisationMethod::Cholesky : FactorisationMethod::LU;
    // A symmetric matrix's row sums are its column sums.
    m_db_NormInfinity = l_o_Survey.m_b_Symmetric ? l_o_Survey.m_db_NormOne : NormInfinity(in_o_Matrix);
    const int n = m_int_Size;
    const int kd = m_int_HalfBandwidth;
    int l_int_Info = 0;
    if (m_e_Method == FactorisationMethod::Cholesky)
    {
        // The upper triangle is already in LAPACK's layout: factorise in place.
        m_int_Leading = in_o_Matrix.get_LeadingDimension();
        m_vdb_Factor = in_o_Matrix.TakeEntries();
        dpbtrf_("U", &n, &kd, m_vdb_Factor.data(), &m_int_Leading, &l_int_Info, 1);
        // Column j of the factor holds U_kj above its pivot, and A_jj is the
        // pivot's square plus their squares: no copy of A's diagonal is needed.
        // dpbtf2 leaves a pivot it refused in place, as the updated diagonal entry.
        const int l_int_Columns = l_int_Info > 0 ? l_int_Info : n;
        for (int j = 0; j < l_int_Columns; ++j)
        {
            const double* l_db_ptrColumn = &m_vdb_Factor[static_cast<std::size_t>(j) * m_int_Leading + kd - j];
            double l_db_Above = 0.0;
            for (int k = std::max(0, j - kd); k < j; ++k)
                l_db_Above += l_db_ptrColumn[k] * l_db_ptrColumn[k];
            const double l_db_Pivot = l_db_ptrColumn[j];
            if (l_int_Info > 0 && j == l_int_Info - 1)
            {
                const double l_db_Diagonal = std::fabs(l_db_Pivot + l_db_Above);
                m_db_FailedPivotRatio =
                    l_db_Diagonal > 0.0 ? l_db_Pivot / l_db_Diagonal : (l_db_Pivot < 0.0 ? -1.0 : 0.0);
            }
            else if (l_int_Info == 0)
            {
                const double l_db_Square = l_db_Pivot * l_db_Pivot;
                m_db_SmallestPivotRatio = std::min(m_db_SmallestPivotRatio, l_db_Square / (l_db_Square + l_db_Above));
            }
        }
    }
    else
    {
        // LU needs kd more rows above the band for the fill-in of pivoting.
        m_int_Leading = 3 * kd + 1;
        m_vdb_Factor.assign(static_cast<std::size_t>(n) * m_int_Leading, 0.0);
        for (int j = 0; j < n; ++j)
            for (int i = std::max(0, j - kd); i <= std::min(n - 1, j + kd); ++i)
                m_vdb_Factor[static_cast<std::size_t>(j) * m_int_Leading + 2 * kd + i - j] = in_o_Matrix.At(i, j);
        m_vint_Pivots.assign(n, 0);
        dgbtrf_(&n, &n, &kd, &kd, m_vdb_Factor.data(), &m_int_Leading, m_vint_Pivots.data(), &l_int_Info);
    }
    if (l_int_Info > 0)
        m_int_FailedUnknown = l_int_Info - 1;
}

void BandFactorisation::Solve(double* io_b) const
{
    if (!Succeeded())
        return;
    const int n = m_int_Size;
    const int kd = m_int_HalfBandwidth;
    const int l_int_One = 1;
    int l_int_Info = 0;
    if (m_e_Method == FactorisationMethod::Cholesky)
        dpbtrs_("U", &n, &kd, &l_int_One, m_vdb_Factor.data(), &m_int_Leading, io_b, &n, &l_int_Info, 1);
    else
        dgbtrs_("N", &n, &kd, &kd, &l_int_One, m_vdb_Factor.data(), &m_int_Leading, m_vint_Pivots.data(), io_b, &n,
                &l_int_Info, 1);
}

#include "bandfactorisation.h"

#include <cfloat>
#include <cmath>

#include "lapack.h"

namespace
{

double NormOne(const BandMatrix<double>& in_o_Matrix)
{
    const int n = in_o_Matrix.get_m_int_Size();
    const int kd = in_o_Matrix.get_m_int_HalfBandwidth();
    double l_db_Norm = 0.0;
    for (int j = 0; j < n; ++j)
    {
        double l_db_Column = 0.0;
        for (int i = std::max(0, j - kd); i <= std::min(n - 1, j + kd); ++i)
            l_db_Column += std::fabs(in_o_Matrix.At(i, j));
        l_db_Norm = std::max(l_db_Norm, l_db_Column);
    }
    return l_db_Norm;
}

} // namespace

bool BandFactorisation::IsSymmetric(const BandMatrix<double>& in_o_Matrix)
{
    const int n = in_o_Matrix.get_m_int_Size();
    const int kd = in_o_Matrix.get_m_int_HalfBandwidth();
    const double l_db_Tolerance = 64 * DBL_EPSILON;
    for (int j = 0; j < n; ++j)
        for (int i = std::max(0, j - kd); i < j; ++i)
        {
            const double a = in_o_Matrix.At(i, j);
            const double b = in_o_Matrix.At(j, i);
            const double l_db_Scale =
                std::max(std::fabs(a), std::fabs(b)) + std::sqrt(std::fabs(in_o_Matrix.At(i, i) * in_o_Matrix.At(j, j)));
            if (std::fabs(a - b) > l_db_Tolerance * l_db_Scale)
                return false;
        }
    return true;
}

BandFactorisation::BandFactorisation(BandMatrix<double> in_o_Matrix, FactorisationMethod in_e_Method)
    : m_e_Method(in_e_Method), m_int_Size(in_o_Matrix.get_m_int_Size()),
      m_int_HalfBandwidth(in_o_Matrix.get_m_int_HalfBandwidth()), m_int_Leading(0), m_db_NormOne(0.0),
      m_int_FailedUnknown(-1), m_db_ReciprocalCondition(0.0)
{
    if (m_e_Method == FactorisationMethod::Automatic)
        m_e_Method = IsSymmetric(in_o_Matrix) ? FactorisationMethod::Cholesky : FactorisationMethod::LU;
    m_db_NormOne = NormOne(in_o_Matrix);
    const int n = m_int_Size;
    const int kd = m_int_HalfBandwidth;
    int l_int_Info = 0;
    if (m_e_Method == FactorisationMethod::Cholesky)
    {
        // The upper triangle is already in LAPACK's layout: factorise in place.
        m_int_Leading = in_o_Matrix.get_LeadingDimension();
        m_vdb_Factor = in_o_Matrix.TakeEntries();
        dpbtrf_("U", &n, &kd, m_vdb_Factor.data(), &m_int_Leading, &l_int_Info, 1);
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
    m_db_ReciprocalCondition = EstimateReciprocalCondition();
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

double BandFactorisation::EstimateReciprocalCondition() const
{
    if (!Succeeded() || m_db_NormOne == 0.0)
        return 0.0;
    const int n = m_int_Size;
    const int kd = m_int_HalfBandwidth;
    std::vector<double> l_vdb_Work(3 * static_cast<std::size_t>(n));
    std::vector<int> l_vint_Work(n);
    double l_db_Reciprocal = 0.0;
    int l_int_Info = 0;
    if (m_e_Method == FactorisationMethod::Cholesky)
        dpbcon_("U", &n, &kd, m_vdb_Factor.data(), &m_int_Leading, &m_db_NormOne, &l_db_Reciprocal,
                l_vdb_Work.data(), l_vint_Work.data(), &l_int_Info, 1);
    else
        dgbcon_("1", &n, &kd, &kd, m_vdb_Factor.data(), &m_int_Leading, m_vint_Pivots.data(), &m_db_NormOne,
                &l_db_Reciprocal, l_vdb_Work.data(), l_vint_Work.data(), &l_int_Info, 1);
    return l_db_Reciprocal;
}

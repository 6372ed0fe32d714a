#include "rigidmotion.h"

#include <cfloat>
#include <cmath>
#include <vector>

#include "numbertext.h"

namespace
{

struct Energies
{
    long double m_ld_Form;      // r_a^T K r_b
    long double m_ld_Magnitude; // sum of |K_ij| |r_a,i| |r_b,j|
};

Energies Energy(const BandMatrix<double>& in_o_K, const std::vector<double>& in_vdb_a,
                const std::vector<double>& in_vdb_b)
{
    const int n = in_o_K.get_m_int_Size();
    const int kd = in_o_K.get_m_int_HalfBandwidth();
    Energies l_o_Sum{0.0L, 0.0L};
    for (int i = 0; i < n; ++i)
        for (int j = std::max(0, i - kd); j <= std::min(n - 1, i + kd); ++j)
        {
            const long double Kij = in_o_K.At(i, j);
            l_o_Sum.m_ld_Form += in_vdb_a[i] * Kij * in_vdb_b[j];
            l_o_Sum.m_ld_Magnitude += std::fabs(in_vdb_a[i] * Kij * in_vdb_b[j]);
        }
    return l_o_Sum;
}

} // namespace

std::string FreeRigidMotion(const BandMatrix<double>& in_o_K, const Discretisation& in_o_Discretisation)
{
    const int n = in_o_K.get_m_int_Size();
    const Mesh& l_o_Mesh = in_o_Discretisation.get_Mesh();
    const double l_db_Length = l_o_Mesh.get_End() - l_o_Mesh.get_Start();
    const double l_db_Centre = 0.5 * (l_o_Mesh.get_Start() + l_o_Mesh.get_End());
    // Translation: values 1, slopes 0. Rotation about the centre, scaled to
    // values of order 1: w = (x - centre) / length, slopes 1 / length.
    std::vector<double> l_vdb_Translation(n, 0.0), l_vdb_Rotation(n, 0.0);
    for (int d = 0; d < n; ++d)
        if (in_o_Discretisation.Kind(d) == UnknownKind::Value)
        {
            l_vdb_Translation[d] = 1.0;
            l_vdb_Rotation[d] = (in_o_Discretisation.Position(d) - l_db_Centre) / l_db_Length;
        }
        else
            l_vdb_Rotation[d] = 1.0 / l_db_Length;

    const long double l_ld_Threshold = 64 * DBL_EPSILON;
    const Energies l_o_TT = Energy(in_o_K, l_vdb_Translation, l_vdb_Translation);
    if (!in_o_Discretisation.get_Interpolation().IsHermite())
        return std::fabs(l_o_TT.m_ld_Form) > l_ld_Threshold * l_o_TT.m_ld_Magnitude ? "" : "a translation";

    // The smallest eigenvalue of the 2 by 2 energy matrix, each motion scaled
    // by the magnitude of its own energy.
    const Energies l_o_RR = Energy(in_o_K, l_vdb_Rotation, l_vdb_Rotation);
    const Energies l_o_TR = Energy(in_o_K, l_vdb_Translation, l_vdb_Rotation);
    const Energies l_o_RT = Energy(in_o_K, l_vdb_Rotation, l_vdb_Translation);
    if (l_o_TT.m_ld_Magnitude == 0.0L || l_o_RR.m_ld_Magnitude == 0.0L)
        return l_o_TT.m_ld_Magnitude == 0.0L ? "a translation" : "a rotation";
    const long double a = l_o_TT.m_ld_Form / l_o_TT.m_ld_Magnitude;
    const long double d = l_o_RR.m_ld_Form / l_o_RR.m_ld_Magnitude;
    const long double b =
        0.5L * (l_o_TR.m_ld_Form + l_o_RT.m_ld_Form) / std::sqrt(l_o_TT.m_ld_Magnitude * l_o_RR.m_ld_Magnitude);
    const long double l_ld_Smallest = 0.5L * (a + d - std::sqrt((a - d) * (a - d) + 4 * b * b));
    // A negative energy is no free motion: the factorisation reports an indefinite matrix.
    if (std::fabs(l_ld_Smallest) > l_ld_Threshold)
        return "";
    // Its eigenvector (v_t, v_r) in the scaled motions: w = v_t + v_r (x - centre) / length.
    long double v_t = b, v_r = l_ld_Smallest - a;
    if (std::fabs(b) <= 1e-12L && a <= d)
    {
        v_t = 1.0L;
        v_r = 0.0L;
    }
    v_t /= std::sqrt(l_o_TT.m_ld_Magnitude);
    v_r /= std::sqrt(l_o_RR.m_ld_Magnitude);
    if (std::fabs(v_r) <= 1e-9L * std::fabs(v_t))
        return "a translation";
    const double l_db_Pivot = static_cast<double>(l_db_Centre - v_t / v_r * l_db_Length);
    return "a rotation about x = " + NumberText(l_db_Pivot);
}

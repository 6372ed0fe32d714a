#include "rigidmotion.h"

#include <cfloat>
#include <cmath>

#include "numbertext.h"

namespace
{

// A sum that keeps the rounding of its additions (Neumaier's compensation),
// so that the sum of millions of terms is as good as its terms.
struct CompensatedSum
{
    double m_db_Sum = 0.0;
    double m_db_Compensation = 0.0;

    void Add(double in_db_x)
    {
        const double l_db_Total = m_db_Sum + in_db_x;
        m_db_Compensation += std::fabs(m_db_Sum) >= std::fabs(in_db_x) ? (m_db_Sum - l_db_Total) + in_db_x
                                                                          : (in_db_x - l_db_Total) + m_db_Sum;
        m_db_Sum = l_db_Total;
    }
    double Value() const { return m_db_Sum + m_db_Compensation; }
};

// Sums of double terms are compensated; extended sums need not be.
template <class T>
struct SumOf
{
    T m_Sum = T(0.0);
    void Add(const T& in_x) { m_Sum += in_x; }
    Extended Value() const { return ToExtended(m_Sum); }
};
template <>
struct SumOf<double> : CompensatedSum
{
    Extended Value() const { return Extended(m_db_Sum) + m_db_Compensation; }
};

struct Energies
{
    Extended m_o_Form;     // r_a^T K r_b, to the precision of its sum
    double m_db_Magnitude; // sum of |K_ij| |r_a,i| |r_b,j|
};

// The translation (values 1, slopes 0) and the rotation about the centre,
// scaled to values of order 1 (w = (x - centre) / length, slopes 1 / length),
// at one unknown.
struct MotionValues
{
    const Discretisation& m_o_Discretisation;
    double m_db_Centre, m_db_Length;

    double Translation(int d) const { return m_o_Discretisation.Kind(d) == UnknownKind::Value ? 1.0 : 0.0; }
    double Rotation(int d) const
    {
        return m_o_Discretisation.Kind(d) == UnknownKind::Value
                   ? (m_o_Discretisation.Position(d) - m_db_Centre) / m_db_Length
                   : 1.0 / m_db_Length;
    }
};

template <class T, class MotionA, class MotionB>
Energies Energy(const BandMatrix<T>& in_o_K, MotionA in_f_a, MotionB in_f_b)
{
    const int n = in_o_K.get_m_int_Size();
    const int kd = in_o_K.get_m_int_HalfBandwidth();
    SumOf<T> l_o_Form;
    CompensatedSum l_o_Magnitude;
    for (int i = 0; i < n; ++i)
    {
        const double ai = in_f_a(i);
        for (int j = std::max(0, i - kd); j <= std::min(n - 1, i + kd); ++j)
        {
            const T l_Term = T(ai) * in_o_K.At(i, j) * T(in_f_b(j));
            l_o_Form.Add(l_Term);
            l_o_Magnitude.Add(Magnitude(l_Term));
        }
    }
    return {l_o_Form.Value(), l_o_Magnitude.Value()};
}

// The energy of the translation, 1^T K 1: the sum of K's entries, by blocks
// of columns whose small sums are gathered with compensation.
template <class T>
Energies TranslationEnergy(const BandMatrix<T>& in_o_K)
{
    const int n = in_o_K.get_m_int_Size();
    const int kd = in_o_K.get_m_int_HalfBandwidth();
    const int ld = in_o_K.get_LeadingDimension();
    SumOf<T> l_o_Form;
    double l_db_Magnitude = 0.0;
    for (int l_int_Block = 0; l_int_Block < n; l_int_Block += 64)
    {
        T l_Sum(0.0);
        for (int j = l_int_Block; j < std::min(n, l_int_Block + 64); ++j)
        {
            const T* l_ptrColumn = in_o_K.get_Data() + static_cast<std::size_t>(j) * ld + kd - j;
            for (int i = std::max(0, j - kd); i <= std::min(n - 1, j + kd); ++i)
            {
                l_Sum += l_ptrColumn[i];
                l_db_Magnitude += Magnitude(l_ptrColumn[i]);
            }
        }
        l_o_Form.Add(l_Sum);
    }
    return {l_o_Form.Value(), l_db_Magnitude};
}

// Within this of the magnitude of its energy, a motion's energy counts as
// none: what rounding leaves of an exactly free motion, in each type.
double Threshold(double, int) { return 64 * DBL_EPSILON; }
template <class T>
double Threshold(const T& in_x, int n)
{
    return 64.0 * n * UnitRoundoff(in_x);
}

} // namespace

template <class T>
std::string FreeRigidMotion(const BandMatrix<T>& in_o_K, const Discretisation& in_o_Discretisation)
{
    const Mesh& l_o_Mesh = in_o_Discretisation.get_Mesh();
    const double l_db_Threshold = Threshold(T(0.0), in_o_K.get_m_int_Size());
    if (!in_o_Discretisation.get_Interpolation().IsHermite())
    {
        const Energies l_o_TT = TranslationEnergy(in_o_K);
        return std::fabs(to_double(l_o_TT.m_o_Form)) > l_db_Threshold * l_o_TT.m_db_Magnitude ? "" : "a translation";
    }

    const MotionValues r{in_o_Discretisation, 0.5 * (l_o_Mesh.get_Start() + l_o_Mesh.get_End()),
                         l_o_Mesh.get_End() - l_o_Mesh.get_Start()};
    auto l_f_Translation = [&](int d) { return r.Translation(d); };
    auto l_f_Rotation = [&](int d) { return r.Rotation(d); };
    const Energies l_o_TT = Energy(in_o_K, l_f_Translation, l_f_Translation);
    const Energies l_o_RR = Energy(in_o_K, l_f_Rotation, l_f_Rotation);
    const Energies l_o_TR = Energy(in_o_K, l_f_Translation, l_f_Rotation);
    const Energies l_o_RT = Energy(in_o_K, l_f_Rotation, l_f_Translation);
    if (l_o_TT.m_db_Magnitude == 0.0 || l_o_RR.m_db_Magnitude == 0.0)
        return l_o_TT.m_db_Magnitude == 0.0 ? "a translation" : "a rotation";
    // The smallest eigenvalue of the 2 by 2 energy matrix, each motion scaled
    // by the magnitude of its own energy: the determinant over the largest,
    // in double-double, since it may be far below the entries.
    const Extended a = l_o_TT.m_o_Form / l_o_TT.m_db_Magnitude;
    const Extended d = l_o_RR.m_o_Form / l_o_RR.m_db_Magnitude;
    const Extended b =
        0.5 * (l_o_TR.m_o_Form + l_o_RT.m_o_Form) / std::sqrt(l_o_TT.m_db_Magnitude * l_o_RR.m_db_Magnitude);
    const double l_db_Largest = 0.5 * to_double(a + d) + std::hypot(0.5 * to_double(a - d), to_double(b));
    // det from the unscaled energies, so that no rounded scale enters it.
    const Extended l_o_Mixed = 0.5 * (l_o_TR.m_o_Form + l_o_RT.m_o_Form);
    const Extended l_o_Determinant = (l_o_TT.m_o_Form * l_o_RR.m_o_Form - l_o_Mixed * l_o_Mixed) /
                                     (l_o_TT.m_db_Magnitude * l_o_RR.m_db_Magnitude);
    const Extended l_o_Smallest = l_db_Largest > 0.0 ? l_o_Determinant / l_db_Largest : Extended(0.0);
    // A negative energy is no free motion: the factorisation reports an indefinite matrix.
    if (std::fabs(to_double(l_o_Smallest)) > l_db_Threshold)
        return "";
    // Its eigenvector (v_t, v_r) in the scaled motions: w = v_t + v_r (x - centre) / length.
    double v_t = to_double(b), v_r = to_double(l_o_Smallest - a);
    if (std::fabs(to_double(b)) <= 1e-12 && to_double(a) <= to_double(d))
    {
        v_t = 1.0;
        v_r = 0.0;
    }
    v_t /= std::sqrt(l_o_TT.m_db_Magnitude);
    v_r /= std::sqrt(l_o_RR.m_db_Magnitude);
    if (std::fabs(v_r) <= 1e-9 * std::fabs(v_t))
        return "a translation";
    return "a rotation about x = " + NumberText(r.m_db_Centre - v_t / v_r * r.m_db_Length);
}

template std::string FreeRigidMotion(const BandMatrix<double>&, const Discretisation&);
template std::string FreeRigidMotion(const BandMatrix<Extended>&, const Discretisation&);

// A quad-double system is checked in double-double: its entries' rounding to
// double-double leaves a free motion within that check's threshold.
template <>
std::string FreeRigidMotion(const BandMatrix<QuadExtended>& in_o_K, const Discretisation& in_o_Discretisation)
{
    return FreeRigidMotion(RoundedTo<Extended>(in_o_K), in_o_Discretisation);
}

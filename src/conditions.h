#ifndef FEM1D_CONDITIONS_H
#define FEM1D_CONDITIONS_H

#include <vector>

#include "bandmatrix.h"

// Conditions on global unknowns (a value or, for Hermite, a slope dw/dx):
// prescribed values, point loads (a force on a value, a moment on a slope),
// springs to ground (a force -k u), and Robin terms (an outward flux
// h (u - u_inf) through an end), each kept in the order given.
class Conditions
{
public:
    struct Prescribed
    {
        int m_int_Unknown;
        double m_db_Value;
    };
    struct Load
    {
        int m_int_Unknown;
        double m_db_Value;
    };
    struct Spring
    {
        int m_int_Unknown;
        double m_db_Stiffness;
    };
    struct Robin
    {
        int m_int_Unknown;
        double m_db_Coefficient;
        double m_db_Ambient;
    };

    // A ProblemError if the unknown is already prescribed.
    void Prescribe(int in_int_Unknown, double in_db_Value);
    void AddLoad(int in_int_Unknown, double in_db_Value);
    void AddSpring(int in_int_Unknown, double in_db_Stiffness);
    void AddRobin(int in_int_Unknown, double in_db_Coefficient, double in_db_Ambient);

    const std::vector<Prescribed>& get_m_v_Prescribed() const { return m_v_Prescribed; }
    const std::vector<Load>& get_m_v_Loads() const { return m_v_Loads; }
    const std::vector<Spring>& get_m_v_Springs() const { return m_v_Springs; }
    const std::vector<Robin>& get_m_v_Robin() const { return m_v_Robin; }
    bool IsPrescribed(int in_int_Unknown) const;

    // Adds the springs and Robin terms into K.
    template <class T>
    void AddStiffness(BandMatrix<T>& io_K) const;
    // Adds the point loads and the Robin terms' h u_inf into F.
    template <class T>
    void AddLoads(T* io_F) const;
    // Adds (K_c U - F_c) of the springs, Robin terms and loads into R.
    template <class T>
    void AddResidual(const double* in_U, T* io_R) const;

private:
    std::vector<Prescribed> m_v_Prescribed;
    std::vector<Load> m_v_Loads;
    std::vector<Spring> m_v_Springs;
    std::vector<Robin> m_v_Robin;
};

// The prescribed values imposed on an assembled system K U = F so that a
// symmetric K stays symmetric: each prescribed unknown's column, times its
// value, moves to the right-hand side, its row and column are cleared, and
// its equation becomes K_dd u_d = K_dd g (1 u_d = g where K_dd is not
// positive). The rows cleared are kept first, with F there, so that the
// reactions K U - F at the prescribed unknowns can be formed afterwards.
template <class T>
class PrescribedRows
{
public:
    PrescribedRows(const Conditions& in_o_Conditions, BandMatrix<T>& io_K, T* io_F);

    // K U - F at each prescribed unknown, in the order of the conditions.
    std::vector<T> Reactions(const double* in_U) const;

private:
    std::vector<int> m_vint_Unknown;
    int m_int_HalfBandwidth;
    int m_int_Size;
    std::vector<T> m_v_Rows; // 2 kd + 1 entries a row, columns d - kd to d + kd
    std::vector<T> m_v_Load;
};

// Homogeneous prescribed values on a tangent system: the rows and columns of
// the prescribed unknowns are cleared, their diagonal kept (1 where it is not
// positive), and their residual entries set to zero.
template <class T>
void ClearPrescribed(const Conditions& in_o_Conditions, BandMatrix<double>& io_Tangent, T* io_R);

// ---------------------------------------------------------------------------

template <class T>
void Conditions::AddStiffness(BandMatrix<T>& io_K) const
{
    for (const Spring& l_o_Spring : m_v_Springs)
        io_K.At(l_o_Spring.m_int_Unknown, l_o_Spring.m_int_Unknown) += T(l_o_Spring.m_db_Stiffness);
    for (const Robin& l_o_Robin : m_v_Robin)
        io_K.At(l_o_Robin.m_int_Unknown, l_o_Robin.m_int_Unknown) += T(l_o_Robin.m_db_Coefficient);
}

template <class T>
void Conditions::AddLoads(T* io_F) const
{
    for (const Load& l_o_Load : m_v_Loads)
        io_F[l_o_Load.m_int_Unknown] += T(l_o_Load.m_db_Value);
    for (const Robin& l_o_Robin : m_v_Robin)
        io_F[l_o_Robin.m_int_Unknown] += T(l_o_Robin.m_db_Coefficient) * T(l_o_Robin.m_db_Ambient);
}

template <class T>
void Conditions::AddResidual(const double* in_U, T* io_R) const
{
    for (const Spring& l_o_Spring : m_v_Springs)
        io_R[l_o_Spring.m_int_Unknown] += T(l_o_Spring.m_db_Stiffness) * T(in_U[l_o_Spring.m_int_Unknown]);
    for (const Robin& l_o_Robin : m_v_Robin)
        io_R[l_o_Robin.m_int_Unknown] +=
            T(l_o_Robin.m_db_Coefficient) * (T(in_U[l_o_Robin.m_int_Unknown]) - T(l_o_Robin.m_db_Ambient));
    for (const Load& l_o_Load : m_v_Loads)
        io_R[l_o_Load.m_int_Unknown] -= T(l_o_Load.m_db_Value);
}

template <class T>
PrescribedRows<T>::PrescribedRows(const Conditions& in_o_Conditions, BandMatrix<T>& io_K, T* io_F)
    : m_int_HalfBandwidth(io_K.get_m_int_HalfBandwidth()), m_int_Size(io_K.get_m_int_Size())
{
    const int kd = m_int_HalfBandwidth;
    const std::vector<Conditions::Prescribed>& l_v_Prescribed = in_o_Conditions.get_m_v_Prescribed();
    m_v_Rows.reserve(l_v_Prescribed.size() * (2 * kd + 1));
    for (const Conditions::Prescribed& l_o_Condition : l_v_Prescribed)
    {
        const int d = l_o_Condition.m_int_Unknown;
        m_vint_Unknown.push_back(d);
        for (int j = d - kd; j <= d + kd; ++j)
            m_v_Rows.push_back(io_K.Get(d, j));
        m_v_Load.push_back(io_F[d]);
    }
    for (const Conditions::Prescribed& l_o_Condition : l_v_Prescribed)
    {
        const int d = l_o_Condition.m_int_Unknown;
        const T g(l_o_Condition.m_db_Value);
        for (int i = d - kd; i <= d + kd; ++i)
        {
            if (i == d || !io_K.InBand(i, d))
                continue;
            io_F[i] -= io_K.At(i, d) * g;
            io_K.At(i, d) = T(0);
            io_K.At(d, i) = T(0);
        }
        if (!(io_K.At(d, d) > T(0)))
            io_K.At(d, d) = T(1);
        io_F[d] = io_K.At(d, d) * g;
    }
}

template <class T>
std::vector<T> PrescribedRows<T>::Reactions(const double* in_U) const
{
    const int kd = m_int_HalfBandwidth;
    std::vector<T> l_v_Reactions;
    for (std::size_t c = 0; c < m_vint_Unknown.size(); ++c)
    {
        const int d = m_vint_Unknown[c];
        T l_Sum = -m_v_Load[c];
        for (int j = std::max(0, d - kd); j <= std::min(m_int_Size - 1, d + kd); ++j)
            l_Sum += m_v_Rows[c * (2 * kd + 1) + (j - d + kd)] * T(in_U[j]);
        l_v_Reactions.push_back(l_Sum);
    }
    return l_v_Reactions;
}

template <class T>
void ClearPrescribed(const Conditions& in_o_Conditions, BandMatrix<double>& io_Tangent, T* io_R)
{
    const int kd = io_Tangent.get_m_int_HalfBandwidth();
    for (const Conditions::Prescribed& l_o_Condition : in_o_Conditions.get_m_v_Prescribed())
    {
        const int d = l_o_Condition.m_int_Unknown;
        for (int i = d - kd; i <= d + kd; ++i)
            if (i != d && io_Tangent.InBand(i, d))
            {
                io_Tangent.At(i, d) = 0.0;
                io_Tangent.At(d, i) = 0.0;
            }
        if (!(io_Tangent.At(d, d) > 0.0))
            io_Tangent.At(d, d) = 1.0;
        io_R[d] = T(0);
    }
}

#endif

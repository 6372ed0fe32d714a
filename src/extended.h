#ifndef FEM1D_EXTENDED_H
#define FEM1D_EXTENDED_H

#include <cfloat>
#include <cmath>

#include <qd/dd_real.h>
#include <qd/qd_real.h>

#include "bandmatrix.h"

// The extended scalar type of Arithmetic::Extended: double-double (the QD
// library, libqd-dev), about 32 significant digits, so that sums of element
// contributions that cancel in exact arithmetic cancel to 1e-32 of their size.
using Extended = dd_real;

// Quad-double (QD's qd_real), about 64 digits: the storage of systems whose
// condition is so large (Hermite meshes of tens of thousands of elements and
// more) that rounding at 1e-32 would already show in the results.
using QuadExtended = qd_real;

inline double ToDouble(double in_db_x) { return in_db_x; }
inline double ToDouble(const Extended& in_o_x) { return to_double(in_o_x); }
inline double ToDouble(const QuadExtended& in_o_x) { return to_double(in_o_x); }
inline double Magnitude(double in_db_x) { return std::fabs(in_db_x); }
inline double Magnitude(const Extended& in_o_x) { return std::fabs(to_double(in_o_x)); }
inline double Magnitude(const QuadExtended& in_o_x) { return std::fabs(to_double(in_o_x)); }
inline Extended ToExtended(double in_db_x) { return Extended(in_db_x); }
inline Extended ToExtended(const Extended& in_o_x) { return in_o_x; }
inline Extended ToExtended(const QuadExtended& in_o_x) { return Extended(in_o_x.x[0], in_o_x.x[1]); }
// A double-double value in each type.
template <class T>
T FromExtended(const Extended& in_o_x);
template <>
inline double FromExtended<double>(const Extended& in_o_x)
{
    return to_double(in_o_x);
}
template <>
inline Extended FromExtended<Extended>(const Extended& in_o_x)
{
    return in_o_x;
}
template <>
inline QuadExtended FromExtended<QuadExtended>(const Extended& in_o_x)
{
    return QuadExtended(in_o_x.x[0], in_o_x.x[1], 0.0, 0.0);
}
// A value, or every entry of a band matrix, rounded to the type To.
inline void RoundInto(double& out_x, double in_x) { out_x = in_x; }
template <class From>
void RoundInto(double& out_x, const From& in_x)
{
    out_x = ToDouble(in_x);
}
template <class From>
void RoundInto(Extended& out_x, const From& in_x)
{
    out_x = ToExtended(in_x);
}
template <class To, class From>
BandMatrix<To> RoundedTo(const BandMatrix<From>& in_o_A)
{
    BandMatrix<To> l_o_Rounded(in_o_A.get_m_int_Size(), in_o_A.get_m_int_HalfBandwidth());
    const std::size_t l_Entries = static_cast<std::size_t>(in_o_A.get_m_int_Size()) * in_o_A.get_LeadingDimension();
    for (std::size_t k = 0; k < l_Entries; ++k)
        RoundInto(l_o_Rounded.get_Data()[k], in_o_A.get_Data()[k]);
    return l_o_Rounded;
}

// The unit roundoff of each type.
inline double UnitRoundoff(double) { return DBL_EPSILON / 2; }
inline double UnitRoundoff(const Extended&) { return dd_real::_eps; }
inline double UnitRoundoff(const QuadExtended&) { return qd_real::_eps; }

#endif

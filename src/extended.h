#ifndef FEM1D_EXTENDED_H
#define FEM1D_EXTENDED_H

#include <cmath>

#include <qd/dd_real.h>

// The extended scalar type of Arithmetic::Extended: double-double (the QD
// library, libqd-dev), about 32 significant digits, so that sums of element
// contributions that cancel in exact arithmetic cancel to 1e-32 of their size.
using Extended = dd_real;

inline double ToDouble(double in_db_x) { return in_db_x; }
inline double ToDouble(const Extended& in_o_x) { return to_double(in_o_x); }
inline double Magnitude(double in_db_x) { return std::fabs(in_db_x); }
inline double Magnitude(const Extended& in_o_x) { return std::fabs(to_double(in_o_x)); }

#endif

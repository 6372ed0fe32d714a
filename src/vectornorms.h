#ifndef FEM1D_VECTORNORMS_H
#define FEM1D_VECTORNORMS_H

#include <algorithm>
#include <cmath>
#include <cstddef>

// max |x_i|, the norm in which the solvers measure solutions and corrections.
inline double MaximumMagnitude(const double* in_x, std::size_t n)
{
    double l_db_Maximum = 0.0;
    for (std::size_t i = 0; i < n; ++i)
        l_db_Maximum = std::max(l_db_Maximum, std::fabs(in_x[i]));
    return l_db_Maximum;
}

#endif

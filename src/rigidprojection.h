#ifndef FEM1D_RIGIDPROJECTION_H
#define FEM1D_RIGIDPROJECTION_H

#include <algorithm>
#include <cfloat>

#include "extended.h"

// The rigid motions that a stiffness integrand takes no energy from: every
// term that differentiates the trial function once (a u' v', b u' v) spares
// the constants, every term that differentiates it twice (EI w'' v'') also
// the straight lines. Lines needs Hermite interpolation.
enum class RigidMotions
{
    None,
    Constants,
    Lines
};


// An element stiffness of a term that spares rigid motions, made to spare
// them exactly in the scalar type T: K P for a general matrix, P K P for a
// symmetric one, P the orthogonal projector onto the complement of the
// element's rigid motions, in the element's unknowns with global signs
// (values, and slopes dw/dx for Hermite). The constants are all ones
// (Hermite: values 1, slopes 0); the straight line through the element's
// centre has values -h/2 and h/2 and slopes 1, orthogonal to the constants.
// A matrix that already spares them exactly is left as it is.
template <class T>
void ProjectOutRigidMotions(T (&io_K)[4][4], int N, bool in_b_Hermite, RigidMotions in_e_Motions,
                            double in_db_Length)
{
    if (in_e_Motions == RigidMotions::None)
        return;
    T r[2][4];
    int l_int_Motions = 1;
    for (int k = 0; k < N; ++k)
        r[0][k] = T(in_b_Hermite && k % 2 == 1 ? 0.0 : 1.0);
    if (in_b_Hermite && in_e_Motions == RigidMotions::Lines)
    {
        l_int_Motions = 2;
        const double l_db_Half = 0.5 * in_db_Length;
        const double l_vdb_Line[4] = {-l_db_Half, 1.0, l_db_Half, 1.0};
        for (int k = 0; k < 4; ++k)
            r[1][k] = T(l_vdb_Line[k]);
    }

    bool l_b_Spared = true;
    bool l_b_Symmetric = true;
    double l_db_Largest = 0.0;
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
            l_db_Largest = std::max(l_db_Largest, Magnitude(io_K[i][j]));
    for (int i = 0; i < N; ++i)
    {
        for (int m = 0; m < l_int_Motions; ++m)
        {
            T l_Sum(0.0);
            for (int j = 0; j < N; ++j)
                l_Sum += io_K[i][j] * r[m][j];
            l_b_Spared = l_b_Spared && l_Sum == T(0.0);
        }
        for (int j = 0; j < i; ++j)
            l_b_Symmetric =
                l_b_Symmetric && Magnitude(io_K[i][j] - io_K[j][i]) <= 64 * DBL_EPSILON * l_db_Largest;
    }
    if (l_b_Spared)
        return;

    // P = I - sum over the motions of r r^T / (r^T r).
    T P[4][4];
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
            P[i][j] = T(i == j ? 1.0 : 0.0);
    for (int m = 0; m < l_int_Motions; ++m)
    {
        T l_Norm(0.0);
        for (int k = 0; k < N; ++k)
            l_Norm += r[m][k] * r[m][k];
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
                P[i][j] -= r[m][i] * r[m][j] / l_Norm;
    }
    T KP[4][4];
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
        {
            T l_Sum(0.0);
            for (int k = 0; k < N; ++k)
                l_Sum += io_K[i][k] * P[k][j];
            KP[i][j] = l_Sum;
        }
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
        {
            if (!l_b_Symmetric)
            {
                io_K[i][j] = KP[i][j];
                continue;
            }
            T l_Sum(0.0);
            for (int k = 0; k < N; ++k)
                l_Sum += P[i][k] * KP[k][j];
            io_K[i][j] = l_Sum;
        }
}

#endif

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


// An element stiffness of a term that spares rigid motions, given in double
// and made to spare them exactly in the scalar type T: K P for a general
// matrix, P K P for a symmetric one, P the orthogonal projector onto the
// complement of the element's rigid motions R, in the element's unknowns
// with global signs (values, and slopes dw/dx for Hermite). The constants
// are all ones (Hermite: values 1, slopes 0); the straight line through the
// element's centre has values -h/2 and h/2 and slopes 1, orthogonal to the
// constants.
//
// P K P = K - D with D = Y G R^T + R G Z - R G (R^T Y) G R^T, Y = K R,
// Z = R^T K, G = (R^T R)^-1. Y and Z are as small as K's failure to spare R
// (rounding, some 1e-16 of K) and are computed exactly in T, since K and R
// are doubles; D then needs only double-double, its rounding some 1e-32 of
// itself, so that the result spares R to T's own precision. A matrix that
// already spares R exactly comes out unchanged.
template <class T>
void SpareRigidMotions(const double (&in_K)[4][4], T (&out_K)[4][4], int N, bool in_b_Hermite,
                       RigidMotions in_e_Motions, double in_db_Length)
{
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
            out_K[i][j] = T(in_K[i][j]);
    if (in_e_Motions == RigidMotions::None)
        return;
    double r[2][4];
    Extended l_o_Norm[2]; // r^T r, exactly
    int l_int_Motions = 1;
    for (int k = 0; k < N; ++k)
        r[0][k] = in_b_Hermite && k % 2 == 1 ? 0.0 : 1.0;
    l_o_Norm[0] = Extended(in_b_Hermite ? 2.0 : static_cast<double>(N));
    if (in_b_Hermite && in_e_Motions == RigidMotions::Lines)
    {
        l_int_Motions = 2;
        const double l_db_Half = 0.5 * in_db_Length;
        const double l_vdb_Line[4] = {-l_db_Half, 1.0, l_db_Half, 1.0};
        for (int k = 0; k < 4; ++k)
            r[1][k] = l_vdb_Line[k];
        l_o_Norm[1] = 2.0 * (Extended(l_db_Half) * l_db_Half) + 2.0;
    }

    // Y = K R and Z = R^T K, exactly in T.
    Extended Y[4][2], Z[2][4];
    bool l_b_Spared = true;
    for (int m = 0; m < l_int_Motions; ++m)
        for (int i = 0; i < N; ++i)
        {
            T l_y(0.0), l_z(0.0);
            for (int j = 0; j < N; ++j)
            {
                l_y += T(in_K[i][j]) * r[m][j];
                l_z += T(in_K[j][i]) * r[m][j];
            }
            Y[i][m] = ToExtended(l_y);
            Z[m][i] = ToExtended(l_z);
            l_b_Spared = l_b_Spared && l_y == T(0.0);
        }
    if (l_b_Spared)
        return;
    double l_db_Largest = 0.0, l_db_Asymmetry = 0.0;
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
        {
            l_db_Largest = std::max(l_db_Largest, std::fabs(in_K[i][j]));
            l_db_Asymmetry = std::max(l_db_Asymmetry, std::fabs(in_K[i][j] - in_K[j][i]));
        }
    const bool l_b_Symmetric = l_db_Asymmetry <= 64 * DBL_EPSILON * l_db_Largest;

    // Scaled by G: Y G, G Z, and G (R^T Y) G.
    Extended YG[4][2], GZ[2][4], GCG[2][2];
    for (int m = 0; m < l_int_Motions; ++m)
        for (int i = 0; i < N; ++i)
        {
            YG[i][m] = Y[i][m] / l_o_Norm[m];
            GZ[m][i] = Z[m][i] / l_o_Norm[m];
        }
    for (int m = 0; m < l_int_Motions; ++m)
        for (int l = 0; l < l_int_Motions; ++l)
        {
            Extended l_o_Sum(0.0);
            for (int k = 0; k < N; ++k)
                l_o_Sum += r[m][k] * YG[k][l];
            GCG[m][l] = l_o_Sum / l_o_Norm[m];
        }
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
        {
            Extended D(0.0);
            for (int m = 0; m < l_int_Motions; ++m)
            {
                D += YG[i][m] * r[m][j];
                if (l_b_Symmetric)
                {
                    D += r[m][i] * GZ[m][j];
                    for (int l = 0; l < l_int_Motions; ++l)
                        D -= r[m][i] * GCG[m][l] * r[l][j];
                }
            }
            out_K[i][j] -= FromExtended<T>(D);
        }
}

#endif

#ifndef FEM1D_BANDLU_H
#define FEM1D_BANDLU_H

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "bandmatrix.h"
#include "extended.h"

// Banded LU with partial pivoting in the scalar type T, the algorithm of
// LAPACK's dgbtf2 for a type LAPACK does not have: the extended
// factorisation of systems whose double factorisation is too poor a
// preconditioner for refinement (beams of tens of thousands of elements,
// condition numbers of 1e16 and more). One algorithm serves symmetric and
// general matrices alike; with half-bandwidths of at most 3 its cost is a
// few dozen operations an unknown.
//
// Row i is held for columns i - kd to i + 2 kd: pivoting brings rows up to
// kd below, whose entries reach kd further right.
template <class T>
class BandLU
{
public:
    explicit BandLU(const BandMatrix<T>& in_o_Matrix)
        : m_int_Size(in_o_Matrix.get_m_int_Size()), m_int_HalfBandwidth(in_o_Matrix.get_m_int_HalfBandwidth()),
          m_int_Width(3 * m_int_HalfBandwidth + 1),
          m_v_Rows(static_cast<std::size_t>(m_int_Size) * m_int_Width, T(0.0)),
          m_v_Multipliers(static_cast<std::size_t>(m_int_Size) * m_int_HalfBandwidth, T(0.0)), m_vint_Pivots(m_int_Size),
          m_int_FailedUnknown(-1)
    {
        const int n = m_int_Size, kd = m_int_HalfBandwidth;
        for (int i = 0; i < n; ++i)
            for (int j = std::max(0, i - kd); j <= std::min(n - 1, i + kd); ++j)
                At(i, j) = in_o_Matrix.At(i, j);
        for (int k = 0; k < n; ++k)
        {
            const int l_int_Last = std::min(n - 1, k + kd), l_int_Right = std::min(n - 1, k + 2 * kd);
            int p = k;
            for (int i = k + 1; i <= l_int_Last; ++i)
                if (Magnitude(At(i, k)) > Magnitude(At(p, k)))
                    p = i;
            m_vint_Pivots[k] = p;
            if (At(p, k) == T(0.0))
            {
                m_int_FailedUnknown = k;
                return;
            }
            if (p != k)
                for (int j = k; j <= l_int_Right; ++j)
                    std::swap(At(k, j), At(p, j));
            for (int i = k + 1; i <= l_int_Last; ++i)
            {
                const T l = At(i, k) / At(k, k);
                m_v_Multipliers[static_cast<std::size_t>(k) * kd + (i - k - 1)] = l;
                At(i, k) = T(0.0);
                for (int j = k + 1; j <= l_int_Right; ++j)
                    At(i, j) -= l * At(k, j);
            }
        }
    }

    bool Succeeded() const { return m_int_FailedUnknown < 0; }
    int get_m_int_FailedUnknown() const { return m_int_FailedUnknown; }

    // Overwrites b with the solution of A x = b.
    void Solve(T* io_b) const
    {
        const int n = m_int_Size, kd = m_int_HalfBandwidth;
        for (int k = 0; k < n; ++k)
        {
            std::swap(io_b[k], io_b[m_vint_Pivots[k]]);
            for (int i = k + 1; i <= std::min(n - 1, k + kd); ++i)
                io_b[i] -= m_v_Multipliers[static_cast<std::size_t>(k) * kd + (i - k - 1)] * io_b[k];
        }
        for (int k = n - 1; k >= 0; --k)
        {
            T l_Sum = io_b[k];
            for (int j = k + 1; j <= std::min(n - 1, k + 2 * kd); ++j)
                l_Sum -= At(k, j) * io_b[j];
            io_b[k] = l_Sum / At(k, k);
        }
    }

private:
    T& At(int i, int j) { return m_v_Rows[static_cast<std::size_t>(i) * m_int_Width + (j - i + m_int_HalfBandwidth)]; }
    const T& At(int i, int j) const
    {
        return m_v_Rows[static_cast<std::size_t>(i) * m_int_Width + (j - i + m_int_HalfBandwidth)];
    }

    int m_int_Size;
    int m_int_HalfBandwidth;
    int m_int_Width;
    LargeVector<T> m_v_Rows;
    LargeVector<T> m_v_Multipliers; // kd a step: the rows below the pivot
    std::vector<int> m_vint_Pivots;
    int m_int_FailedUnknown;
};

#endif

#ifndef FEM1D_BANDMATRIX_H
#define FEM1D_BANDMATRIX_H

#include <algorithm>
#include <cmath>
#include <utility>

#include "largevector.h"

// A square matrix of order n whose entries vanish beyond kd diagonals on
// either side, stored as LAPACK stores a general band matrix with kl = ku =
// kd: column j holds rows j - kd to j + kd, entry (i, j) at
// [j (2 kd + 1) + kd + i - j]. The first kd + 1 rows of every column are
// then exactly LAPACK's upper symmetric band storage with leading dimension
// 2 kd + 1, so a symmetric matrix is handed to the banded Cholesky as it is.
// T is the scalar type of the assembly: double, or an extended type whose
// sums keep the exact cancellations of element contributions.
template <class T>
class BandMatrix
{
public:
    BandMatrix() : m_int_Size(0), m_int_HalfBandwidth(0) {}
    BandMatrix(int in_int_Size, int in_int_HalfBandwidth)
        : m_int_Size(in_int_Size), m_int_HalfBandwidth(in_int_HalfBandwidth),
          m_v_Entries(static_cast<std::size_t>(in_int_Size) * (2 * in_int_HalfBandwidth + 1), T(0))
    {
    }

    int get_m_int_Size() const { return m_int_Size; }
    int get_m_int_HalfBandwidth() const { return m_int_HalfBandwidth; }
    int get_LeadingDimension() const { return 2 * m_int_HalfBandwidth + 1; }
    T* get_Data() { return m_v_Entries.data(); }
    const T* get_Data() const { return m_v_Entries.data(); }

    // Hands the storage over (the matrix is left empty), e.g. to a factorisation in place.
    LargeVector<T> TakeEntries()
    {
        m_int_Size = 0;
        return std::move(m_v_Entries);
    }

    bool InBand(int i, int j) const
    {
        return i >= 0 && j >= 0 && i < m_int_Size && j < m_int_Size && std::abs(i - j) <= m_int_HalfBandwidth;
    }
    // Unchecked: (i, j) must lie in the band.
    T& At(int i, int j) { return m_v_Entries[Index(i, j)]; }
    const T& At(int i, int j) const { return m_v_Entries[Index(i, j)]; }
    // Any (i, j): zero outside the band.
    T Get(int i, int j) const { return InBand(i, j) ? At(i, j) : T(0); }

    // y = A x, in the matrix's scalar type.
    template <class X>
    void Multiply(const X* in_x, T* out_y) const
    {
        const int kd = m_int_HalfBandwidth;
        for (int i = 0; i < m_int_Size; ++i)
        {
            T l_Sum(0);
            for (int j = std::max(0, i - kd); j <= std::min(m_int_Size - 1, i + kd); ++j)
                l_Sum += At(i, j) * T(in_x[j]);
            out_y[i] = l_Sum;
        }
    }

private:
    std::size_t Index(int i, int j) const
    {
        return static_cast<std::size_t>(j) * (2 * m_int_HalfBandwidth + 1) + (m_int_HalfBandwidth + i - j);
    }

    int m_int_Size;
    int m_int_HalfBandwidth;
    LargeVector<T> m_v_Entries;
};

#endif

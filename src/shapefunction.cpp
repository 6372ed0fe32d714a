#include "shapefunction.h"

#include <algorithm>

namespace
{

// The array library must never see a negative size: an order below 0 gives
// tables without rows, a negative count tables without columns.
TNT::Array2D<double>* NewTable(int in_int_Rows, int in_int_Columns)
{
    return new TNT::Array2D<double>(std::max(in_int_Rows, 0), std::max(in_int_Columns, 0), 0.0);
}

} // namespace

ShapeFunction::ShapeFunction(int in_int_PolynomeOrder, int in_int_NumberOfPoint)
    : m_mdb_ptrPsi(NewTable(in_int_PolynomeOrder + 1, in_int_NumberOfPoint)),
      m_mdb_ptrdPsi(NewTable(in_int_PolynomeOrder + 1, in_int_NumberOfPoint)),
      m_mdb_ptrd2Psi(NewTable(in_int_PolynomeOrder + 1, in_int_NumberOfPoint)),
      m_int_PolynomeOrder(in_int_PolynomeOrder)
{
}

ShapeFunction::~ShapeFunction()
{
    delete m_mdb_ptrPsi;
    delete m_mdb_ptrdPsi;
    delete m_mdb_ptrd2Psi;
}

void ShapeFunction::CalculPsiLookupTable(TNT::Array1D<double> Position, double in_db_Length)
{
    double L = in_db_Length;
    // The fill stays inside every table: an order raised by
    // set_m_int_PolynomeOrder, more positions than columns, or tables given
    // smaller storage through a setter never make it write past their end.
    for (int i = 0; i < m_int_PolynomeOrder + 1; ++i)
    {
        if (i >= m_mdb_ptrPsi->dim1() || i >= m_mdb_ptrdPsi->dim1() || i >= m_mdb_ptrd2Psi->dim1())
            break;
        for (int j = 0; j < Position.dim(); ++j)
        {
            if (j >= m_mdb_ptrPsi->dim2() || j >= m_mdb_ptrdPsi->dim2() || j >= m_mdb_ptrd2Psi->dim2())
                break;
            (*m_mdb_ptrPsi)[i][j] = Psi(i, Position[j], L);
            (*m_mdb_ptrdPsi)[i][j] = dPsi(i, Position[j], L);
            (*m_mdb_ptrd2Psi)[i][j] = d2Psi(i, Position[j], L);
        }
    }
}

void ShapeFunction::set_m_mdb_Psi(TNT::Array2D<double> value) { *m_mdb_ptrPsi = value; }
void ShapeFunction::set_m_mdb_dPsi(TNT::Array2D<double> value) { *m_mdb_ptrdPsi = value; }
void ShapeFunction::set_m_mdb_d2Psi(TNT::Array2D<double> value) { *m_mdb_ptrd2Psi = value; }

int ShapeFunction::get_m_int_PolynomeOrder() const { return m_int_PolynomeOrder; }
void ShapeFunction::set_m_int_PolynomeOrder(int value) { m_int_PolynomeOrder = value; }

// Element: the printed report on standard output.
#include <iostream>

#include "element.h"

namespace
{

const char* const g_c_Stars = "*********************************************************";

// Report format: left adjusted, decimal point always shown, 3 significant
// digits in general notation. It is left on the stream on purpose: every
// later number of the run is written with it.
void ApplyReportFormat()
{
    std::cout.setf(std::ios::left, std::ios::adjustfield);
    std::cout.setf(std::ios::showpoint);
    std::cout.precision(3);
}

} // namespace

void Element::DisplayFormatMatrix(TNT::Array2D<double>* in_mdb_ptrMatrix)
{
    ApplyReportFormat();
    const TNT::Array2D<double>& l_mdb_Matrix = *in_mdb_ptrMatrix;
    for (int i = 0; i < l_mdb_Matrix.dim1(); ++i)
    {
        std::cout << "| ";
        for (int j = 0; j < l_mdb_Matrix.dim2(); ++j)
        {
            std::cout.width(7);
            std::cout << l_mdb_Matrix[i][j];
            if (j == l_mdb_Matrix.dim2() - 1)
            {
                std::cout.width(2);
                std::cout << " |" << std::endl;
            }
            else
            {
                std::cout << " ";
            }
        }
    }
    std::cout << std::endl;
}

void Element::DisplayFormatVector(TNT::Array1D<double>* in_mdb_ptrVector)
{
    ApplyReportFormat();
    const TNT::Array1D<double>& l_vdb_Vector = *in_mdb_ptrVector;
    std::cout << "| ";
    for (int i = 0; i < l_vdb_Vector.dim(); ++i)
    {
        std::cout.width(7);
        std::cout << l_vdb_Vector[i] << " ";
    }
    // Left adjusted in a field of 2, the bar is followed by one fill space.
    std::cout.width(2);
    std::cout << "|" << std::endl;
}

void Element::DisplayMatrixK()
{
    if (!m_b_SetFunctionCalculK)
        return;
    std::cout << "The matrix K is:" << std::endl;
    DisplayFormatMatrix(m_mdb_ptrK);
}

void Element::DisplayMatrixdK()
{
    if (!m_b_SetFunctionCalculdK)
        return;
    std::cout << "The derivative of matrix K is:" << std::endl;
    DisplayFormatMatrix(m_mdb_ptrdK);
}

void Element::DisplayMatrixM()
{
    if (!m_b_SetFunctionCalculM)
        return;
    std::cout << "The matrix M is:" << std::endl;
    DisplayFormatMatrix(m_mdb_ptrM);
}

void Element::DisplayMatrix()
{
    DisplayMatrixK();
    DisplayMatrixdK();
    DisplayMatrixM();
}

void Element::DisplayForce()
{
    if (!m_b_SetFunctionCalculF)
        return;
    std::cout << "The force vector is: " << std::endl;
    DisplayFormatVector(m_mdb_ptrF);
}

void Element::Info()
{
    std::cout << std::endl;
    std::cout << g_c_Stars << std::endl;
    std::cout << "*                     Element info                      *" << std::endl;
    std::cout << g_c_Stars << std::endl;
    std::cout << std::endl;
    std::cout << "The element number is: " << m_int_ElementNumber << std::endl;
    std::cout << "The shape function type is: " << m_int_TypeElement << std::endl;
    std::cout << "The data number is: " << m_int_DataNumber << std::endl;
    std::cout << "The number of node is: " << m_int_NumberOfNode << std::endl;
    std::cout << "The total length of the element is: " << m_db_Length << std::endl;
    std::cout << "The number of Gauss point are : " << m_o_ptrGaussLegendre->get_m_int_NumberOfIntegrationPoints()
              << std::endl;
    std::cout << "The gauss point are : " << m_o_ptrGaussLegendre->get_m_vdb_Points() << std::endl;
    std::cout << "The gauss weight are : " << m_o_ptrGaussLegendre->get_m_vdb_Weight() << std::endl;
    DisplayMatrix();
    DisplayForce();
    std::cout << std::endl;
}

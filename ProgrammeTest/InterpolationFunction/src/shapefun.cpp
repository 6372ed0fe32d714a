// Prints the points of a 5-point Gauss-Legendre rule and the tables of the
// cubic Lagrange and Hermite functions and their derivatives at those points.
#include <iostream>

#include "gausslegendre.h"
#include "hermitianfunction.h"
#include "lagrangianfunction.h"

namespace
{

void PrintSection(const char* in_c_Caption, TNT::Array2D<double>* in_mdb_ptrTable)
{
    std::cout << in_c_Caption << std::endl;
    std::cout << *in_mdb_ptrTable << std::endl;
}

} // namespace

int main()
{
    GaussLegendre Gauss(5);
    std::cout << Gauss.get_m_vdb_Points() << std::endl;

    const int l_int_PolynomeOrder = 3;
    const double l_db_Length = 1.0;
    ShapeFunction* ptrShapeL = new LagrangianFunction(l_int_PolynomeOrder, Gauss.get_m_vdb_Points(), l_db_Length);
    ShapeFunction* ptrShapeH = new HermitianFunction(l_int_PolynomeOrder, Gauss.get_m_vdb_Points(), l_db_Length);

    // The captions are ISO-8859-1 bytes: \xE8 is e grave, \xE9 e acute.
    PrintSection("Fonction d'interpolation de Lagrange.", ptrShapeL->get_m_mdb_Psi());
    PrintSection("Premi\xE8re d\xE9riv\xE9"
                 "e des fonctions d'interpolation de Lagrange.",
                 ptrShapeL->get_m_mdb_dPsi());
    PrintSection("Seconde d\xE9riv\xE9"
                 "e des fonctions d'interpolation de Lagrange.",
                 ptrShapeL->get_m_mdb_d2Psi());
    PrintSection("Fonction d'interpolation d'Hermite.", ptrShapeH->get_m_mdb_Psi());
    PrintSection("Premi\xE8re d\xE9riv\xE9"
                 "e des fonctions d'interpolation d'Hermite.",
                 ptrShapeH->get_m_mdb_dPsi());
    PrintSection("Seconde d\xE9riv\xE9"
                 "e des fonctions d'interpolation d'Hermite.",
                 ptrShapeH->get_m_mdb_d2Psi());

    delete ptrShapeL;
    delete ptrShapeH;
    return 0;
}

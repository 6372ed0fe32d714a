// Builds a linear Lagrange and a cubic Hermite element, computes their K, M
// and F with the test problem's integrands, and prints both reports.
#include "element.h"
#include "problem.h"

int main()
{
    Element l_o_element(0, 2, 1, 0.5, 1);
    Element l_o_element2(1, 3, 2, 1.0, 1);
    Problem l_o_Problem;

    l_o_element.set_Object(&l_o_Problem);
    l_o_element.set_FunctionCalculK(Problem::CalculK3);
    l_o_element.set_FunctionCalculM(Problem::CalculM3);
    l_o_element.set_FunctionCalculF(Problem::CalculF3);

    l_o_element2.set_Object(&l_o_Problem);
    l_o_element2.set_FunctionCalculK(Problem::CalculK2);
    l_o_element2.set_FunctionCalculM(Problem::CalculM2);
    l_o_element2.set_FunctionCalculF(Problem::CalculF2);

    l_o_element.CalculLocalMatrixK();
    l_o_element.CalculLocalMatrixM();
    l_o_element.CalculForce();

    l_o_element2.CalculLocalMatrixK();
    l_o_element2.CalculLocalMatrixM();
    l_o_element2.CalculForce();

    l_o_element.Info();
    l_o_element2.Info();
    return 0;
}

#include "hermitianfunction.h"

HermitianFunction::HermitianFunction(int in_int_PolynomeOrder, TNT::Array1D<double> in_vdb_Position,
                                     double in_db_Length)
    : ShapeFunction(in_int_PolynomeOrder, in_vdb_Position.dim())
{
    CalculPsiLookupTable(in_vdb_Position, in_db_Length);
}

double HermitianFunction::Psi(const int& k, const double& x, const double& in_db_Length)
{
    const double h = 0.5 * in_db_Length;
    switch (k)
    {
    case 0: return 0.25 * (1 - x) * (1 - x) * (x + 2);
    case 1: return -0.25 * (1 - x) * (1 - x) * (1 + x) * h;
    case 2: return 0.25 * (1 + x) * (1 + x) * (2 - x);
    case 3: return 0.25 * (1 + x) * (1 + x) * (1 - x) * h;
    default: return 0.0;
    }
}

double HermitianFunction::dPsi(const int& k, const double& x, const double& in_db_Length)
{
    const double h = 0.5 * in_db_Length;
    double l_db_Natural = 0.0;
    switch (k)
    {
    case 0: l_db_Natural = -0.75 * (1 - x) * (1 + x); break;
    case 1: l_db_Natural = h * 0.25 * (1 + 2 * x - 3 * x * x); break;
    case 2: l_db_Natural = 0.75 * (1 - x) * (1 + x); break;
    case 3: l_db_Natural = h * 0.25 * (1 - 2 * x - 3 * x * x); break;
    default: break;
    }
    return l_db_Natural / h;
}

double HermitianFunction::d2Psi(const int& k, const double& x, const double& in_db_Length)
{
    const double h = 0.5 * in_db_Length;
    double l_db_Natural = 0.0;
    switch (k)
    {
    case 0: l_db_Natural = 1.5 * x; break;
    case 1: l_db_Natural = h * (0.5 - 1.5 * x); break;
    case 2: l_db_Natural = -1.5 * x; break;
    case 3: l_db_Natural = h * (-0.5 - 1.5 * x); break;
    default: break;
    }
    return l_db_Natural / h / h;
}

#include "lagrangianfunction.h"

namespace
{

// The order-3 values use this decimal rather than the exact 1/3; the
// derivatives carry the exact coefficients.
const double c = 0.333333333333333;

double Value(int p, int k, double x)
{
    switch (p * 10 + k)
    {
    case 10: return 0.5 * (1 - x);
    case 11: return 0.5 * (1 + x);
    case 20: return -0.5 * x * (1 - x);
    case 21: return (1 + x) * (1 - x);
    case 22: return 0.5 * x * (1 + x);
    case 30: return -0.5625 * (1 - x) * (x + c) * (c - x);
    case 31: return 1.6875 * (1 + x) * (1 - x) * (c - x);
    case 32: return 1.6875 * (1 + x) * (1 - x) * (x + c);
    case 33: return -0.5625 * (1 + x) * (x + c) * (c - x);
    default: return 0.0;
    }
}

// Derivatives in the natural coordinate, before the division by h.
double FirstDerivative(int p, int k, double x)
{
    switch (p * 10 + k)
    {
    case 10: return -0.5;
    case 11: return 0.5;
    case 20: return -0.5 * (1 - 2 * x);
    case 21: return -2 * x;
    case 22: return 0.5 * (2 * x + 1);
    case 30: return 0.0625 * (1 + 18 * x - 27 * x * x);
    case 31: return 0.5625 * (-3 - 2 * x + 9 * x * x);
    case 32: return 0.5625 * (3 - 2 * x - 9 * x * x);
    case 33: return 0.0625 * (-1 + 18 * x + 27 * x * x);
    default: return 0.0;
    }
}

double SecondDerivative(int p, int k, double x)
{
    switch (p * 10 + k)
    {
    case 20: return 1;
    case 21: return -2;
    case 22: return 1;
    case 30: return 0.0625 * (18 - 54 * x);
    case 31: return 0.5625 * (18 * x - 2);
    case 32: return 0.5625 * (-2 - 18 * x);
    case 33: return 0.0625 * (54 * x + 18);
    default: return 0.0;
    }
}

// Index k belongs to order p only within 0 to p; the key p * 10 + k must not
// let an out-of-range k of one order alias a function of another.
bool InFamily(int p, int k) { return p >= 1 && p <= 3 && k >= 0 && k <= p; }

} // namespace

LagrangianFunction::LagrangianFunction(int in_int_PolynomeOrder, TNT::Array1D<double> in_vdb_Position,
                                       double in_db_Length)
    : ShapeFunction(in_int_PolynomeOrder, in_vdb_Position.dim())
{
    CalculPsiLookupTable(in_vdb_Position, in_db_Length);
}

double LagrangianFunction::Psi(const int& k, const double& x, const double&)
{
    return InFamily(m_int_PolynomeOrder, k) ? Value(m_int_PolynomeOrder, k, x) : 0.0;
}

double LagrangianFunction::dPsi(const int& k, const double& x, const double& in_db_Length)
{
    const double h = 0.5 * in_db_Length;
    const double l_db_Natural = InFamily(m_int_PolynomeOrder, k) ? FirstDerivative(m_int_PolynomeOrder, k, x) : 0.0;
    return l_db_Natural / h;
}

double LagrangianFunction::d2Psi(const int& k, const double& x, const double& in_db_Length)
{
    const double h = 0.5 * in_db_Length;
    const double l_db_Natural = InFamily(m_int_PolynomeOrder, k) ? SecondDerivative(m_int_PolynomeOrder, k, x) : 0.0;
    return l_db_Natural / h / h;
}

#ifndef FEM1D_LAGRANGIANFUNCTION_H
#define FEM1D_LAGRANGIANFUNCTION_H

#include "shapefunction.h"

// Lagrange interpolation of order 1, 2 or 3 on [-1, 1] with equally spaced
// nodes, numbered in ascending order of the natural coordinate. Derivatives
// are with respect to the physical coordinate (divided by h = length / 2).
// Any other order or index gives zero rows.
class LagrangianFunction : public ShapeFunction
{
public:
    LagrangianFunction(int in_int_PolynomeOrder, TNT::Array1D<double> in_vdb_Position, double in_db_Length);

    double Psi(const int& k, const double& x, const double& in_db_Length) override;
    double dPsi(const int& k, const double& x, const double& in_db_Length) override;
    double d2Psi(const int& k, const double& x, const double& in_db_Length) override;
};

#endif

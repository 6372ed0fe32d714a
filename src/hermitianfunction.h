#ifndef FEM1D_HERMITIANFUNCTION_H
#define FEM1D_HERMITIANFUNCTION_H

#include "shapefunction.h"

// Cubic Hermite interpolation on [-1, 1]. Function 0 carries the value at -1,
// 1 the slope at -1 with its sign reversed, 2 the value at +1, 3 the slope at
// +1 with its sign reversed. The slope functions carry the factor
// h = length / 2; derivatives are with respect to the physical coordinate.
// The order only sets the number of rows; rows past 3 are zero.
class HermitianFunction : public ShapeFunction
{
public:
    HermitianFunction(int in_int_PolynomeOrder, TNT::Array1D<double> in_vdb_Position, double in_db_Length);

    double Psi(const int& k, const double& x, const double& in_db_Length) override;
    double dPsi(const int& k, const double& x, const double& in_db_Length) override;
    double d2Psi(const int& k, const double& x, const double& in_db_Length) override;
};

#endif

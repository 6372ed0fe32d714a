#ifndef FEM1D_SHAPEFUNCTION_H
#define FEM1D_SHAPEFUNCTION_H

#include "tntarrays.h"

// Base of the interpolation families. It tabulates the p + 1 functions of a
// family and their first and second derivatives at a set of positions in the
// natural coordinate, so that quadrature loops read stored values instead of
// making virtual calls. Each table has p + 1 rows (function k) and one column
// per position.
class ShapeFunction
{
public:
    ShapeFunction(int in_int_PolynomeOrder, int in_int_NumberOfPoint);
    virtual ~ShapeFunction();

    // A member-wise copy would delete the tables twice; owners make a new object instead.
    ShapeFunction(const ShapeFunction&) = delete;
    ShapeFunction& operator=(const ShapeFunction&) = delete;

    // Value, first and second derivative of function k at the natural
    // coordinate x, for an element of length in_db_Length.
    virtual double Psi(const int& k, const double& x, const double& in_db_Length) = 0;
    virtual double dPsi(const int& k, const double& x, const double& in_db_Length) = 0;
    virtual double d2Psi(const int& k, const double& x, const double& in_db_Length) = 0;

    void CalculPsiLookupTable(TNT::Array1D<double> Position, double in_db_Length);

    // Unchecked: k within 0 to p, PointNumber within 0 to m-1.
    double& fPsi(const int& k, const int& PointNumber) { return (*m_mdb_ptrPsi)[k][PointNumber]; }
    double& fdPsi(const int& k, const int& PointNumber) { return (*m_mdb_ptrdPsi)[k][PointNumber]; }
    double& fd2Psi(const int& k, const int& PointNumber) { return (*m_mdb_ptrd2Psi)[k][PointNumber]; }

    // The held tables themselves, still owned by this object.
    TNT::Array2D<double>* get_m_mdb_Psi() const { return m_mdb_ptrPsi; }
    TNT::Array2D<double>* get_m_mdb_dPsi() const { return m_mdb_ptrdPsi; }
    TNT::Array2D<double>* get_m_mdb_d2Psi() const { return m_mdb_ptrd2Psi; }

    // The held table then shares the storage (and dimensions) of value.
    void set_m_mdb_Psi(TNT::Array2D<double> value);
    void set_m_mdb_dPsi(TNT::Array2D<double> value);
    void set_m_mdb_d2Psi(TNT::Array2D<double> value);

    int get_m_int_PolynomeOrder() const;
    void set_m_int_PolynomeOrder(int value);

protected:
    TNT::Array2D<double>* m_mdb_ptrPsi;
    TNT::Array2D<double>* m_mdb_ptrdPsi;
    TNT::Array2D<double>* m_mdb_ptrd2Psi;
    int m_int_PolynomeOrder;
};

#endif

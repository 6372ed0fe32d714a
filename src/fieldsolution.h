#ifndef FEM1D_FIELDSOLUTION_H
#define FEM1D_FIELDSOLUTION_H

#include <functional>
#include <memory>

#include "discretisation.h"
#include "largevector.h"
#include "shapefunction.h"

// A finite element field: the global unknowns on a discretisation, with the
// field and its derivatives at any x and its error norms against a caller's
// exact function. Slope unknowns are dw/dx.
class FieldSolution
{
public:
    FieldSolution(Discretisation in_o_Discretisation, LargeVector<double> in_vdb_Unknowns);

    const Discretisation& get_Discretisation() const { return m_o_Discretisation; }
    const LargeVector<double>& get_m_vdb_Unknowns() const { return m_vdb_Unknowns; }

    // u, du/dx and d2u/dx2 at x in the domain, from the element that holds x
    // (the left one at a node shared by two). A ProblemError outside the domain.
    double Value(double in_db_x) const { return Evaluate(in_db_x, 0); }
    double Derivative(double in_db_x) const { return Evaluate(in_db_x, 1); }
    double SecondDerivative(double in_db_x) const { return Evaluate(in_db_x, 2); }
    // The derivative of order 0, 1 or 2 at x in element e, x within or at the
    // ends of the element: one-sided values at its nodes.
    double EvaluateIn(int in_int_e, double in_db_x, int in_int_Order) const;

    // (integral of (u_h - u)^2)^(1/2) and (integral of (u_h' - u')^2)^(1/2),
    // by a 10-point Gauss rule on every element.
    double L2Error(const std::function<double(double)>& in_f_Exact) const;
    double H1SeminormError(const std::function<double(double)>& in_f_ExactDerivative) const;

private:
    Discretisation m_o_Discretisation;
    LargeVector<double> m_vdb_Unknowns;
    std::shared_ptr<ShapeFunction> m_o_ptrShape; // evaluates the element functions anywhere

    double Evaluate(double in_db_x, int in_int_Order) const;
    double ErrorNorm(const std::function<double(double)>& in_f_Exact, int in_int_Order) const;
};

#endif

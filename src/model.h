#ifndef FEM1D_MODEL_H
#define FEM1D_MODEL_H

#include "assembler.h"
#include "conditions.h"
#include "discretisation.h"

// A problem ready for a solver: the discretisation (mesh and unknowns), the
// caller's integrands, and the conditions. Conditions given by position need
// a node there (a breakpoint of the mesh); slopes and moments are dw/dx and
// its conjugate, on Hermite discretisations only.
class Model
{
public:
    Model(Discretisation in_o_Discretisation, const Integrands& in_o_Integrands);

    const Discretisation& get_Discretisation() const { return m_o_Discretisation; }
    const Integrands& get_Integrands() const { return m_o_Integrands; }
    const Conditions& get_Conditions() const { return m_o_Conditions; }
    // Conditions by unknown, for what the position helpers below do not cover.
    Conditions& get_Conditions() { return m_o_Conditions; }

    void FixValue(double in_db_x, double in_db_Value);
    void FixSlope(double in_db_x, double in_db_Slope);
    void AddPointLoad(double in_db_x, double in_db_Force);
    void AddPointMoment(double in_db_x, double in_db_Moment);
    void AddSpring(double in_db_x, double in_db_Stiffness);
    void AddRotationalSpring(double in_db_x, double in_db_Stiffness);
    // An outward flux h (u - u_inf) at x (an end of the domain for a boundary condition).
    void AddRobin(double in_db_x, double in_db_Coefficient, double in_db_Ambient);

private:
    Discretisation m_o_Discretisation;
    Integrands m_o_Integrands;
    Conditions m_o_Conditions;

    // Prescribes an unknown once; a second time is a ProblemError.
    void Fix(int in_int_Unknown, double in_db_Value);
};

#endif

#ifndef FEM1D_SOLVERSETTINGS_H
#define FEM1D_SOLVERSETTINGS_H

#include "bandfactorisation.h"

// The arithmetic of a solve. Double: assembly, factorisation and solve in
// double precision, as fast as the method allows, with round-off that grows
// with the square (second-order problems) or the fourth power (beams) of the
// number of elements. Extended: assembly and residuals in double-double
// arithmetic, so that element contributions that cancel exactly still
// cancel, and the double solution refined until its corrections stop
// shrinking; results then carry the discretisation's error, not round-off.
enum class Arithmetic
{
    Double,
    Extended
};

struct SolverSettings
{
    Arithmetic m_e_Arithmetic = Arithmetic::Extended;
    FactorisationMethod m_e_Method = FactorisationMethod::Automatic;
    // The relative accuracy of the unknowns that a solve must be able to
    // vouch for; an estimate above it gives the result a warning.
    double m_db_Accuracy = 1e-10;
};

#endif

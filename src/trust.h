#ifndef FEM1D_TRUST_H
#define FEM1D_TRUST_H

#include <string>
#include <vector>

#include "solversettings.h"

// What a solve can vouch for: the estimated relative error of the unknowns
// from the arithmetic (not the discretisation's error), how it was found,
// and a warning where it exceeds the accuracy asked for.
struct Trust
{
    Arithmetic m_e_Arithmetic = Arithmetic::Double;
    double m_db_ErrorEstimate = 0.0;
    // Extended: the relative size of each refinement correction, the last
    // solve's (for Newton, the last step's).
    std::vector<double> m_vdb_Corrections;
    bool m_b_ExtendedFactorisation = false;
    std::string m_s_Warning; // empty where the estimate meets the accuracy
};

// The warning of an estimate above the accuracy asked for; empty otherwise.
std::string TrustWarning(const Trust& in_o_Trust, double in_db_Accuracy);

#endif

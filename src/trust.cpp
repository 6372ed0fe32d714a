#include "trust.h"

#include <cstdio>

std::string TrustWarning(const Trust& in_o_Trust, double in_db_Accuracy)
{
    if (in_o_Trust.m_db_ErrorEstimate <= in_db_Accuracy)
        return "";
    char l_c_Text[160];
    std::snprintf(l_c_Text, sizeof l_c_Text, "round-off: the unknowns are trusted to a relative %.1e only, above the %.1e asked for",
                  in_o_Trust.m_db_ErrorEstimate, in_db_Accuracy);
    return std::string(l_c_Text) + (in_o_Trust.m_e_Arithmetic == Arithmetic::Double
                                         ? " (extended arithmetic would do better)"
                                         : " (the problem is too ill-conditioned even for extended arithmetic)");
}

#ifndef FEM1D_APP_REPORT_H
#define FEM1D_APP_REPORT_H

#include <string>
#include <vector>

#include "solver.h"
#include "tables.h"

// The readable report of a solved problem: the problem in a line, the mesh,
// Newton's iterations, the extremes of every column and where they occur,
// the field at each condition, the reactions, the frequencies and the
// convergence study, the warnings, and the files written. Numbers to six
// significant figures: the CSV files hold them in full.
std::string ReportText(const Results& in_o_Results, const Table& in_o_Nodes,
                       const std::vector<std::string>& in_v_Files);

// Richardson's extrapolation of mode i's omega from the last two levels,
// its error taken as C h^order; NaN without two levels.
double ExtrapolatedOmega(const Results& in_o_Results, int in_int_Mode);
// The order of the error in omega: 2p for Lagrange order p, 4 for cubic Hermite.
int OmegaOrder(const Problem& in_o_Problem);

#endif

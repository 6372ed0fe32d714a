#ifndef FEM1D_APP_PLOT_H
#define FEM1D_APP_PLOT_H

#include <string>

#include "solver.h"
#include "tables.h"

// gnuplot's path from PATH; empty where it is not installed.
std::string FindGnuplot();

// Draws the solution and its flux or moment against x (or the mode shapes),
// with Refine also the change against the element size on log-log axes,
// into the SVG file in_s_Output, through gnuplot. Meshes of more than a few
// thousand nodes are drawn through every k-th node. An OutputError for
// in_s_Target where gnuplot fails.
void PlotResults(const std::string& in_s_Gnuplot, const Results& in_o_Results, const Table& in_o_Nodes,
                 const std::string& in_s_Output, const std::string& in_s_Target);

#endif

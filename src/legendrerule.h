#ifndef FEM1D_LEGENDRERULE_H
#define FEM1D_LEGENDRERULE_H

#include "tntarrays.h"

// Computes the n-point Gauss-Legendre rule (n >= 1) into the first n entries
// of the two arrays: points in ascending order, exactly symmetric about 0,
// each weight beside its point.
void CalculLegendreRule(int in_int_n, TNT::Array1D<double>& out_vdb_Points, TNT::Array1D<double>& out_vdb_Weight);

#endif

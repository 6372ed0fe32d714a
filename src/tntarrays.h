#ifndef FEM1D_TNTARRAYS_H
#define FEM1D_TNTARRAYS_H

// The array headers are included one by one: the umbrella tnt.h also pulls in
// a sparse-matrix header that clang rejects.
#include <tnt/tnt_array1d.h>
#include <tnt/tnt_array1d_utils.h>
#include <tnt/tnt_array2d.h>
#include <tnt/tnt_array2d_utils.h>

#endif

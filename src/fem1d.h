#ifndef FEM1D_FEM1D_H
#define FEM1D_FEM1D_H

// Everything a program needs to solve a problem: the mesh and its unknowns,
// the caller's integrands, the conditions, the solvers and their results.
#include "discretisation.h"
#include "element.h"
#include "fieldsolution.h"
#include "mesh.h"
#include "modalsolver.h"
#include "model.h"
#include "problemerror.h"
#include "staticsolver.h"

#endif

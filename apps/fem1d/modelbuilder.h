#ifndef FEM1D_APP_MODELBUILDER_H
#define FEM1D_APP_MODELBUILDER_H

#include <memory>

#include "fem1d.h"
#include "problem.h"

// The mesh of the problem as given: region ends and condition positions are
// breakpoints, so that they fall on nodes, and each element's data number is
// the region that holds it (the last one containing its midpoint; 0, the
// whole domain, where none does). An InputError at the Elements or Grading
// line where the toolkit refuses the mesh.
std::shared_ptr<const Mesh> BuildMesh(const Problem& in_o_Problem);

// The mesh with every element cut in two, data numbers kept: nested meshes,
// so that a convergence study compares solutions on the finer one exactly.
std::shared_ptr<const Mesh> HalveElements(const Mesh& in_o_Mesh);

// The problem's interpolation, its mesh, the integrands and the conditions
// in the order given. An InputError at a condition's line where the toolkit
// refuses it.
Model BuildModel(const Problem& in_o_Problem, std::shared_ptr<const Mesh> in_o_ptrMesh,
                 const Integrands& in_o_Integrands);

#endif

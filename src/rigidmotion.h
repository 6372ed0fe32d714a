#ifndef FEM1D_RIGIDMOTION_H
#define FEM1D_RIGIDMOTION_H

#include <string>

#include "bandmatrix.h"
#include "discretisation.h"
#include "extended.h"

// Whether some rigid motion of the whole domain costs no energy in K (after
// the conditions): a translation (every value alike) or, with Hermite
// unknowns, a rotation w = a + b x. The energies of the two motions are
// compared with what rounding alone can leave of them: K's entries are
// summed with their magnitudes, and an energy within 64 units in the last
// place of that sum of zero counts as none. Returns an empty text when K holds
// every rigid motion, else what moves freely ("a translation", "a rotation
// about x = 0.5").
template <class T>
std::string FreeRigidMotion(const BandMatrix<T>& in_o_K, const Discretisation& in_o_Discretisation);
template <>
std::string FreeRigidMotion(const BandMatrix<QuadExtended>& in_o_K, const Discretisation& in_o_Discretisation);

#endif

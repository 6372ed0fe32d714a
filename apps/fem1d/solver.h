#ifndef FEM1D_APP_SOLVER_H
#define FEM1D_APP_SOLVER_H

#include <memory>
#include <string>
#include <vector>

#include "fem1d.h"
#include "physics.h"
#include "problem.h"

// What one mesh of a convergence study gave (the only one without Refine).
struct LevelSummary
{
    int m_int_Elements = 0;
    int m_int_Unknowns = 0;
    double m_db_LargestElement = 0.0;
    // Static: the L2 norm of the change from the previous level, and
    // log2 of the previous change over this one; NaN where there is none.
    double m_db_Change;
    double m_db_Order;
    // Modes: omega of each mode, its change and order likewise.
    std::vector<double> m_vdb_Omega, m_vdb_Change, m_vdb_Order;
};

// The solved problem: the finest level's model and solution, every level's
// summary, and the warnings of the solves.
struct Results
{
    const Problem* m_o_ptrProblem = nullptr;
    std::unique_ptr<Physics1D> m_o_ptrPhysics;
    std::unique_ptr<Model> m_o_ptrModel;
    std::unique_ptr<StaticSolution> m_o_ptrStatic; // Solve (Static)
    std::unique_ptr<ModalSolution> m_o_ptrModes;   // Solve (Modes, k)
    std::vector<LevelSummary> m_v_Levels;
    std::vector<std::string> m_v_Warnings;
};

// Solves the problem on its mesh and, with Refine, on each halving of it:
// Newton's method where some beta is not zero, one linear solve otherwise,
// or the lowest modes. An InputError at the line of the command concerned
// where the toolkit refuses the mesh, a condition or the solve.
Results SolveProblem(const Problem& in_o_Problem);

// The L2 norm of fine - coarse on the fine mesh, whose element e lies in
// element e / 2 of the coarse one.
double NestedL2Difference(const FieldSolution& in_o_Fine, const FieldSolution& in_o_Coarse);

#endif

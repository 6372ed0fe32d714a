// The benchmark problem: -u'' = pi^2 sin(pi x) on [0, 1], u(0) = u(1) = 0,
// order 1 elements; its integrands are shared by the toolkit and the floor.
#ifndef FEM1D_BENCH_POISSONCASE_H
#define FEM1D_BENCH_POISSONCASE_H

#include <cmath>

#include "fem1d.h"

struct PoissonCase
{
    IntegrationPoint at{};

    static double Stiffness(void*, int&, double&, double&, double&, double& dPsii, double&, double&, double& dPsij,
                            double&)
    {
        return dPsii * dPsij;
    }
    static double Load(void* o, int&, double&, double& Psii, double&)
    {
        const double pi = 3.14159265358979323846;
        return pi * pi * std::sin(pi * static_cast<PoissonCase*>(o)->at.m_db_x) * Psii;
    }

    Integrands Make()
    {
        Integrands in;
        in.m_o_ptrObject = this;
        in.m_o_ptrK = Stiffness;
        in.m_o_ptrF = Load;
        in.m_o_ptrIntegrationPoint = &at;
        return in;
    }

    // Mesh, assembly and solve through the toolkit.
    StaticSolution Solve(int n, Arithmetic in_e_Arithmetic)
    {
        Model model(Discretisation(Mesh(0.0, 1.0, n), Interpolation::Lagrange(1)), Make());
        model.FixValue(0.0, 0.0);
        model.FixValue(1.0, 0.0);
        SolverSettings settings;
        settings.m_e_Arithmetic = in_e_Arithmetic;
        return SolveLinearStatic(model, settings);
    }
};

#endif

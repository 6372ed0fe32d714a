// The beam of the benchmarks: a cantilever of unit EI, rhoA, load and
// length, fixed at x = 0, on n Hermite elements.
#ifndef FEM1D_BENCH_CANTILEVERCASE_H
#define FEM1D_BENCH_CANTILEVERCASE_H

#include "fem1d.h"

struct CantileverCase
{
    static double Stiffness(void*, int&, double&, double&, double&, double&, double& d2Psii, double&, double&,
                            double& d2Psij)
    {
        return d2Psii * d2Psij;
    }
    static double Mass(void*, int&, double&, double& Psii, double&, double&, double& Psij, double&, double&)
    {
        return Psii * Psij;
    }
    static double Load(void*, int&, double&, double& Psii, double&) { return Psii; }

    static Model Make(int n)
    {
        Integrands in;
        in.m_o_ptrK = Stiffness;
        in.m_e_RigidMotions = RigidMotions::Lines;
        in.m_o_ptrM = Mass;
        in.m_o_ptrF = Load;
        Model model(Discretisation(Mesh(0.0, 1.0, n), Interpolation::Hermite()), in);
        model.FixValue(0.0, 0.0);
        model.FixSlope(0.0, 0.0);
        return model;
    }
};

#endif

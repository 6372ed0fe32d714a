// Integrands of the solver tests: diffusion -(a(x)(1 + beta u) u')' + b u' + c u = f(x)
// and the beam (EI w'')'' + k w = q(x), with data that may depend on x.
#ifndef FEM1D_TESTS_PHYSICS_H
#define FEM1D_TESTS_PHYSICS_H

#include <functional>

#include "assembler.h"

struct Diffusion
{
    IntegrationPoint at{};
    std::function<double(double)> a = [](double) { return 1.0; };
    double beta = 0.0, b = 0.0, c = 0.0, m = 1.0;
    std::function<double(double)> f = [](double) { return 0.0; };

    static Diffusion& Of(void* o) { return *static_cast<Diffusion*>(o); }
    static double K(void* o, int&, double& u, double&, double& Pi, double& dPi, double&, double&, double& dPj,
                    double&)
    {
        const Diffusion& d = Of(o);
        return d.a(d.at.m_db_x) * (1 + d.beta * u) * dPi * dPj + d.b * Pi * dPj;
    }
    static double K0(void* o, int&, double&, double&, double& Pi, double&, double&, double& Pj, double&, double&)
    {
        return Of(o).c * Pi * Pj;
    }
    // d/dU_j of sum_k K_ik(U) U_k beyond K_ij: a beta psi_j psi_i' psi_k' U_k.
    static double dK(void* o, int&, double&, double&, double& Pj, double&, double&, double& dPi, double&, double&,
                     double& dPk, double&)
    {
        const Diffusion& d = Of(o);
        return d.a(d.at.m_db_x) * d.beta * Pj * dPi * dPk;
    }
    static double M(void* o, int&, double&, double& Pi, double&, double&, double& Pj, double&, double&)
    {
        return Of(o).m * Pi * Pj;
    }
    static double F(void* o, int&, double&, double& Pi, double&)
    {
        const Diffusion& d = Of(o);
        return d.f(d.at.m_db_x) * Pi;
    }
    Integrands Make()
    {
        Integrands in;
        in.m_o_ptrObject = this;
        in.m_o_ptrK = K;
        in.m_o_ptrK0 = K0;
        in.m_e_RigidMotions = RigidMotions::Constants;
        in.m_o_ptrdK = dK;
        in.m_o_ptrM = M;
        in.m_o_ptrF = F;
        in.m_o_ptrIntegrationPoint = &at;
        return in;
    }
};

struct Beam
{
    IntegrationPoint at{};
    double EI = 1.0, k = 0.0, rhoA = 1.0;
    std::function<double(double)> q = [](double) { return 0.0; };

    static Beam& Of(void* o) { return *static_cast<Beam*>(o); }
    static double K(void* o, int&, double&, double&, double&, double&, double& d2Pi, double&, double&, double& d2Pj)
    {
        return Of(o).EI * d2Pi * d2Pj;
    }
    static double K0(void* o, int&, double&, double&, double& Pi, double&, double&, double& Pj, double&, double&)
    {
        return Of(o).k * Pi * Pj;
    }
    static double M(void* o, int&, double&, double& Pi, double&, double&, double& Pj, double&, double&)
    {
        return Of(o).rhoA * Pi * Pj;
    }
    static double F(void* o, int&, double&, double& Pi, double&)
    {
        const Beam& b = Of(o);
        return b.q(b.at.m_db_x) * Pi;
    }
    Integrands Make()
    {
        Integrands in;
        in.m_o_ptrObject = this;
        in.m_o_ptrK = K;
        in.m_o_ptrK0 = K0;
        in.m_e_RigidMotions = RigidMotions::Lines;
        in.m_o_ptrM = M;
        in.m_o_ptrF = F;
        in.m_o_ptrIntegrationPoint = &at;
        return in;
    }
};

#endif

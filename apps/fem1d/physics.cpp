#include "physics.h"

namespace
{

bool Zero(const LinearFunction& in_o_Function)
{
    return in_o_Function.m_db_StartValue == 0.0 && in_o_Function.m_db_EndValue == 0.0;
}

} // namespace

Physics1D::Physics1D(const Problem& in_o_Problem) : m_e_Physics(in_o_Problem.m_e_Physics)
{
    for (const Region& l_o_Region : in_o_Problem.m_v_Regions)
        m_v_Regions.push_back(l_o_Region.m_o_Coefficients);
}

Integrands Physics1D::MakeIntegrands()
{
    bool l_b_Reaction = false, l_b_Load = false, l_b_Nonlinear = false;
    for (const Coefficients& c : m_v_Regions)
    {
        const bool l_b_Beam = m_e_Physics == Physics::Beam;
        l_b_Reaction = l_b_Reaction || !Zero(l_b_Beam ? c.k : c.c);
        l_b_Load = l_b_Load || !Zero(l_b_Beam ? c.q : c.f);
        l_b_Nonlinear = l_b_Nonlinear || (!l_b_Beam && c.m_db_Beta != 0.0);
    }
    Integrands in;
    in.m_o_ptrObject = this;
    in.m_o_ptrIntegrationPoint = &m_o_Point;
    if (m_e_Physics == Physics::Diffusion)
    {
        in.m_o_ptrK = DiffusionK;
        in.m_e_RigidMotions = RigidMotions::Constants;
        in.m_o_ptrK0 = l_b_Reaction ? DiffusionK0 : nullptr;
        in.m_o_ptrdK = l_b_Nonlinear ? DiffusiondK : nullptr;
        in.m_o_ptrF = l_b_Load ? DiffusionF : nullptr;
        in.m_o_ptrM = DiffusionM;
    }
    else
    {
        in.m_o_ptrK = BeamK;
        in.m_e_RigidMotions = RigidMotions::Lines;
        in.m_o_ptrK0 = l_b_Reaction ? BeamK0 : nullptr;
        in.m_o_ptrF = l_b_Load ? BeamF : nullptr;
        in.m_o_ptrM = BeamM;
    }
    return in;
}

double Physics1D::DiffusionK(void* o, int& type, double& u, double&, double& Pi, double& dPi, double&, double&,
                             double& dPj, double&)
{
    const Physics1D& p = Of(o);
    const Coefficients& c = p.Here(type);
    const double x = p.x();
    return c.a(x) * (1.0 + c.m_db_Beta * u) * dPi * dPj + c.b(x) * Pi * dPj;
}

double Physics1D::DiffusionK0(void* o, int& type, double&, double&, double& Pi, double&, double&, double& Pj, double&,
                              double&)
{
    const Physics1D& p = Of(o);
    return p.Here(type).c(p.x()) * Pi * Pj;
}

double Physics1D::DiffusiondK(void* o, int& type, double&, double&, double& Pj, double&, double&, double& dPi, double&,
                              double&, double& dPk, double&)
{
    const Physics1D& p = Of(o);
    const Coefficients& c = p.Here(type);
    return c.a(p.x()) * c.m_db_Beta * Pj * dPi * dPk;
}

double Physics1D::DiffusionF(void* o, int& type, double&, double& Pi, double&)
{
    const Physics1D& p = Of(o);
    return p.Here(type).f(p.x()) * Pi;
}

double Physics1D::DiffusionM(void* o, int& type, double&, double& Pi, double&, double&, double& Pj, double&, double&)
{
    const Physics1D& p = Of(o);
    return p.Here(type).m(p.x()) * Pi * Pj;
}

double Physics1D::BeamK(void* o, int& type, double&, double&, double&, double&, double& d2Pi, double&, double&,
                        double& d2Pj)
{
    const Physics1D& p = Of(o);
    return p.Here(type).EI(p.x()) * d2Pi * d2Pj;
}

double Physics1D::BeamK0(void* o, int& type, double&, double&, double& Pi, double&, double&, double& Pj, double&,
                         double&)
{
    const Physics1D& p = Of(o);
    return p.Here(type).k(p.x()) * Pi * Pj;
}

double Physics1D::BeamF(void* o, int& type, double&, double& Pi, double&)
{
    const Physics1D& p = Of(o);
    return p.Here(type).q(p.x()) * Pi;
}

double Physics1D::BeamM(void* o, int& type, double&, double& Pi, double&, double&, double& Pj, double&, double&)
{
    const Physics1D& p = Of(o);
    return p.Here(type).rhoA(p.x()) * Pi * Pj;
}

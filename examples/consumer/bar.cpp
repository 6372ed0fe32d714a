// A tapered bar under an x-dependent axial load, fixed at x = 0, with a
// spring at its free end: -(EA(x) u')' = q(x) on [0, 2].
#include <fem1d.h>

#include <cmath>
#include <cstdio>

struct Bar
{
    IntegrationPoint at; // where the element evaluates the integrands
    double EA(double x) const { return 3.0 - x; }
    double q(double x) const { return std::sin(x); }

    static double Stiffness(void* bar, int&, double&, double&, double&, double& dPsii, double&, double&,
                            double& dPsij, double&)
    {
        const Bar& b = *static_cast<Bar*>(bar);
        return b.EA(b.at.m_db_x) * dPsii * dPsij;
    }
    static double Load(void* bar, int&, double&, double& Psii, double&)
    {
        const Bar& b = *static_cast<Bar*>(bar);
        return b.q(b.at.m_db_x) * Psii;
    }
};

int main()
{
    Bar bar;
    Integrands physics;
    physics.m_o_ptrObject = &bar;
    physics.m_o_ptrK = Bar::Stiffness;
    physics.m_o_ptrF = Bar::Load;
    physics.m_o_ptrIntegrationPoint = &bar.at;
    physics.m_e_RigidMotions = RigidMotions::Constants; // EA u' v' takes no energy from a translation

    Model model(Discretisation(Mesh(0.0, 2.0, 50), Interpolation::Lagrange(2)), physics);
    model.FixValue(0.0, 0.0);
    model.AddSpring(2.0, 4.0);
    const StaticSolution s = SolveLinearStatic(model);

    std::printf("u(1) = %.12f, u(2) = %.12f\n", s.Value(1.0), s.Value(2.0));
    std::printf("EA u'(0) = %.12f\n", bar.EA(0.0) * s.Derivative(0.0));
    std::printf("support reaction = %.12f, spring force = %.12f\n", s.get_m_v_Reactions()[0].m_db_Value,
                -4.0 * s.Value(2.0));
    return s.get_m_o_Trust().m_s_Warning.empty() ? 0 : 1;
}

#ifndef FEM1D_APP_PHYSICS_H
#define FEM1D_APP_PHYSICS_H

#include <vector>

#include "assembler.h"
#include "problem.h"

// The integrands of both equations for the toolkit's assembler. The
// element's data number selects the region whose coefficients hold there;
// the assembler writes the place of every call into m_o_Point, so that the
// coefficients are evaluated at the integration point's x.
//
// Diffusion: K = a(x)(1 + beta u) psi_i' psi_j' + b(x) psi_i psi_j' (sparing
// the constants), K0 = c(x) psi_i psi_j, dK = a(x) beta psi_j psi_i' psi_k'
// (the derivative of the residual beyond K), F = f(x) psi_i,
// M = m(x) psi_i psi_j. Beam: K = EI(x) psi_i'' psi_j'' (sparing the
// straight lines), K0 = k(x) psi_i psi_j, F = q(x) psi_i, M = rhoA(x) psi_i psi_j.
class Physics1D
{
public:
    explicit Physics1D(const Problem& in_o_Problem);
    // The object is handed to the assembler by address: no copies.
    Physics1D(const Physics1D&) = delete;
    Physics1D& operator=(const Physics1D&) = delete;

    // Terms that are zero everywhere are left out, which spares their quadrature.
    Integrands MakeIntegrands();
    const Coefficients& get_Coefficients(int in_int_DataNumber) const { return m_v_Regions[in_int_DataNumber]; }

private:
    std::vector<Coefficients> m_v_Regions;
    Physics m_e_Physics;
    IntegrationPoint m_o_Point{};

    static Physics1D& Of(void* in_o_ptr) { return *static_cast<Physics1D*>(in_o_ptr); }
    const Coefficients& Here(int in_int_Type) const { return m_v_Regions[in_int_Type]; }
    double x() const { return m_o_Point.m_db_x; }

    static double DiffusionK(void*, int&, double&, double&, double&, double&, double&, double&, double&, double&);
    static double DiffusionK0(void*, int&, double&, double&, double&, double&, double&, double&, double&, double&);
    static double DiffusiondK(void*, int&, double&, double&, double&, double&, double&, double&, double&, double&,
                              double&, double&);
    static double DiffusionF(void*, int&, double&, double&, double&);
    static double DiffusionM(void*, int&, double&, double&, double&, double&, double&, double&, double&);
    static double BeamK(void*, int&, double&, double&, double&, double&, double&, double&, double&, double&);
    static double BeamK0(void*, int&, double&, double&, double&, double&, double&, double&, double&, double&);
    static double BeamF(void*, int&, double&, double&, double&);
    static double BeamM(void*, int&, double&, double&, double&, double&, double&, double&, double&);
};

#endif

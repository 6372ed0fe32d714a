#include "fieldsolution.h"

#include <cmath>

#include "gausslegendre.h"
#include "hermitianfunction.h"
#include "lagrangianfunction.h"
#include "numbertext.h"
#include "problemerror.h"

namespace
{

std::shared_ptr<ShapeFunction> NewShape(const Interpolation& in_o_Interpolation, TNT::Array1D<double> in_vdb_Points,
                                        double in_db_Length)
{
    if (in_o_Interpolation.IsHermite())
        return std::make_shared<HermitianFunction>(3, in_vdb_Points, in_db_Length);
    return std::make_shared<LagrangianFunction>(in_o_Interpolation.get_Order(), in_vdb_Points, in_db_Length);
}

constexpr int kNormPoints = 10;

} // namespace

FieldSolution::FieldSolution(Discretisation in_o_Discretisation, LargeVector<double> in_vdb_Unknowns)
    : m_o_Discretisation(std::move(in_o_Discretisation)), m_vdb_Unknowns(std::move(in_vdb_Unknowns)),
      m_o_ptrShape(NewShape(m_o_Discretisation.get_Interpolation(), TNT::Array1D<double>(1, 0.0), 1.0))
{
}

double FieldSolution::Evaluate(double in_db_x, int in_int_Order) const
{
    const int e = m_o_Discretisation.get_Mesh().FindElement(in_db_x);
    if (e < 0)
        throw ProblemError("x = " + NumberText(in_db_x) + " lies outside the domain [" +
                           NumberText(m_o_Discretisation.get_Mesh().get_Start()) + ", " +
                           NumberText(m_o_Discretisation.get_Mesh().get_End()) + "]");
    return EvaluateIn(e, in_db_x, in_int_Order);
}

double FieldSolution::EvaluateIn(int in_int_e, double in_db_x, int in_int_Order) const
{
    const Mesh& l_o_Mesh = m_o_Discretisation.get_Mesh();
    const double l_db_Start = l_o_Mesh.get_m_vdb_Nodes(in_int_e);
    const double l_db_Length = l_o_Mesh.get_ElementLength(in_int_e);
    double xi = 2.0 * (in_db_x - l_db_Start) / l_db_Length - 1.0;
    double h = l_db_Length;
    const int N = m_o_Discretisation.get_Interpolation().get_m_int_NumberOfNode();
    long double l_ld_Sum = 0.0L;
    for (int k = 0; k < N; ++k)
    {
        double l_db_Psi = 0.0;
        switch (in_int_Order)
        {
        case 0: l_db_Psi = m_o_ptrShape->Psi(k, xi, h); break;
        case 1: l_db_Psi = m_o_ptrShape->dPsi(k, xi, h); break;
        default: l_db_Psi = m_o_ptrShape->d2Psi(k, xi, h); break;
        }
        l_ld_Sum += static_cast<long double>(m_o_Discretisation.Sign(k) * l_db_Psi) *
                    m_vdb_Unknowns[m_o_Discretisation.Unknown(in_int_e, k)];
    }
    return static_cast<double>(l_ld_Sum);
}

double FieldSolution::L2Error(const std::function<double(double)>& in_f_Exact) const
{
    return ErrorNorm(in_f_Exact, 0);
}

double FieldSolution::H1SeminormError(const std::function<double(double)>& in_f_ExactDerivative) const
{
    return ErrorNorm(in_f_ExactDerivative, 1);
}

double FieldSolution::ErrorNorm(const std::function<double(double)>& in_f_Exact, int in_int_Order) const
{
    const Mesh& l_o_Mesh = m_o_Discretisation.get_Mesh();
    const GaussLegendre l_o_Rule(kNormPoints, RuleDigits::Full);
    const TNT::Array1D<double> l_vdb_Points = l_o_Rule.get_m_vdb_Points();
    // The element functions tabulated at the rule's points, refilled where the length changes.
    std::shared_ptr<ShapeFunction> l_o_ptrTable =
        NewShape(m_o_Discretisation.get_Interpolation(), l_vdb_Points, l_o_Mesh.get_ElementLength(0));
    double l_db_TableLength = l_o_Mesh.get_ElementLength(0);
    const int N = m_o_Discretisation.get_Interpolation().get_m_int_NumberOfNode();
    long double l_ld_Sum = 0.0L;
    for (int e = 0; e < l_o_Mesh.get_m_int_NumberOfElements(); ++e)
    {
        const double l_db_Length = l_o_Mesh.get_ElementLength(e);
        if (l_db_Length != l_db_TableLength)
        {
            l_o_ptrTable->CalculPsiLookupTable(l_vdb_Points, l_db_Length);
            l_db_TableLength = l_db_Length;
        }
        const double J = 0.5 * l_db_Length;
        for (int t = 0; t < kNormPoints; ++t)
        {
            long double l_ld_Discrete = 0.0L;
            for (int k = 0; k < N; ++k)
            {
                const double l_db_Psi = in_int_Order == 0 ? l_o_ptrTable->fPsi(k, t) : l_o_ptrTable->fdPsi(k, t);
                l_ld_Discrete += static_cast<long double>(m_o_Discretisation.Sign(k) * l_db_Psi) *
                                 m_vdb_Unknowns[m_o_Discretisation.Unknown(e, k)];
            }
            const double x = l_o_Mesh.get_m_vdb_Nodes(e) + J * (1.0 + l_vdb_Points[t]);
            const long double l_ld_Error = l_ld_Discrete - in_f_Exact(x);
            l_ld_Sum += l_ld_Error * l_ld_Error * (J * l_o_Rule.get_m_vdb_ptrWeight(t));
        }
    }
    return static_cast<double>(std::sqrt(l_ld_Sum));
}

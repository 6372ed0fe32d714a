// Element: local matrices K, dK, M and force vector F by Gauss-Legendre quadrature.
//
// Every entry is J * sum over t of (integrand at point t) * w(t), the sum
// running in increasing t. The rule, the tables' columns and the solution
// arrays all have the G >= 2 points of the element's fixed rule. The
// integrands receive references straight into the tables (K, dK) or into
// copies made for the call (M, F); the loops take row pointers once, so an
// entry costs little more than its integrand calls. An element given an
// IntegrationPoint writes the physical place of point t into it before each
// call at t.
#include <algorithm>

#include "element.h"

namespace
{

int TableRows(const ShapeFunction& in_o_Shape)
{
    return std::min({in_o_Shape.get_m_mdb_Psi()->dim1(), in_o_Shape.get_m_mdb_dPsi()->dim1(),
                     in_o_Shape.get_m_mdb_d2Psi()->dim1()});
}

// The rows of the three tables for one function.
struct FunctionRows
{
    double* psi;
    double* dpsi;
    double* d2psi;
};

FunctionRows RowsOf(const ShapeFunction& in_o_Shape, int in_int_k)
{
    return {(*in_o_Shape.get_m_mdb_Psi())[in_int_k], (*in_o_Shape.get_m_mdb_dPsi())[in_int_k],
            (*in_o_Shape.get_m_mdb_d2Psi())[in_int_k]};
}

// Entry (i, j) of in_mdb_Result = J * sum over t of in_Integrand(row i, row j, t) * w(t).
template <class Integrand>
void FillMatrix(TNT::Array2D<double>& io_mdb_Result, int N, int G, const double* w, double J,
                const ShapeFunction& in_o_Shape, Integrand in_Integrand)
{
    for (int i = 0; i < N; ++i)
    {
        const FunctionRows fi = RowsOf(in_o_Shape, i);
        for (int j = 0; j < N; ++j)
        {
            const FunctionRows fj = RowsOf(in_o_Shape, j);
            double s = 0.0;
            for (int t = 0; t < G; ++t)
            {
                const double l_db_Term = in_Integrand(fi, fj, t) * w[t];
                s = s + l_db_Term;
            }
            io_mdb_Result[i][j] = s * J;
        }
    }
}

// The physical coordinates of the rule's points on one element, computed
// once for the loops (rules of more points than kStored compute each anew).
class Places
{
public:
    Places(IntegrationPoint* in_o_ptrPoint, const double* in_db_ptrXi, int G, double in_db_Origin,
           double in_db_Jacobian)
        : m_o_ptrPoint(in_o_ptrPoint), m_db_ptrXi(in_db_ptrXi), m_db_Origin(in_db_Origin),
          m_db_Jacobian(in_db_Jacobian), m_b_Stored(G <= kStored)
    {
        if (m_o_ptrPoint != nullptr && m_b_Stored)
            for (int t = 0; t < G; ++t)
                m_vdb_x[t] = Place(t);
    }

    void At(int t) const
    {
        if (m_o_ptrPoint != nullptr)
            m_o_ptrPoint->m_db_x = m_b_Stored ? m_vdb_x[t] : Place(t);
    }

private:
    static constexpr int kStored = 8;
    double Place(int t) const { return m_db_Origin + m_db_Jacobian * (1.0 + m_db_ptrXi[t]); }

    IntegrationPoint* m_o_ptrPoint; // null: nothing to write
    const double* m_db_ptrXi;
    double m_db_Origin;
    double m_db_Jacobian;
    bool m_b_Stored;
    double m_vdb_x[kStored];
};

} // namespace

IntegrationPoint* Element::BeginPlaces() const
{
    if (m_o_ptrIntegrationPoint != nullptr)
    {
        m_o_ptrIntegrationPoint->m_db_Start = m_db_Origin;
        m_o_ptrIntegrationPoint->m_db_End = m_db_Origin + m_db_Length;
    }
    return m_o_ptrIntegrationPoint;
}

// set_m_int_NumberOfNode and the array setters can leave N out of step with
// the arrays; the loops then stop at the smallest size rather than write
// past an array.
int Element::LoopNodes(const TNT::Array2D<double>* in_mdb_ptrResult) const
{
    return std::min(
        {m_int_NumberOfNode, in_mdb_ptrResult->dim1(), in_mdb_ptrResult->dim2(), TableRows(*m_o_ptrShapeFunction)});
}

int Element::LoopNodes(const TNT::Array1D<double>* in_mdb_ptrResult) const
{
    return std::min({m_int_NumberOfNode, in_mdb_ptrResult->dim(), TableRows(*m_o_ptrShapeFunction)});
}

void Element::CalculLocalMatrixK()
{
    if (m_o_ptrK == nullptr)
        return;
    const int G = m_o_ptrGaussLegendre->get_m_int_NumberOfIntegrationPoints();
    double* u = &(*m_vdb_ptrSolution)[0];
    double* du = &(*m_vdb_ptrdSolution)[0];
    const Places l_o_Places(BeginPlaces(), m_o_ptrGaussLegendre->get_PointData(), G, m_db_Origin, m_db_Jacobian);
    FillMatrix(*m_mdb_ptrK, LoopNodes(m_mdb_ptrK), G, m_o_ptrGaussLegendre->get_WeightData(), m_db_Jacobian,
               *m_o_ptrShapeFunction,
               [&l_o_Places, f = m_o_ptrK, object = m_o_ptrObjectWithKAndM, &type = m_int_DataNumber, u,
                du](const FunctionRows& fi, const FunctionRows& fj, int t)
               {
                   l_o_Places.At(t);
                   return f(object, type, u[t], du[t], fi.psi[t], fi.dpsi[t], fi.d2psi[t], fj.psi[t], fj.dpsi[t],
                            fj.d2psi[t]);
               });
}

void Element::CalculLocalMatrixdK()
{
    if (m_o_ptrdK == nullptr)
        return;
    const int N = std::min(LoopNodes(m_mdb_ptrdK), m_vdb_ptrNode->dim());
    const int G = m_o_ptrGaussLegendre->get_m_int_NumberOfIntegrationPoints();
    const double* w = m_o_ptrGaussLegendre->get_WeightData();
    double* u = &(*m_vdb_ptrSolution)[0];
    double* du = &(*m_vdb_ptrdSolution)[0];
    const Places l_o_Places(BeginPlaces(), m_o_ptrGaussLegendre->get_PointData(), G, m_db_Origin, m_db_Jacobian);
    for (int i = 0; i < N; ++i)
    {
        const FunctionRows fi = RowsOf(*m_o_ptrShapeFunction, i);
        for (int j = 0; j < N; ++j)
        {
            const FunctionRows fj = RowsOf(*m_o_ptrShapeFunction, j);
            double S = 0.0;
            for (int k = 0; k < N; ++k)
            {
                const FunctionRows fk = RowsOf(*m_o_ptrShapeFunction, k);
                double s = 0.0;
                for (int t = 0; t < G; ++t)
                {
                    l_o_Places.At(t);
                    const double l_db_Term =
                        m_o_ptrdK(m_o_ptrObjectWithKAndM, m_int_DataNumber, u[t], du[t], fj.psi[t], fj.dpsi[t],
                                  fi.psi[t], fi.dpsi[t], fi.d2psi[t], fk.psi[t], fk.dpsi[t], fk.d2psi[t]) *
                        w[t];
                    s = s + l_db_Term;
                }
                s = s * (*m_vdb_ptrNode)[k];
                S = S + s;
            }
            (*m_mdb_ptrdK)[i][j] = S * m_db_Jacobian;
        }
    }
}

void Element::CalculLocalMatrixM()
{
    if (m_o_ptrM == nullptr)
        return;
    const int G = m_o_ptrGaussLegendre->get_m_int_NumberOfIntegrationPoints();
    double* u = &(*m_vdb_ptrSolution)[0];
    const Places l_o_Places(BeginPlaces(), m_o_ptrGaussLegendre->get_PointData(), G, m_db_Origin, m_db_Jacobian);
    FillMatrix(*m_mdb_ptrM, LoopNodes(m_mdb_ptrM), G, m_o_ptrGaussLegendre->get_WeightData(), m_db_Jacobian,
               *m_o_ptrShapeFunction,
               [&](const FunctionRows& fi, const FunctionRows& fj, int t)
               {
                   l_o_Places.At(t);
                   // Copies: a write through the arguments cannot reach the tables.
                   double l_db_Psii = fi.psi[t], l_db_dPsii = fi.dpsi[t], l_db_d2Psii = fi.d2psi[t];
                   double l_db_Psij = fj.psi[t], l_db_dPsij = fj.dpsi[t], l_db_d2Psij = fj.d2psi[t];
                   return m_o_ptrM(m_o_ptrObjectWithKAndM, m_int_DataNumber, u[t], l_db_Psii, l_db_dPsii, l_db_d2Psii,
                                   l_db_Psij, l_db_dPsij, l_db_d2Psij);
               });
}

void Element::CalculLocalMatrix()
{
    CalculLocalMatrixK();
    CalculLocalMatrixdK();
    CalculLocalMatrixM();
}

void Element::CalculAll()
{
    CalculLocalMatrix();
    CalculForce();
}

void Element::CalculForce()
{
    if (m_o_ptrF == nullptr)
        return;
    const double l_db_Factor = 0.5 * m_db_Length;
    const int N = LoopNodes(m_mdb_ptrF);
    const int G = m_o_ptrGaussLegendre->get_m_int_NumberOfIntegrationPoints();
    const double* w = m_o_ptrGaussLegendre->get_WeightData();
    double* u = &(*m_vdb_ptrSolution)[0];
    const Places l_o_Places(BeginPlaces(), m_o_ptrGaussLegendre->get_PointData(), G, m_db_Origin, m_db_Jacobian);
    for (int i = 0; i < N; ++i)
    {
        const FunctionRows fi = RowsOf(*m_o_ptrShapeFunction, i);
        double s = 0.0;
        for (int t = 0; t < G; ++t)
        {
            l_o_Places.At(t);
            double l_db_Psii = fi.psi[t], l_db_dPsii = fi.dpsi[t];
            const double l_db_Term =
                m_o_ptrF(m_o_ptrObjectWithKAndM, m_int_DataNumber, u[t], l_db_Psii, l_db_dPsii) * w[t];
            s = s + l_db_Term;
        }
        (*m_mdb_ptrF)[i] = s * l_db_Factor;
    }
}

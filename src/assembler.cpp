#include "assembler.h"

Assembler::Assembler(const Discretisation& in_o_Discretisation, const Integrands& in_o_Integrands)
    : m_o_Discretisation(in_o_Discretisation), m_o_Integrands(in_o_Integrands),
      m_o_Element(in_o_Discretisation.get_Interpolation().get_m_int_TypeElement(),
                  in_o_Discretisation.get_Interpolation().get_m_int_NumberOfNode(), 0,
                  in_o_Discretisation.get_Mesh().get_ElementLength(0), 0, RuleDigits::Full),
      m_vdb_Local(in_o_Discretisation.get_Interpolation().get_m_int_NumberOfNode(), 0.0), m_b_HoldsSolution(false)
{
    m_o_Element.set_Object(m_o_Integrands.m_o_ptrObject);
    if (m_o_Integrands.m_o_ptrK != nullptr)
        m_o_Element.set_FunctionCalculK(m_o_Integrands.m_o_ptrK);
    if (m_o_Integrands.m_o_ptrdK != nullptr)
        m_o_Element.set_FunctionCalculdK(m_o_Integrands.m_o_ptrdK);
    if (m_o_Integrands.m_o_ptrM != nullptr)
        m_o_Element.set_FunctionCalculM(m_o_Integrands.m_o_ptrM);
    if (m_o_Integrands.m_o_ptrF != nullptr)
        m_o_Element.set_FunctionCalculF(m_o_Integrands.m_o_ptrF);
    m_o_Element.set_IntegrationPoint(m_o_Integrands.m_o_ptrIntegrationPoint);
}

void Assembler::Prepare(int in_int_e, const double* in_U)
{
    const Mesh& l_o_Mesh = m_o_Discretisation.get_Mesh();
    const double l_db_Length = l_o_Mesh.get_ElementLength(in_int_e);
    if (l_db_Length != m_o_Element.get_m_db_Length())
        m_o_Element.set_m_db_Length(l_db_Length);
    m_o_Element.set_m_db_Origin(l_o_Mesh.get_m_vdb_Nodes(in_int_e));
    m_o_Element.set_m_int_DataNumber(l_o_Mesh.get_m_vint_DataNumber(in_int_e));
    m_o_Element.set_m_int_ElementNumber(in_int_e);
    // A linear assembly leaves the element's zero solution as it is.
    if (in_U == nullptr && !m_b_HoldsSolution)
        return;
    const int N = m_vdb_Local.dim();
    for (int k = 0; k < N; ++k)
        m_vdb_Local[k] =
            in_U == nullptr ? 0.0 : m_o_Discretisation.Sign(k) * in_U[m_o_Discretisation.Unknown(in_int_e, k)];
    m_o_Element.set_m_db_Solution(m_vdb_Local);
    m_b_HoldsSolution = in_U != nullptr;
}

void Assembler::AddMass(BandMatrix<double>& io_M)
{
    const int N = m_vdb_Local.dim();
    for (int e = 0; e < m_o_Discretisation.get_Mesh().get_m_int_NumberOfElements(); ++e)
    {
        Prepare(e, nullptr);
        m_o_Element.CalculLocalMatrixM();
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
                io_M.At(m_o_Discretisation.Unknown(e, i), m_o_Discretisation.Unknown(e, j)) +=
                    m_o_Discretisation.Sign(i) * m_o_Discretisation.Sign(j) * m_o_Element.get_m_mdb_M(i, j);
    }
}

double Assembler::StiffnessEnergy(const double* in_U)
{
    const int N = m_vdb_Local.dim();
    long double l_ld_Energy = 0.0L;
    for (int e = 0; e < m_o_Discretisation.get_Mesh().get_m_int_NumberOfElements(); ++e)
    {
        Prepare(e, in_U);
        m_o_Element.CalculLocalMatrixK();
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
                l_ld_Energy += static_cast<long double>(m_vdb_Local[i]) * m_o_Element.get_m_mdb_K(i, j) * m_vdb_Local[j];
    }
    return static_cast<double>(l_ld_Energy);
}

#include "assembler.h"

namespace
{

// Enough for the few lengths of a uniform mesh, which alternate.
constexpr int kSlots = 4;

} // namespace

Assembler::Assembler(const Discretisation& in_o_Discretisation, const Integrands& in_o_Integrands)
    : m_o_Discretisation(in_o_Discretisation), m_o_Integrands(in_o_Integrands), m_l_Clock(0),
      m_int_Nodes(in_o_Discretisation.get_Interpolation().get_m_int_NumberOfNode()),
      m_int_Stride(in_o_Discretisation.Unknown(1, 0)), m_vdb_Sign{1.0, 1.0, 1.0, 1.0}, m_vdb_Local(m_int_Nodes, 0.0)
{
    for (int k = 0; k < m_int_Nodes; ++k)
        m_vdb_Sign[k] = in_o_Discretisation.Sign(k);
    Element l_o_Element(in_o_Discretisation.get_Interpolation().get_m_int_TypeElement(), m_int_Nodes, 0,
                        in_o_Discretisation.get_Mesh().get_ElementLength(0), 0, RuleDigits::Full);
    l_o_Element.set_Object(m_o_Integrands.m_o_ptrObject);
    if (m_o_Integrands.m_o_ptrK != nullptr)
        l_o_Element.set_FunctionCalculK(m_o_Integrands.m_o_ptrK);
    if (m_o_Integrands.m_o_ptrdK != nullptr)
        l_o_Element.set_FunctionCalculdK(m_o_Integrands.m_o_ptrdK);
    if (m_o_Integrands.m_o_ptrM != nullptr)
        l_o_Element.set_FunctionCalculM(m_o_Integrands.m_o_ptrM);
    if (m_o_Integrands.m_o_ptrF != nullptr)
        l_o_Element.set_FunctionCalculF(m_o_Integrands.m_o_ptrF);
    l_o_Element.set_IntegrationPoint(m_o_Integrands.m_o_ptrIntegrationPoint);
    m_v_Slots.reserve(kSlots);
    m_v_Slots.push_back({l_o_Element, false, 0});
}

Element& Assembler::Prepare(int in_int_e, const double* in_U)
{
    const Mesh& l_o_Mesh = m_o_Discretisation.get_Mesh();
    const double l_db_Length = l_o_Mesh.get_ElementLength(in_int_e);
    Slot* l_o_ptrSlot = nullptr;
    for (Slot& l_o_Slot : m_v_Slots)
        if (l_o_Slot.m_o_Element.get_m_db_Length() == l_db_Length)
        {
            l_o_ptrSlot = &l_o_Slot;
            break;
        }
    if (l_o_ptrSlot == nullptr)
    {
        if (m_v_Slots.size() < kSlots)
        {
            m_v_Slots.push_back(m_v_Slots.front()); // reserved: no slot moves
            l_o_ptrSlot = &m_v_Slots.back();
        }
        else
        {
            l_o_ptrSlot = &m_v_Slots.front();
            for (Slot& l_o_Slot : m_v_Slots)
                if (l_o_Slot.m_l_LastUse < l_o_ptrSlot->m_l_LastUse)
                    l_o_ptrSlot = &l_o_Slot;
        }
        l_o_ptrSlot->m_o_Element.set_m_db_Length(l_db_Length);
    }
    l_o_ptrSlot->m_l_LastUse = ++m_l_Clock;

    Element& l_o_Element = l_o_ptrSlot->m_o_Element;
    l_o_Element.set_m_db_Origin(l_o_Mesh.get_m_vdb_Nodes(in_int_e));
    l_o_Element.set_m_int_DataNumber(l_o_Mesh.get_m_vint_DataNumber(in_int_e));
    l_o_Element.set_m_int_ElementNumber(in_int_e);
    // A linear assembly leaves an element's zero solution as it is (and
    // never reads m_vdb_Local).
    if (in_U == nullptr && !l_o_ptrSlot->m_b_HoldsSolution)
        return l_o_Element;
    for (int k = 0; k < m_int_Nodes; ++k)
        m_vdb_Local[k] = in_U == nullptr ? 0.0 : m_vdb_Sign[k] * in_U[Unknown(in_int_e, k)];
    l_o_Element.set_m_db_Solution(m_vdb_Local);
    l_o_ptrSlot->m_b_HoldsSolution = in_U != nullptr;
    return l_o_Element;
}

void Assembler::AddMass(BandMatrix<double>& io_M)
{
    const int N = m_int_Nodes;
    for (int e = 0; e < m_o_Discretisation.get_Mesh().get_m_int_NumberOfElements(); ++e)
    {
        Element& l_o_Element = Prepare(e, nullptr);
        l_o_Element.CalculLocalMatrixM();
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
                io_M.At(Unknown(e, i), Unknown(e, j)) += m_vdb_Sign[i] * m_vdb_Sign[j] * l_o_Element.get_m_mdb_M(i, j);
    }
}

double Assembler::StiffnessEnergy(const double* in_U)
{
    const int N = m_int_Nodes;
    long double l_ld_Energy = 0.0L;
    double Ke[4][4];
    for (int e = 0; e < m_o_Discretisation.get_Mesh().get_m_int_NumberOfElements(); ++e)
    {
        Element& l_o_Element = Prepare(e, in_U);
        ElementStiffness(l_o_Element, e, Ke);
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
                l_ld_Energy += static_cast<long double>(in_U[Unknown(e, i)]) * Ke[i][j] * in_U[Unknown(e, j)];
    }
    return static_cast<double>(l_ld_Energy);
}

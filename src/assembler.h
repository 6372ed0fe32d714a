#ifndef FEM1D_ASSEMBLER_H
#define FEM1D_ASSEMBLER_H

#include <type_traits>
#include <vector>

#include "bandmatrix.h"
#include "discretisation.h"
#include "element.h"
#include "extended.h"
#include "rigidprojection.h"

// The caller's physics: the object handed back to every integrand, the
// integrands of K, dK, M and F (null where a solve does not need them), and
// the caller's IntegrationPoint, written before every integrand call with
// the physical place of the call (null: not needed).
//
// The stiffness is K + K0. K0 (optional) holds the terms that resist rigid
// motion (a reaction c u v, a foundation k w v), so that K can be declared
// to spare the motions of m_e_RigidMotions: Arithmetic::Extended then makes
// every element's K spare them to extended precision, which round-off in
// the integrands would otherwise break.
struct Integrands
{
    void* m_o_ptrObject = nullptr;
    FunctionCalculK m_o_ptrK = nullptr;
    FunctionCalculK m_o_ptrK0 = nullptr;
    RigidMotions m_e_RigidMotions = RigidMotions::None;
    FunctionCalculdK m_o_ptrdK = nullptr;
    FunctionCalculM m_o_ptrM = nullptr;
    FunctionCalculF m_o_ptrF = nullptr;
    IntegrationPoint* m_o_ptrIntegrationPoint = nullptr;
};

// Global assembly of the element contributions into band storage, in the
// scalar type T of the target. A few Elements, with full-precision rules,
// serve every mesh element in turn, each keeping its tables for one length:
// an element whose length one of them has reuses it (the lengths of a
// uniform mesh take a handful of values that differ by the rounding of the
// coordinates), and only a new length refills the tables of the element
// used longest ago. Each one's origin, data number and nodal values are set
// for the mesh element before the integrands run.
class Assembler
{
public:
    Assembler(const Discretisation& in_o_Discretisation, const Integrands& in_o_Integrands);

    // Adds K(U) into K and F(U) into F (F may be null). U holds the global
    // unknowns; null stands for zero.
    template <class T>
    void AddStiffnessAndLoad(const double* in_U, BandMatrix<T>& io_K, T* io_F);
    // Adds K(U) + dK(U) into the tangent and K(U) U - F(U) into the residual.
    template <class T>
    void AddTangentAndResidual(const double* in_U, BandMatrix<double>& io_Tangent, T* io_Residual);
    void AddMass(BandMatrix<double>& io_M);
    // The sum over the elements of u_e^T K_e(U) u_e.
    double StiffnessEnergy(const double* in_U);

private:
    struct Slot
    {
        Element m_o_Element;
        bool m_b_HoldsSolution; // its nodal values may be non-zero
        long m_l_LastUse;
    };

    const Discretisation& m_o_Discretisation;
    Integrands m_o_Integrands;
    std::vector<Slot> m_v_Slots;
    long m_l_Clock;
    int m_int_Nodes;                  // element functions
    int m_int_Stride;                 // global unknowns from one element to the next
    double m_vdb_Sign[4];             // element function -> global unknown
    TNT::Array1D<double> m_vdb_Local; // one element's nodal values, in the element's signs

    // The element ready for mesh element e, with its nodal values (and
    // m_vdb_Local) taken from U; null stands for zero.
    Element& Prepare(int in_int_e, const double* in_U);
    // The prepared element's K + K0 in global signs, K made to spare its
    // rigid motions where T is extended.
    template <class T>
    void ElementStiffness(Element& io_o_Element, int in_int_e, T (&out_K)[4][4]);
    int Unknown(int in_int_e, int in_int_k) const { return m_int_Stride * in_int_e + in_int_k; }
};

template <class T>
void Assembler::ElementStiffness(Element& io_o_Element, int in_int_e, T (&out_K)[4][4])
{
    const int N = m_int_Nodes;
    io_o_Element.CalculLocalMatrixK();
    if constexpr (std::is_same<T, double>::value)
    {
        // In double, sparing rigid motions to rounding is all there is.
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
                out_K[i][j] = m_vdb_Sign[i] * m_vdb_Sign[j] * io_o_Element.get_m_mdb_K(i, j);
    }
    else
    {
        double Kd[4][4];
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
                Kd[i][j] = m_vdb_Sign[i] * m_vdb_Sign[j] * io_o_Element.get_m_mdb_K(i, j);
        SpareRigidMotions(Kd, out_K, N, m_o_Discretisation.get_Interpolation().IsHermite(),
                          m_o_Integrands.m_e_RigidMotions, m_o_Discretisation.get_Mesh().get_ElementLength(in_int_e));
    }
    if (m_o_Integrands.m_o_ptrK0 == nullptr)
        return;
    io_o_Element.set_FunctionCalculK(m_o_Integrands.m_o_ptrK0);
    io_o_Element.CalculLocalMatrixK();
    io_o_Element.set_FunctionCalculK(m_o_Integrands.m_o_ptrK);
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
            out_K[i][j] += T(m_vdb_Sign[i] * m_vdb_Sign[j] * io_o_Element.get_m_mdb_K(i, j));
}

template <class T>
void Assembler::AddStiffnessAndLoad(const double* in_U, BandMatrix<T>& io_K, T* io_F)
{
    const int N = m_int_Nodes;
    const int l_int_Elements = m_o_Discretisation.get_Mesh().get_m_int_NumberOfElements();
    const bool l_b_Load = io_F != nullptr && m_o_Integrands.m_o_ptrF != nullptr;
    T Ke[4][4];
    for (int e = 0; e < l_int_Elements; ++e)
    {
        Element& l_o_Element = Prepare(e, in_U);
        ElementStiffness(l_o_Element, e, Ke);
        if (l_b_Load)
            l_o_Element.CalculForce();
        for (int i = 0; i < N; ++i)
        {
            const int gi = Unknown(e, i);
            for (int j = 0; j < N; ++j)
                io_K.At(gi, Unknown(e, j)) += Ke[i][j];
            if (l_b_Load)
                io_F[gi] += T(m_vdb_Sign[i] * l_o_Element.get_m_mdb_F(i));
        }
    }
}

template <class T>
void Assembler::AddTangentAndResidual(const double* in_U, BandMatrix<double>& io_Tangent, T* io_Residual)
{
    const int N = m_int_Nodes;
    const int l_int_Elements = m_o_Discretisation.get_Mesh().get_m_int_NumberOfElements();
    const bool l_b_Load = m_o_Integrands.m_o_ptrF != nullptr;
    const bool l_b_Derivative = m_o_Integrands.m_o_ptrdK != nullptr;
    T Ke[4][4];
    for (int e = 0; e < l_int_Elements; ++e)
    {
        Element& l_o_Element = Prepare(e, in_U);
        ElementStiffness(l_o_Element, e, Ke);
        if (l_b_Derivative)
            l_o_Element.CalculLocalMatrixdK();
        if (l_b_Load)
            l_o_Element.CalculForce();
        for (int i = 0; i < N; ++i)
        {
            const int gi = Unknown(e, i);
            T l_Residual(l_b_Load ? -m_vdb_Sign[i] * l_o_Element.get_m_mdb_F(i) : 0.0);
            for (int j = 0; j < N; ++j)
            {
                const double dKij =
                    l_b_Derivative ? m_vdb_Sign[i] * m_vdb_Sign[j] * l_o_Element.get_m_mdb_dK(i, j) : 0.0;
                io_Tangent.At(gi, Unknown(e, j)) += ToDouble(Ke[i][j]) + dKij;
                // The global unknown is the element's coefficient times its sign.
                l_Residual += Ke[i][j] * T(m_vdb_Sign[j] * m_vdb_Local[j]);
            }
            io_Residual[gi] += l_Residual;
        }
    }
}

#endif

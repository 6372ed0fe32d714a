// Element: construction, copy, assignment, destruction, accessors.
#include "element.h"

#include <algorithm>
#include <cassert>
#include <iostream>

#include "hermitianfunction.h"
#include "lagrangianfunction.h"

namespace
{

// Copies every entry of in_Source into *io_ptrTarget, giving the target new
// storage of its own when the sizes differ.
void CopyEntries(TNT::Array1D<double>*& io_ptrTarget, const TNT::Array1D<double>& in_Source)
{
    if (io_ptrTarget->dim() != in_Source.dim())
    {
        delete io_ptrTarget;
        io_ptrTarget = new TNT::Array1D<double>(in_Source.dim(), 0.0);
    }
    for (int i = 0; i < in_Source.dim(); ++i)
        (*io_ptrTarget)[i] = in_Source[i];
}

void CopyEntries(TNT::Array2D<double>*& io_ptrTarget, const TNT::Array2D<double>& in_Source)
{
    if (io_ptrTarget->dim1() != in_Source.dim1() || io_ptrTarget->dim2() != in_Source.dim2())
    {
        delete io_ptrTarget;
        io_ptrTarget = new TNT::Array2D<double>(in_Source.dim1(), in_Source.dim2(), 0.0);
    }
    for (int i = 0; i < in_Source.dim1(); ++i)
        for (int j = 0; j < in_Source.dim2(); ++j)
            (*io_ptrTarget)[i][j] = in_Source[i][j];
}

} // namespace

Element::Element(int in_int_TypeElement, int in_int_NumberOfNode, int in_int_ElementNumber, double in_db_Length,
                 int in_int_DataNumber, RuleDigits in_e_RuleDigits)
    : m_int_ElementNumber(in_int_ElementNumber), m_int_NumberOfNode(4), m_int_DataNumber(in_int_DataNumber),
      m_int_TypeElement(in_int_TypeElement), m_db_Length(in_db_Length), m_db_Jacobian(in_db_Length * 0.5),
      m_vdb_ptrSolution(nullptr), m_vdb_ptrdSolution(nullptr), m_vdb_ptrNode(nullptr), m_mdb_ptrK(nullptr),
      m_mdb_ptrdK(nullptr), m_mdb_ptrM(nullptr), m_mdb_ptrF(nullptr), m_o_ptrGaussLegendre(nullptr),
      // Until installed, the object and integrands are null and the
      // operations that need them call nothing.
      m_o_ptrObjectWithKAndM(nullptr), m_o_ptrK(nullptr), m_o_ptrdK(nullptr), m_o_ptrM(nullptr), m_o_ptrF(nullptr),
      m_o_ptrShapeFunction(nullptr), m_b_SetObject(false), m_b_SetFunctionCalculK(false),
      m_b_SetFunctionCalculdK(false), m_b_SetFunctionCalculM(false), m_b_SetFunctionCalculF(false),
      m_e_RuleDigits(in_e_RuleDigits), m_db_Origin(0.0), m_o_ptrIntegrationPoint(nullptr)
{
    if (m_int_TypeElement != 0)
    {
        m_int_NumberOfNode = 4;
        m_o_ptrGaussLegendre = new GaussLegendre(5, m_e_RuleDigits);
    }
    else
    {
        m_int_NumberOfNode = in_int_NumberOfNode;
        if (m_int_NumberOfNode < 2 || m_int_NumberOfNode > 4)
        {
            std::cout << "Error: The number of node per element must be within 2 and 5. "
                         "The number of node will be set by defaut to 2."
                      << std::endl;
            m_int_NumberOfNode = 2;
        }
        m_o_ptrGaussLegendre = new GaussLegendre(m_int_NumberOfNode, m_e_RuleDigits);
    }
    assert(m_o_ptrGaussLegendre != 0);
    m_o_ptrShapeFunction = NewShapeFunction();
    assert(m_o_ptrShapeFunction != 0);

    const int N = m_int_NumberOfNode;
    const int G = m_o_ptrGaussLegendre->get_m_int_NumberOfIntegrationPoints();
    m_vdb_ptrNode = new TNT::Array1D<double>(N, 0.0);
    assert(m_vdb_ptrNode != 0);
    m_vdb_ptrSolution = new TNT::Array1D<double>(G, 0.0);
    assert(m_vdb_ptrSolution != 0);
    m_vdb_ptrdSolution = new TNT::Array1D<double>(G, 0.0);
    assert(m_vdb_ptrdSolution != 0);
    m_mdb_ptrK = new TNT::Array2D<double>(N, N, 0.0);
    assert(m_mdb_ptrK != 0);
    m_mdb_ptrdK = new TNT::Array2D<double>(N, N, 0.0);
    assert(m_mdb_ptrdK != 0);
    m_mdb_ptrM = new TNT::Array2D<double>(N, N, 0.0);
    assert(m_mdb_ptrM != 0);
    m_mdb_ptrF = new TNT::Array1D<double>(N, 0.0);
    assert(m_mdb_ptrF != 0);
}

Element::Element(const Element& droite)
    : m_int_ElementNumber(droite.m_int_ElementNumber), m_int_NumberOfNode(droite.m_int_NumberOfNode),
      m_int_DataNumber(droite.m_int_DataNumber), m_int_TypeElement(droite.m_int_TypeElement),
      m_db_Length(droite.m_db_Length), m_db_Jacobian(droite.m_db_Length * 0.5),
      m_vdb_ptrSolution(new TNT::Array1D<double>(droite.m_vdb_ptrSolution->copy())),
      m_vdb_ptrdSolution(new TNT::Array1D<double>(droite.m_vdb_ptrdSolution->copy())),
      m_vdb_ptrNode(new TNT::Array1D<double>(droite.m_vdb_ptrNode->copy())),
      m_mdb_ptrK(new TNT::Array2D<double>(droite.m_mdb_ptrK->copy())),
      m_mdb_ptrdK(new TNT::Array2D<double>(droite.m_mdb_ptrdK->copy())),
      m_mdb_ptrM(new TNT::Array2D<double>(droite.m_mdb_ptrM->copy())),
      m_mdb_ptrF(new TNT::Array1D<double>(droite.m_mdb_ptrF->copy())),
      m_o_ptrGaussLegendre(new GaussLegendre(droite.m_o_ptrGaussLegendre->get_m_int_NumberOfIntegrationPoints(),
                                             droite.m_e_RuleDigits)),
      m_o_ptrObjectWithKAndM(droite.m_o_ptrObjectWithKAndM), m_o_ptrK(droite.m_o_ptrK), m_o_ptrdK(droite.m_o_ptrdK),
      m_o_ptrM(droite.m_o_ptrM), m_o_ptrF(droite.m_o_ptrF), m_o_ptrShapeFunction(NewShapeFunction()),
      m_b_SetObject(droite.m_b_SetObject), m_b_SetFunctionCalculK(droite.m_b_SetFunctionCalculK),
      m_b_SetFunctionCalculdK(droite.m_b_SetFunctionCalculdK), m_b_SetFunctionCalculM(droite.m_b_SetFunctionCalculM),
      m_b_SetFunctionCalculF(droite.m_b_SetFunctionCalculF), m_e_RuleDigits(droite.m_e_RuleDigits),
      m_db_Origin(droite.m_db_Origin), m_o_ptrIntegrationPoint(droite.m_o_ptrIntegrationPoint)
{
}

const Element& Element::operator=(const Element& droite)
{
    if (&droite == this)
        return *this;

    m_int_NumberOfNode = droite.m_int_NumberOfNode;
    // Every entry of the seven arrays is taken over, so the element never
    // reports matrices that droite does not have; an array whose size
    // differs gets new storage of its own.
    CopyEntries(m_vdb_ptrNode, *droite.m_vdb_ptrNode);
    CopyEntries(m_mdb_ptrK, *droite.m_mdb_ptrK);
    CopyEntries(m_mdb_ptrM, *droite.m_mdb_ptrM);
    CopyEntries(m_mdb_ptrdK, *droite.m_mdb_ptrdK);
    CopyEntries(m_mdb_ptrF, *droite.m_mdb_ptrF);
    CopyEntries(m_vdb_ptrSolution, *droite.m_vdb_ptrSolution);
    CopyEntries(m_vdb_ptrdSolution, *droite.m_vdb_ptrdSolution);

    const int l_int_Points = droite.m_o_ptrGaussLegendre->get_m_int_NumberOfIntegrationPoints();
    if (m_o_ptrGaussLegendre->get_m_int_NumberOfIntegrationPoints() != l_int_Points ||
        m_e_RuleDigits != droite.m_e_RuleDigits)
    {
        delete m_o_ptrGaussLegendre;
        m_o_ptrGaussLegendre = new GaussLegendre(l_int_Points, droite.m_e_RuleDigits);
    }
    m_e_RuleDigits = droite.m_e_RuleDigits;
    m_db_Origin = droite.m_db_Origin;
    m_o_ptrIntegrationPoint = droite.m_o_ptrIntegrationPoint;

    m_int_DataNumber = droite.m_int_DataNumber;
    m_int_ElementNumber = droite.m_int_ElementNumber;
    m_int_TypeElement = droite.m_int_TypeElement;
    m_o_ptrObjectWithKAndM = droite.m_o_ptrObjectWithKAndM;
    m_o_ptrK = droite.m_o_ptrK;
    m_o_ptrdK = droite.m_o_ptrdK;
    m_o_ptrM = droite.m_o_ptrM;
    m_o_ptrF = droite.m_o_ptrF;
    m_b_SetObject = droite.m_b_SetObject;
    m_b_SetFunctionCalculK = droite.m_b_SetFunctionCalculK;
    m_b_SetFunctionCalculdK = droite.m_b_SetFunctionCalculdK;
    m_b_SetFunctionCalculM = droite.m_b_SetFunctionCalculM;
    m_b_SetFunctionCalculF = droite.m_b_SetFunctionCalculF;
    m_db_Length = droite.m_db_Length;
    m_db_Jacobian = m_db_Length * 0.5;

    delete m_o_ptrShapeFunction;
    m_o_ptrShapeFunction = NewShapeFunction();
    return *this;
}

Element::~Element()
{
    delete m_o_ptrGaussLegendre;
    delete m_o_ptrShapeFunction;
    delete m_mdb_ptrK;
    delete m_mdb_ptrdK;
    delete m_mdb_ptrM;
    delete m_mdb_ptrF;
    delete m_vdb_ptrNode;
    delete m_vdb_ptrSolution;
    delete m_vdb_ptrdSolution;
}

ShapeFunction* Element::NewShapeFunction() const
{
    if (m_int_TypeElement != 0)
        return new HermitianFunction(3, m_o_ptrGaussLegendre->get_m_vdb_Points(), m_db_Length);
    return new LagrangianFunction(m_int_NumberOfNode - 1, m_o_ptrGaussLegendre->get_m_vdb_Points(), m_db_Length);
}

TNT::Array1D<double> Element::get_m_db_Solution() { return *m_vdb_ptrSolution; }

void Element::set_m_db_Solution(TNT::Array1D<double>& in_db_Value)
{
    // Only the entries the arrays and the tables have are used; nodal values
    // missing from a short in_db_Value count as 0.
    const int N = std::min(m_int_NumberOfNode, m_vdb_ptrNode->dim());
    const int l_int_Given = std::min(N, in_db_Value.dim());
    const int l_int_Functions = std::min(l_int_Given, m_o_ptrShapeFunction->get_m_mdb_Psi()->dim1());
    for (int i = 0; i < N; ++i)
        (*m_vdb_ptrNode)[i] = i < l_int_Given ? in_db_Value[i] : 0.0;

    const int G =
        std::min({m_vdb_ptrSolution->dim(), m_vdb_ptrdSolution->dim(), m_o_ptrShapeFunction->get_m_mdb_Psi()->dim2()});
    for (int t = 0; t < G; ++t)
    {
        double& l_db_Solution = (*m_vdb_ptrSolution)[t];
        double& l_db_dSolution = (*m_vdb_ptrdSolution)[t];
        l_db_Solution = 0.0;
        l_db_dSolution = 0.0;
        for (int i = 0; i < l_int_Functions; ++i)
        {
            l_db_Solution = l_db_Solution + m_o_ptrShapeFunction->fPsi(i, t) * in_db_Value[i];
            l_db_dSolution = l_db_dSolution + m_o_ptrShapeFunction->fdPsi(i, t) * in_db_Value[i];
        }
    }
}

int Element::get_m_int_NumberOfNode() const { return m_int_NumberOfNode; }
void Element::set_m_int_NumberOfNode(int value) { m_int_NumberOfNode = value; }

void Element::set_m_db_Length(double value)
{
    m_db_Length = value;
    m_db_Jacobian = value * 0.5;
    m_o_ptrShapeFunction->CalculPsiLookupTable(m_o_ptrGaussLegendre->get_m_vdb_Points(), value);
}

RuleDigits Element::get_m_e_RuleDigits() const { return m_e_RuleDigits; }

TNT::Array2D<double> Element::get_m_mdb_K() { return *m_mdb_ptrK; }
void Element::set_m_mdb_K(TNT::Array2D<double> value) { *m_mdb_ptrK = value; }
TNT::Array2D<double> Element::get_m_mdb_dK() { return *m_mdb_ptrdK; }
void Element::set_m_mdb_dK(TNT::Array2D<double> value) { *m_mdb_ptrdK = value; }
TNT::Array2D<double> Element::get_m_mdb_M() { return *m_mdb_ptrM; }
void Element::set_m_mdb_M(TNT::Array2D<double> value) { *m_mdb_ptrM = value; }
TNT::Array1D<double> Element::get_m_mdb_F() { return *m_mdb_ptrF; }
void Element::set_m_mdb_F(TNT::Array1D<double> value) { *m_mdb_ptrF = value; }

void Element::set_Object(void* in_o_ptrObject)
{
    m_b_SetObject = true;
    m_o_ptrObjectWithKAndM = in_o_ptrObject;
}

void Element::set_FunctionCalculK(FunctionCalculK in_ptrFunction)
{
    m_b_SetFunctionCalculK = true;
    m_o_ptrK = in_ptrFunction;
}

void Element::set_FunctionCalculdK(FunctionCalculdK in_ptrFunction)
{
    m_b_SetFunctionCalculdK = true;
    m_o_ptrdK = in_ptrFunction;
}

void Element::set_FunctionCalculM(FunctionCalculM in_ptrFunction)
{
    m_b_SetFunctionCalculM = true;
    m_o_ptrM = in_ptrFunction;
}

void Element::set_FunctionCalculF(FunctionCalculF in_ptrFunction)
{
    m_b_SetFunctionCalculF = true;
    m_o_ptrF = in_ptrFunction;
}

void Element::set_IntegrationPoint(IntegrationPoint* in_o_ptrPoint) { m_o_ptrIntegrationPoint = in_o_ptrPoint; }

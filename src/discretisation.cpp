#include "discretisation.h"

#include <cmath>

#include "numbertext.h"
#include "problemerror.h"

Interpolation Interpolation::Lagrange(int in_int_Order)
{
    if (in_int_Order < 1 || in_int_Order > 3)
        throw ProblemError("Lagrange interpolation has order 1, 2 or 3, not " + std::to_string(in_int_Order));
    return Interpolation(0, in_int_Order + 1);
}

Interpolation Interpolation::Hermite() { return Interpolation(1, 4); }

Discretisation::Discretisation(std::shared_ptr<const Mesh> in_o_ptrMesh, Interpolation in_o_Interpolation)
    : m_o_ptrMesh(std::move(in_o_ptrMesh)), m_o_Interpolation(in_o_Interpolation), m_int_NumberOfUnknowns(0)
{
    const long long n = m_o_ptrMesh->get_m_int_NumberOfElements();
    const long long l_ll_Unknowns = m_o_Interpolation.IsHermite() ? 2 * (n + 1) : m_o_Interpolation.get_Order() * n + 1;
    if (l_ll_Unknowns > 2000000000LL)
        throw ProblemError("the discretisation would have " + std::to_string(l_ll_Unknowns) +
                           " unknowns, above the limit of 2e9");
    m_int_NumberOfUnknowns = static_cast<int>(l_ll_Unknowns);
}

Discretisation::Discretisation(Mesh in_o_Mesh, Interpolation in_o_Interpolation)
    : Discretisation(std::make_shared<const Mesh>(std::move(in_o_Mesh)), in_o_Interpolation)
{
}

UnknownKind Discretisation::Kind(int in_int_Unknown) const
{
    return m_o_Interpolation.IsHermite() && in_int_Unknown % 2 == 1 ? UnknownKind::Slope : UnknownKind::Value;
}

double Discretisation::Position(int in_int_Unknown) const
{
    return PointPosition(m_o_Interpolation.IsHermite() ? in_int_Unknown / 2 : in_int_Unknown);
}

std::string Discretisation::Describe(int in_int_Unknown) const
{
    return std::string(Kind(in_int_Unknown) == UnknownKind::Slope ? "the slope" : "the value") +
           " at x = " + NumberText(Position(in_int_Unknown));
}

int Discretisation::get_NumberOfPoints() const
{
    const int n = m_o_ptrMesh->get_m_int_NumberOfElements();
    return m_o_Interpolation.IsHermite() ? n + 1 : m_o_Interpolation.get_Order() * n + 1;
}

double Discretisation::PointPosition(int in_int_i) const
{
    const int p = m_o_Interpolation.IsHermite() ? 1 : m_o_Interpolation.get_Order();
    const int e = in_int_i / p;
    const int k = in_int_i % p;
    if (k == 0)
        return m_o_ptrMesh->get_m_vdb_Nodes(e);
    const double l_db_Start = m_o_ptrMesh->get_m_vdb_Nodes(e);
    return l_db_Start + (m_o_ptrMesh->get_m_vdb_Nodes(e + 1) - l_db_Start) * k / p;
}

int Discretisation::PointAt(double in_db_x) const
{
    const Mesh& l_o_Mesh = *m_o_ptrMesh;
    const int l_int_Node = l_o_Mesh.FindNode(in_db_x);
    const int p = m_o_Interpolation.IsHermite() ? 1 : m_o_Interpolation.get_Order();
    if (l_int_Node >= 0)
        return l_int_Node * p;
    const int e = l_o_Mesh.FindElement(in_db_x);
    if (e >= 0)
        for (int k = 1; k < p; ++k)
        {
            const int l_int_Point = e * p + k;
            if (std::fabs(PointPosition(l_int_Point) - in_db_x) <= 1e-12 * (l_o_Mesh.get_End() - l_o_Mesh.get_Start()))
                return l_int_Point;
        }
    throw ProblemError("x = " + NumberText(in_db_x) +
                       " is not a node of the mesh: give it as a breakpoint so that an element ends there");
}

int Discretisation::ValueUnknownAt(double in_db_x) const
{
    const int l_int_Point = PointAt(in_db_x);
    return m_o_Interpolation.IsHermite() ? 2 * l_int_Point : l_int_Point;
}

int Discretisation::SlopeUnknownAt(double in_db_x) const
{
    if (!m_o_Interpolation.IsHermite())
        throw ProblemError("the slope at x = " + NumberText(in_db_x) +
                           " is not an unknown: only Hermite interpolation has slope unknowns");
    return 2 * PointAt(in_db_x) + 1;
}

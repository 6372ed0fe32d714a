#ifndef FEM1D_DISCRETISATION_H
#define FEM1D_DISCRETISATION_H

#include <memory>
#include <string>

#include "mesh.h"

// The interpolation on every element: Lagrange of order 1 to 3 (interior
// nodes equally spaced, in the element's own node order) or cubic Hermite
// (value and slope at each end).
class Interpolation
{
public:
    static Interpolation Lagrange(int in_int_Order);
    static Interpolation Hermite();

    bool IsHermite() const { return m_int_TypeElement != 0; }
    // The Element's type and node count for this interpolation.
    int get_m_int_TypeElement() const { return m_int_TypeElement; }
    int get_m_int_NumberOfNode() const { return m_int_NumberOfNode; }
    // The polynomial order: 1 to 3, 3 for Hermite.
    int get_Order() const { return IsHermite() ? 3 : m_int_NumberOfNode - 1; }

private:
    Interpolation(int in_int_TypeElement, int in_int_NumberOfNode)
        : m_int_TypeElement(in_int_TypeElement), m_int_NumberOfNode(in_int_NumberOfNode)
    {
    }
    int m_int_TypeElement;
    int m_int_NumberOfNode;
};

enum class UnknownKind
{
    Value,
    Slope
};

// The global unknowns of a mesh and an interpolation. Lagrange of order p
// numbers the nodes in ascending x, interior ones included (element e holds
// unknowns e p to e p + p). Hermite puts the value of node i at 2 i and its
// slope dw/dx at 2 i + 1. The Hermite element functions 1 and 3 carry minus
// the slope; Sign turns an element's coefficient into the global unknown's,
// so that every global slope is dw/dx and its conjugate the moment.
class Discretisation
{
public:
    Discretisation(std::shared_ptr<const Mesh> in_o_ptrMesh, Interpolation in_o_Interpolation);
    Discretisation(Mesh in_o_Mesh, Interpolation in_o_Interpolation);

    const Mesh& get_Mesh() const { return *m_o_ptrMesh; }
    const Interpolation& get_Interpolation() const { return m_o_Interpolation; }
    int get_m_int_NumberOfUnknowns() const { return m_int_NumberOfUnknowns; }
    // Half the bandwidth of the global matrices: p, or 3 for Hermite.
    int get_HalfBandwidth() const { return m_o_Interpolation.IsHermite() ? 3 : m_o_Interpolation.get_Order(); }

    int Unknown(int in_int_e, int in_int_k) const
    {
        return m_o_Interpolation.IsHermite() ? 2 * in_int_e + in_int_k : m_o_Interpolation.get_Order() * in_int_e + in_int_k;
    }
    double Sign(int in_int_k) const { return m_o_Interpolation.IsHermite() && (in_int_k % 2) == 1 ? -1.0 : 1.0; }

    UnknownKind Kind(int in_int_Unknown) const;
    double Position(int in_int_Unknown) const;
    // "the value at x = 0.5", "the slope at x = 1": an unknown in a message.
    std::string Describe(int in_int_Unknown) const;

    // The unknown of the value, or of the slope (Hermite), at the node at x.
    // A ProblemError when no node lies there.
    int ValueUnknownAt(double in_db_x) const;
    int SlopeUnknownAt(double in_db_x) const;

    // Every node in ascending x, interior nodes of Lagrange orders 2 and 3 included.
    int get_NumberOfPoints() const;
    double PointPosition(int in_int_i) const;

private:
    std::shared_ptr<const Mesh> m_o_ptrMesh;
    Interpolation m_o_Interpolation;
    int m_int_NumberOfUnknowns;

    int PointAt(double in_db_x) const;
};

#endif

#ifndef FEM1D_MESH_H
#define FEM1D_MESH_H

#include <vector>

#include "largevector.h"

// The elements of an interval [x0, x1]: their ends (the mesh's nodes) in
// ascending order, and each element's data number, which the integrands
// receive as Type so that piecewise data needs no search.
class Mesh
{
public:
    // n elements shared among the segments between the breakpoints (material
    // region ends, positions of point conditions), which always fall on
    // element ends: a segment of length l gets max(1, round(n l / (x1 - x0)))
    // elements, so the total can differ slightly from n. In each segment the
    // element lengths grow geometrically from the segment's start so that
    // last / first = in_db_Grading (1: uniform). Breakpoints at the ends or
    // given twice count once. Each element's data number is the index of its
    // segment, counted from 0 at x0.
    Mesh(double in_db_Start, double in_db_End, int in_int_NumberOfElements,
         const std::vector<double>& in_vdb_Breakpoints = {}, double in_db_Grading = 1.0);
    // Explicit node coordinates, strictly ascending; every data number is 0.
    explicit Mesh(const std::vector<double>& in_vdb_Nodes);

    int get_m_int_NumberOfElements() const { return static_cast<int>(m_vint_DataNumber.size()); }
    // Node i, 0 to the number of elements: element e runs from node e to node e + 1.
    double get_m_vdb_Nodes(int in_int_i) const { return m_vdb_Nodes[in_int_i]; }
    double get_Start() const { return m_vdb_Nodes.front(); }
    double get_End() const { return m_vdb_Nodes.back(); }
    double get_ElementLength(int in_int_e) const { return m_vdb_Nodes[in_int_e + 1] - m_vdb_Nodes[in_int_e]; }
    double get_SmallestElement() const;
    double get_LargestElement() const;

    int get_m_vint_DataNumber(int in_int_e) const { return m_vint_DataNumber[in_int_e]; }
    void set_m_vint_DataNumber(int in_int_e, int value) { m_vint_DataNumber[in_int_e] = value; }

    // The element whose closed interval holds x (the left one at a node
    // shared by two, the last at x1); -1 outside the mesh.
    int FindElement(double in_db_x) const;
    // The node at x, allowing for rounding (1e-12 of the mesh's length); -1 if none.
    int FindNode(double in_db_x) const;

private:
    LargeVector<double> m_vdb_Nodes;
    LargeVector<int> m_vint_DataNumber;

    void CheckLengths() const;
};

#endif

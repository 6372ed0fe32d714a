#include "mesh.h"

#include <algorithm>
#include <cmath>

#include "numbertext.h"
#include "problemerror.h"

namespace
{

// Writes the m + 1 nodes of [a, b] (the last one exactly b) graded so that
// the last element is in_db_Grading times the first.
void AppendSegment(LargeVector<double>& io_vdb_Nodes, double a, double b, int m, double in_db_Grading)
{
    const bool l_b_Uniform = (m == 1 || in_db_Grading == 1.0);
    // Node k at a + (b - a) (q^k - 1) / (q^m - 1) with q = r^(1/(m - 1)),
    // through expm1 so that gradings near 1 keep their digits.
    const double l_db_LogGrowth = l_b_Uniform ? 0.0 : std::log(in_db_Grading) / (m - 1);
    const double l_db_Total = l_b_Uniform ? 0.0 : std::expm1(m * l_db_LogGrowth);
    for (int k = 1; k < m; ++k)
    {
        const double l_db_Fraction =
            l_b_Uniform ? static_cast<double>(k) / m : std::expm1(k * l_db_LogGrowth) / l_db_Total;
        io_vdb_Nodes.push_back(a + (b - a) * l_db_Fraction);
    }
    io_vdb_Nodes.push_back(b);
}

} // namespace

Mesh::Mesh(double in_db_Start, double in_db_End, int in_int_NumberOfElements,
           const std::vector<double>& in_vdb_Breakpoints, double in_db_Grading)
{
    if (!std::isfinite(in_db_Start) || !std::isfinite(in_db_End) || !(in_db_Start < in_db_End))
        throw ProblemError("the domain [" + NumberText(in_db_Start) + ", " + NumberText(in_db_End) +
                           "] is empty: its start must lie below its end");
    if (in_int_NumberOfElements < 1)
        throw ProblemError("the mesh needs at least one element, not " + std::to_string(in_int_NumberOfElements));
    if (!std::isfinite(in_db_Grading) || !(in_db_Grading > 0.0))
        throw ProblemError("the grading " + NumberText(in_db_Grading) + " must be a positive ratio of element lengths");

    std::vector<double> l_vdb_Ends{in_db_Start};
    std::vector<double> l_vdb_Inner;
    for (double x : in_vdb_Breakpoints)
    {
        if (!(x >= in_db_Start && x <= in_db_End))
            throw ProblemError("the breakpoint x = " + NumberText(x) + " lies outside the domain [" + NumberText(in_db_Start) +
                               ", " + NumberText(in_db_End) + "]");
        if (x > in_db_Start && x < in_db_End)
            l_vdb_Inner.push_back(x);
    }
    std::sort(l_vdb_Inner.begin(), l_vdb_Inner.end());
    l_vdb_Inner.erase(std::unique(l_vdb_Inner.begin(), l_vdb_Inner.end()), l_vdb_Inner.end());
    l_vdb_Ends.insert(l_vdb_Ends.end(), l_vdb_Inner.begin(), l_vdb_Inner.end());
    l_vdb_Ends.push_back(in_db_End);

    const double l_db_Length = in_db_End - in_db_Start;
    std::vector<int> l_vint_PerSegment;
    long long l_ll_Total = 0;
    for (std::size_t s = 0; s + 1 < l_vdb_Ends.size(); ++s)
    {
        const double l_db_Share =
            std::round(in_int_NumberOfElements * ((l_vdb_Ends[s + 1] - l_vdb_Ends[s]) / l_db_Length));
        const int m = std::max(1, static_cast<int>(l_db_Share));
        l_vint_PerSegment.push_back(m);
        l_ll_Total += m;
    }
    if (l_ll_Total > 1000000000LL)
        throw ProblemError("the mesh would have " + std::to_string(l_ll_Total) + " elements, above the limit of 1e9");

    m_vdb_Nodes.reserve(static_cast<std::size_t>(l_ll_Total) + 1);
    m_vint_DataNumber.reserve(static_cast<std::size_t>(l_ll_Total));
    m_vdb_Nodes.push_back(in_db_Start);
    for (std::size_t s = 0; s < l_vint_PerSegment.size(); ++s)
    {
        AppendSegment(m_vdb_Nodes, l_vdb_Ends[s], l_vdb_Ends[s + 1], l_vint_PerSegment[s], in_db_Grading);
        m_vint_DataNumber.insert(m_vint_DataNumber.end(), l_vint_PerSegment[s], static_cast<int>(s));
    }
    CheckLengths();
}

Mesh::Mesh(const std::vector<double>& in_vdb_Nodes)
{
    if (in_vdb_Nodes.size() < 2)
        throw ProblemError("a mesh needs at least two nodes, not " + std::to_string(in_vdb_Nodes.size()));
    for (double x : in_vdb_Nodes)
        if (!std::isfinite(x))
            throw ProblemError("the node coordinate " + NumberText(x) + " is not a finite number");
    m_vdb_Nodes.assign(in_vdb_Nodes.begin(), in_vdb_Nodes.end());
    m_vint_DataNumber.assign(in_vdb_Nodes.size() - 1, 0);
    CheckLengths();
}

void Mesh::CheckLengths() const
{
    for (int e = 0; e < get_m_int_NumberOfElements(); ++e)
        if (!(m_vdb_Nodes[e + 1] > m_vdb_Nodes[e]))
            throw ProblemError("element " + std::to_string(e) + " has zero or negative length: it runs from x = " +
                               NumberText(m_vdb_Nodes[e]) + " to x = " + NumberText(m_vdb_Nodes[e + 1]) +
                               " (nodes must be strictly ascending; a grading or a breakpoint may have made "
                               "elements shorter than the rounding of their coordinates)");
}

double Mesh::get_SmallestElement() const
{
    double l_db_Smallest = get_ElementLength(0);
    for (int e = 1; e < get_m_int_NumberOfElements(); ++e)
        l_db_Smallest = std::min(l_db_Smallest, get_ElementLength(e));
    return l_db_Smallest;
}

double Mesh::get_LargestElement() const
{
    double l_db_Largest = get_ElementLength(0);
    for (int e = 1; e < get_m_int_NumberOfElements(); ++e)
        l_db_Largest = std::max(l_db_Largest, get_ElementLength(e));
    return l_db_Largest;
}

int Mesh::FindElement(double in_db_x) const
{
    if (!(in_db_x >= get_Start() && in_db_x <= get_End()))
        return -1;
    // The first node at or above x ends the element that holds x.
    const auto l_it = std::lower_bound(m_vdb_Nodes.begin() + 1, m_vdb_Nodes.end(), in_db_x);
    return static_cast<int>(l_it - m_vdb_Nodes.begin()) - 1;
}

int Mesh::FindNode(double in_db_x) const
{
    const double l_db_Tolerance = 1e-12 * (get_End() - get_Start());
    const int l_int_Above =
        static_cast<int>(std::lower_bound(m_vdb_Nodes.begin(), m_vdb_Nodes.end(), in_db_x) - m_vdb_Nodes.begin());
    int l_int_Best = -1;
    double l_db_Distance = l_db_Tolerance;
    for (int i = l_int_Above - 1; i <= l_int_Above; ++i)
    {
        if (i < 0 || i >= static_cast<int>(m_vdb_Nodes.size()))
            continue;
        const double l_db_d = std::fabs(m_vdb_Nodes[i] - in_db_x);
        if (l_db_d <= l_db_Distance)
        {
            l_db_Distance = l_db_d;
            l_int_Best = i;
        }
    }
    return l_int_Best;
}

// Mesh construction: shares of the segments, grading, breakpoints, lookups, errors.
#include "mesh.h"

#include <gtest/gtest.h>

#include <cmath>

#include "expect_problem_error.h"

namespace
{

TEST(Mesh, SegmentsShareTheElementsInProportionToTheirLengths)
{
    // Segments of 0.25, 0.05 and 0.7 of 10 elements: round(2.5) = 3 (half away from zero), max(1, 0.5 -> 1), 7.
    const Mesh mesh(0.0, 1.0, 10, {0.3, 0.25, 0.3, 1.0});
    ASSERT_EQ(mesh.get_m_int_NumberOfElements(), 11);
    EXPECT_EQ(mesh.get_m_vdb_Nodes(3), 0.25);
    EXPECT_EQ(mesh.get_m_vdb_Nodes(4), 0.3);
    EXPECT_EQ(mesh.get_End(), 1.0);
    const int expectedData[] = {0, 0, 0, 1, 2, 2, 2, 2, 2, 2, 2};
    for (int e = 0; e < 11; ++e)
        EXPECT_EQ(mesh.get_m_vint_DataNumber(e), expectedData[e]) << e;
    EXPECT_NEAR(mesh.get_ElementLength(5), 0.1, 1e-15);
}

TEST(Mesh, GradingMakesLastOverFirstTheRatioInEverySegment)
{
    const Mesh mesh(-1.0, 3.0, 8, {1.0}, 5.0);
    ASSERT_EQ(mesh.get_m_int_NumberOfElements(), 8);
    for (int segment = 0; segment < 2; ++segment)
    {
        const int first = 4 * segment;
        EXPECT_NEAR(mesh.get_ElementLength(first + 3) / mesh.get_ElementLength(first), 5.0, 1e-13);
        // Geometric: every ratio alike.
        EXPECT_NEAR(mesh.get_ElementLength(first + 2) / mesh.get_ElementLength(first + 1),
                    mesh.get_ElementLength(first + 1) / mesh.get_ElementLength(first), 1e-13);
    }
    EXPECT_EQ(mesh.get_m_vdb_Nodes(4), 1.0);
    EXPECT_NEAR(mesh.get_SmallestElement() * 5.0, mesh.get_LargestElement(), 1e-13);
}

TEST(Mesh, FindsElementsAndNodes)
{
    const Mesh mesh(std::vector<double>{0.0, 0.1, 0.5, 2.0});
    EXPECT_EQ(mesh.FindElement(0.0), 0);
    EXPECT_EQ(mesh.FindElement(0.1), 0); // the left element at a shared node
    EXPECT_EQ(mesh.FindElement(0.3), 1);
    EXPECT_EQ(mesh.FindElement(2.0), 2);
    EXPECT_EQ(mesh.FindElement(2.5), -1);
    EXPECT_EQ(mesh.FindElement(std::nan("")), -1);
    EXPECT_EQ(mesh.FindNode(0.5 + 1e-13), 2);
    EXPECT_EQ(mesh.FindNode(0.0), 0);
    EXPECT_EQ(mesh.FindNode(0.3), -1);
}

struct BadMesh
{
    const char* name;
    std::function<void()> build;
    const char* message;
};

void PrintTo(const BadMesh& c, std::ostream* os) { *os << c.name; }

class MeshErrors : public ::testing::TestWithParam<BadMesh>
{
};

TEST_P(MeshErrors, SayWhatToChange)
{
    ExpectProblemError(GetParam().build, GetParam().message);
}

const BadMesh kBadMeshes[] = {
    {"EmptyDomain", [] { Mesh(1.0, 1.0, 3); }, "the domain [1, 1] is empty"},
    {"NoElements", [] { Mesh(0.0, 1.0, 0); }, "at least one element, not 0"},
    {"NegativeGrading", [] { Mesh(0.0, 1.0, 3, {}, -2.0); }, "the grading -2"},
    {"BreakpointOutside", [] { Mesh(0.0, 1.0, 3, {1.5}); }, "x = 1.5 lies outside the domain [0, 1]"},
    {"DescendingNodes", [] { Mesh(std::vector<double>{0.0, 1.0, 0.5}); }, "element 1 has zero or negative length"},
    {"GradingBeyondRounding", [] { Mesh(1.0, 2.0, 200, {}, 1e300); }, "zero or negative length"},
};

INSTANTIATE_TEST_SUITE_P(Cases, MeshErrors, ::testing::ValuesIn(kBadMeshes),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

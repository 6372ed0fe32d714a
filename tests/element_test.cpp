// Element construction, accessors, copy and assignment.
#include "element.h"

#include <gtest/gtest.h>

#include <string>

#include "capture_stdout.h"
#include "problem.h"

namespace
{

const std::string kNodeMessage = "Error: The number of node per element must be within 2 and 5. "
                                 "The number of node will be set by defaut to 2.\n";

struct ConstructionCase
{
    int type;
    int requestedNodes;
    int nodes;
    int points;
    bool message;
};

void PrintTo(const ConstructionCase& c, std::ostream* os)
{
    *os << "type " << c.type << ", " << c.requestedNodes << " nodes";
}

class ElementConstructionTest : public ::testing::TestWithParam<ConstructionCase>
{
};

TEST_P(ElementConstructionTest, BuildsTheConfigurationOfItsType)
{
    const ConstructionCase c = GetParam();
    CaptureStdout out;
    Element element(c.type, c.requestedNodes, 7, 3.0, 2);
    EXPECT_EQ(out.Take(), c.message ? kNodeMessage : "");

    EXPECT_EQ(element.get_m_int_NumberOfNode(), c.nodes);
    EXPECT_EQ(element.get_m_db_Solution().dim(), c.points);
    EXPECT_EQ(element.get_m_mdb_K().dim1(), c.nodes);
    EXPECT_EQ(element.get_m_mdb_dK().dim2(), c.nodes);
    EXPECT_EQ(element.get_m_mdb_M().dim1(), c.nodes);
    EXPECT_EQ(element.get_m_mdb_F().dim(), c.nodes);
    for (int i = 0; i < c.nodes; ++i)
    {
        EXPECT_EQ(element.get_m_mdb_F(i), 0.0);
        for (int j = 0; j < c.nodes; ++j)
            EXPECT_EQ(element.get_m_mdb_K(i, j) + element.get_m_mdb_dK(i, j) + element.get_m_mdb_M(i, j), 0.0);
    }
    for (int t = 0; t < c.points; ++t)
        EXPECT_EQ(element.get_m_db_Solution()[t], 0.0);
    EXPECT_EQ(element.get_m_int_ElementNumber(), 7);
    EXPECT_EQ(element.get_m_int_DataNumber(), 2);
    EXPECT_EQ(element.get_m_db_Length(), 3.0);
}

INSTANTIATE_TEST_SUITE_P(TypesAndCounts, ElementConstructionTest,
                         ::testing::Values(ConstructionCase{0, 2, 2, 2, false}, ConstructionCase{0, 3, 3, 3, false},
                                           ConstructionCase{0, 4, 4, 4, false}, ConstructionCase{0, 1, 2, 2, true},
                                           ConstructionCase{0, 5, 2, 2, true}, ConstructionCase{0, 0, 2, 2, true},
                                           ConstructionCase{0, -3, 2, 2, true}, ConstructionCase{1, 3, 4, 5, false},
                                           ConstructionCase{1, 0, 4, 5, false}, ConstructionCase{1, 99, 4, 5, false},
                                           ConstructionCase{-1, 2, 4, 5, false}));

TEST(Element, ViewsAndSettersShareStorage)
{
    Element element(0, 2, 1, 0.5, 1);
    element.get_m_mdb_K()[0][1] = 3.0;
    EXPECT_EQ(element.get_m_mdb_K(0, 1), 3.0);
    element.get_m_mdb_M(1, 0) = -2.0;
    EXPECT_EQ(element.get_m_mdb_M()[1][0], -2.0);
    element.get_m_mdb_F()[1] = 4.0;
    EXPECT_EQ(element.get_m_mdb_F(1), 4.0);
    element.get_m_db_Solution()[0] = 5.0;
    EXPECT_EQ(element.get_m_db_Solution()[0], 5.0);

    TNT::Array2D<double> dK(2, 2, 1.0);
    element.set_m_mdb_dK(dK);
    dK[1][1] = 9.0;
    EXPECT_EQ(element.get_m_mdb_dK(1, 1), 9.0);
    TNT::Array1D<double> F(2, 0.0);
    element.set_m_mdb_F(F);
    F[0] = -1.0;
    EXPECT_EQ(element.get_m_mdb_F(0), -1.0);

    element.set_m_int_ElementNumber(12);
    element.set_m_int_DataNumber(-4);
    EXPECT_EQ(element.get_m_int_ElementNumber(), 12);
    EXPECT_EQ(element.get_m_int_DataNumber(), -4);
}

struct LinearFieldCase
{
    int type;
    int nodes;
    double length;
};

void PrintTo(const LinearFieldCase& c, std::ostream* os)
{
    *os << "type " << c.type << ", " << c.nodes << " nodes, length " << c.length;
}

class LinearFieldTest : public ::testing::TestWithParam<LinearFieldCase>
{
};

// u(x) = a + b x over the element, x from 0 to L.
TEST_P(LinearFieldTest, SolutionInterpolatesALinearFieldExactly)
{
    const LinearFieldCase c = GetParam();
    const double a = 1.5, b = -0.75, L = c.length;
    Element element(c.type, c.nodes, 1, L, 1);
    TNT::Array1D<double> nodal(element.get_m_int_NumberOfNode(), 0.0);
    if (c.type == 0)
    {
        for (int k = 0; k < c.nodes; ++k)
            nodal[k] = a + b * L * k / (c.nodes - 1);
    }
    else
    {
        // Values and slopes with the slope's sign reversed.
        nodal[0] = a;
        nodal[1] = -b;
        nodal[2] = a + b * L;
        nodal[3] = -b;
    }
    element.set_m_db_Solution(nodal);

    GaussLegendre rule(element.get_m_db_Solution().dim());
    for (int t = 0; t < rule.get_m_int_NumberOfIntegrationPoints(); ++t)
    {
        const double x = L * (rule.get_m_vdb_ptrPoints(t) + 1) / 2;
        EXPECT_NEAR(element.get_m_db_Solution()[t], a + b * x, 1e-13) << "point " << t;
    }
    // The derivative is observable through an integrand that returns it.
    struct Derivative
    {
        static double Of(void*, int&, double&, double& dSolution, double&, double&, double&, double&, double&, double&)
        {
            return dSolution;
        }
    };
    element.set_FunctionCalculK(Derivative::Of);
    element.CalculLocalMatrixK();
    // K(i, j) = integral of b over the element = b L (with the table's rounded weights).
    EXPECT_NEAR(element.get_m_mdb_K(0, 0), b * L, 1e-8);
}

INSTANTIATE_TEST_SUITE_P(Configurations, LinearFieldTest,
                         ::testing::Values(LinearFieldCase{0, 2, 0.5}, LinearFieldCase{0, 3, 2.0},
                                           LinearFieldCase{0, 4, 1.25}, LinearFieldCase{1, 4, 1.0},
                                           LinearFieldCase{1, 4, 3.0}));

TEST(Element, ShortNodalArrayCountsMissingValuesAsZero)
{
    Element element(0, 3, 1, 2.0, 1);
    TNT::Array1D<double> two(2, 1.0);
    element.set_m_db_Solution(two);
    // Nodes 0 and 1 at 1, node 2 at 0: at xi = 0 (middle point) that is 1.
    EXPECT_NEAR(element.get_m_db_Solution()[1], 1.0, 1e-15);
}

TEST(Element, ChangingTheLengthRescalesTheTablesForTheNextComputation)
{
    Problem problem;
    Element element(0, 2, 1, 0.5, 1);
    element.set_Object(&problem);
    element.set_FunctionCalculK(Problem::CalculK);
    element.CalculLocalMatrixK();
    EXPECT_NEAR(element.get_m_mdb_K(0, 0), 2.0, 1e-9);

    element.set_m_db_Length(2.0);
    EXPECT_EQ(element.get_m_db_Length(), 2.0);
    EXPECT_NEAR(element.get_m_mdb_K(0, 0), 2.0, 1e-9); // not recomputed yet
    element.CalculLocalMatrixK();
    EXPECT_NEAR(element.get_m_mdb_K(0, 0), 0.5, 1e-9);
    EXPECT_NEAR(element.get_m_mdb_K(0, 1), -0.5, 1e-9);
}

// Fills every array of an element with entries that tell it apart.
void Fill(Element& element, double base)
{
    const int N = element.get_m_int_NumberOfNode();
    TNT::Array1D<double> nodal(N, 0.0);
    for (int i = 0; i < N; ++i)
    {
        nodal[i] = base + i;
        element.get_m_mdb_F()[i] = base - i;
        for (int j = 0; j < N; ++j)
        {
            element.get_m_mdb_K(i, j) = base + 10 * i + j;
            element.get_m_mdb_dK(i, j) = base - 10 * i - j;
            element.get_m_mdb_M(i, j) = base * (i + 1) + j;
        }
    }
    element.set_m_db_Solution(nodal);
}

std::string Report(Element& element)
{
    CaptureStdout out(false);
    element.Info();
    return out.Take();
}

void ExpectSameState(Element& a, Element& b)
{
    ASSERT_EQ(a.get_m_int_NumberOfNode(), b.get_m_int_NumberOfNode());
    const int N = a.get_m_int_NumberOfNode();
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
        {
            EXPECT_EQ(a.get_m_mdb_K(i, j), b.get_m_mdb_K(i, j));
            EXPECT_EQ(a.get_m_mdb_dK(i, j), b.get_m_mdb_dK(i, j));
            EXPECT_EQ(a.get_m_mdb_M(i, j), b.get_m_mdb_M(i, j));
        }
    ASSERT_EQ(a.get_m_db_Solution().dim(), b.get_m_db_Solution().dim());
    for (int t = 0; t < a.get_m_db_Solution().dim(); ++t)
        EXPECT_EQ(a.get_m_db_Solution()[t], b.get_m_db_Solution()[t]);
    EXPECT_EQ(a.get_m_db_Length(), b.get_m_db_Length());
    EXPECT_EQ(a.get_m_int_DataNumber(), b.get_m_int_DataNumber());
    EXPECT_EQ(a.get_m_int_ElementNumber(), b.get_m_int_ElementNumber());

    // The whole report, the integrand flags and F included, is the same
    // (each capture starts from and restores the same stream settings).
    EXPECT_EQ(Report(a), Report(b));
}

struct AssignmentCase
{
    int targetType, targetNodes, sourceType, sourceNodes;
};

void PrintTo(const AssignmentCase& c, std::ostream* os)
{
    *os << "type " << c.targetType << "/" << c.targetNodes << " = type " << c.sourceType << "/" << c.sourceNodes;
}

class ElementAssignmentTest : public ::testing::TestWithParam<AssignmentCase>
{
};

TEST_P(ElementAssignmentTest, TargetBecomesEqualToTheSourceInItsOwnStorage)
{
    const AssignmentCase c = GetParam();
    Problem problem;
    Element target(c.targetType, c.targetNodes, 1, 0.5, 1);
    Element source(c.sourceType, c.sourceNodes, 2, 1.5, 3);
    Fill(target, 100.0);
    Fill(source, 7.0);
    source.set_Object(&problem);
    source.set_FunctionCalculK(Problem::CalculK);
    source.set_FunctionCalculM(Problem::CalculM);
    source.set_FunctionCalculF(Problem::CalculF);

    target = source;
    ExpectSameState(target, source);

    // Own storage: changing the source afterwards leaves the target alone.
    const double before = target.get_m_mdb_K(0, 0);
    source.get_m_mdb_K(0, 0) = -1.0;
    source.get_m_db_Solution()[0] = -1.0;
    EXPECT_EQ(target.get_m_mdb_K(0, 0), before);
    EXPECT_NE(target.get_m_db_Solution()[0], -1.0);

    // The target computes with the source's integrands, type and length.
    Element reference(c.sourceType, c.sourceNodes, 2, 1.5, 3);
    reference.set_Object(&problem);
    reference.set_FunctionCalculK(Problem::CalculK);
    reference.CalculLocalMatrixK();
    target.CalculLocalMatrixK();
    for (int i = 0; i < target.get_m_int_NumberOfNode(); ++i)
        for (int j = 0; j < target.get_m_int_NumberOfNode(); ++j)
            EXPECT_EQ(target.get_m_mdb_K(i, j), reference.get_m_mdb_K(i, j));
}

INSTANTIATE_TEST_SUITE_P(TypesAndSizes, ElementAssignmentTest,
                         ::testing::Values(AssignmentCase{0, 2, 1, 4}, AssignmentCase{1, 4, 0, 2},
                                           AssignmentCase{0, 3, 0, 3}, AssignmentCase{0, 4, 1, 4},
                                           AssignmentCase{1, 4, 1, 4}, AssignmentCase{0, 2, 0, 4}));

TEST(Element, AssignmentOfEqualSizesKeepsTheTargetsStorage)
{
    Element target(0, 3, 1, 0.5, 1);
    Element source(0, 3, 2, 1.0, 1);
    Fill(source, 5.0);
    TNT::Array2D<double> view = target.get_m_mdb_K();
    target = source;
    EXPECT_EQ(view[2][1], source.get_m_mdb_K(2, 1));
}

TEST(Element, SelfAssignmentChangesNothing)
{
    Element element(1, 4, 3, 2.0, 1);
    Fill(element, 3.0);
    const std::string before = Report(element);
    const Element& result = (element = element);
    EXPECT_EQ(&result, &element);
    EXPECT_EQ(Report(element), before);
}

TEST(Element, CopyConstructionIsDeep)
{
    Problem problem;
    Element original(0, 4, 5, 0.8, 2);
    Fill(original, 2.0);
    original.set_Object(&problem);
    original.set_FunctionCalculF(Problem::CalculF);
    {
        Element copy(original);
        ExpectSameState(copy, original);
        copy.get_m_mdb_M(1, 1) = 1234.0;
        copy.CalculForce();
        EXPECT_NE(original.get_m_mdb_M(1, 1), 1234.0);
        EXPECT_EQ(original.get_m_mdb_F(0), 2.0); // untouched by the copy's computation
        EXPECT_NEAR(copy.get_m_mdb_F(0), 0.8 / 8, 1e-9);
    } // the copy frees only what it owns
    EXPECT_EQ(original.get_m_mdb_K(3, 3), 2.0 + 33);
}

} // namespace

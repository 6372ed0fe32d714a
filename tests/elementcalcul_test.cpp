// Element local matrices and force vector against closed forms.
#include "element.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "capture_stdout.h"
#include "problem.h"

namespace
{

using Matrix = std::vector<std::vector<double>>;

Matrix Scaled(double factor, const Matrix& m)
{
    Matrix result = m;
    for (auto& row : result)
        for (double& v : row)
            v *= factor;
    return result;
}

struct ClosedForm
{
    const char* name;
    int type;
    int nodes;
    double length;
    // K = integral of psi'_i psi'_j, M = integral of psi_i psi_j, F = integral of psi_i.
    std::function<Matrix(double)> K, M;
    std::function<std::vector<double>(double)> F;
};

void PrintTo(const ClosedForm& c, std::ostream* os) { *os << c.name; }

// The stored rules carry 9 to 10 decimals.
constexpr double kRelTol = 1e-8;

void ExpectMatrix(Element& element, TNT::Array2D<double> actual, const Matrix& expected)
{
    const int N = element.get_m_int_NumberOfNode();
    ASSERT_EQ(actual.dim1(), N);
    for (int i = 0; i < N; ++i)
        for (int j = 0; j < N; ++j)
            EXPECT_NEAR(actual[i][j], expected[i][j], kRelTol * (1 + std::fabs(expected[i][j])))
                << "entry (" << i << ", " << j << ")";
}

class ClosedFormTest : public ::testing::TestWithParam<ClosedForm>
{
};

TEST_P(ClosedFormTest, MatricesAndLoadMatchTheExactIntegrals)
{
    const ClosedForm& c = GetParam();
    Problem problem;
    Element element(c.type, c.nodes, 1, c.length, 1);
    element.set_Object(&problem);
    element.set_FunctionCalculK(Problem::CalculK);
    element.set_FunctionCalculM(Problem::CalculM);
    element.set_FunctionCalculF(Problem::CalculF);
    element.CalculLocalMatrixK();
    element.CalculLocalMatrixM();
    element.CalculForce();

    ExpectMatrix(element, element.get_m_mdb_K(), c.K(c.length));
    ExpectMatrix(element, element.get_m_mdb_M(), c.M(c.length));
    const std::vector<double> F = c.F(c.length);
    for (int i = 0; i < element.get_m_int_NumberOfNode(); ++i)
        EXPECT_NEAR(element.get_m_mdb_F(i), F[i], kRelTol) << "entry " << i;

    // A second run overwrites instead of adding.
    element.CalculLocalMatrixK();
    ExpectMatrix(element, element.get_m_mdb_K(), c.K(c.length));
}

// Hermite degrees of freedom carry the slopes with their sign reversed, which
// flips the sign of every entry coupling a value with a slope.
INSTANTIATE_TEST_SUITE_P(
    Elements, ClosedFormTest,
    ::testing::Values(ClosedForm{"Linear", 0, 2, 0.5,
                                 [](double L) {
                                     return Scaled(1 / L, {{1, -1}, {-1, 1}});
                                 },
                                 [](double L) {
                                     return Scaled(L / 6, {{2, 1}, {1, 2}});
                                 },
                                 [](double L) {
                                     return std::vector<double>{L / 2, L / 2};
                                 }},
                      ClosedForm{"Quadratic", 0, 3, 2.0,
                                 [](double L) {
                                     return Scaled(1 / (3 * L), {{7, -8, 1}, {-8, 16, -8}, {1, -8, 7}});
                                 },
                                 [](double L) {
                                     return Scaled(L / 30, {{4, 2, -1}, {2, 16, 2}, {-1, 2, 4}});
                                 },
                                 [](double L) {
                                     return std::vector<double>{L / 6, 2 * L / 3, L / 6};
                                 }},
                      ClosedForm{"Cubic", 0, 4, 1.2,
                                 [](double L)
                                 {
                                     return Scaled(1 / (40 * L), {{148, -189, 54, -13},
                                                                  {-189, 432, -297, 54},
                                                                  {54, -297, 432, -189},
                                                                  {-13, 54, -189, 148}});
                                 },
                                 [](double L) {
                                     return Scaled(L / 1680, {{128, 99, -36, 19},
                                                              {99, 648, -81, -36},
                                                              {-36, -81, 648, 99},
                                                              {19, -36, 99, 128}});
                                 },
                                 [](double L) {
                                     return std::vector<double>{L / 8, 3 * L / 8, 3 * L / 8, L / 8};
                                 }},
                      ClosedForm{"Hermite", 1, 4, 1.7,
                                 // K here is the integral of psi'_i psi'_j (CalculK); the
                                 // beam stiffness (second derivatives) is checked below.
                                 [](double L)
                                 {
                                     return Scaled(1 / (30 * L), {{36, -3 * L, -36, -3 * L},
                                                                  {-3 * L, 4 * L * L, 3 * L, -L * L},
                                                                  {-36, 3 * L, 36, 3 * L},
                                                                  {-3 * L, -L * L, 3 * L, 4 * L * L}});
                                 },
                                 [](double L)
                                 {
                                     return Scaled(L / 420, {{156, -22 * L, 54, 13 * L},
                                                             {-22 * L, 4 * L * L, -13 * L, -3 * L * L},
                                                             {54, -13 * L, 156, 22 * L},
                                                             {13 * L, -3 * L * L, 22 * L, 4 * L * L}});
                                 },
                                 [](double L) {
                                     return std::vector<double>{L / 2, -L * L / 12, L / 2, L * L / 12};
                                 }}),
    [](const ::testing::TestParamInfo<ClosedForm>& info) { return info.param.name; });

TEST(ElementCalcul, HermiteBeamStiffness)
{
    for (double L : {1.0, 2.5})
    {
        Problem problem;
        Element element(1, 4, 1, L, 1);
        element.set_Object(&problem);
        element.set_FunctionCalculK(Problem::CalculK2);
        element.CalculLocalMatrixK();
        ExpectMatrix(element, element.get_m_mdb_K(),
                     Scaled(1 / (L * L * L), {{12, -6 * L, -12, -6 * L},
                                              {-6 * L, 4 * L * L, 6 * L, 2 * L * L},
                                              {-12, 6 * L, 12, 6 * L},
                                              {-6 * L, 2 * L * L, 6 * L, 4 * L * L}}));
    }
}

// The first element of the element test program: set 3 is not symmetric.
TEST(ElementCalcul, SetThreeOnTheLinearElement)
{
    Problem problem;
    Element element(0, 2, 1, 0.5, 1);
    element.set_Object(&problem);
    element.set_FunctionCalculK(Problem::CalculK3);
    element.CalculLocalMatrixK();
    ExpectMatrix(element, element.get_m_mdb_K(), {{-1.0 / 6, 2.0 / 3}, {-1.0 / 3, 5.0 / 6}});
}

double One(void*, int&, double&, double&, double&, double&, double&, double&, double&, double&) { return 1.0; }

// dK integrand psi_k psi'_i psi'_j: with nodal values summing the psi_k to 1, dK = K.
double KWeightedByK(void*, int&, double&, double&, double&, double& dPsij, double&, double& dPsii, double&,
                    double& Psik, double&, double&)
{
    return Psik * dPsii * dPsij;
}

// psi_k psi_j psi'_i: tells row from column.
double ColumnValueRowSlope(void*, int&, double&, double&, double& Psij, double&, double&, double& dPsii, double&,
                           double& Psik, double&, double&)
{
    return Psik * Psij * dPsii;
}

TEST(ElementCalcul, DerivativeOfStiffnessWeightsByTheNodalValues)
{
    for (int nodes : {2, 3, 4})
    {
        Problem problem;
        Element element(0, nodes, 1, 0.9, 1);
        element.set_Object(&problem);
        element.set_FunctionCalculK(Problem::CalculK);
        element.set_FunctionCalculdK(KWeightedByK);

        element.CalculLocalMatrixdK(); // nodal values still 0
        for (int i = 0; i < nodes; ++i)
            for (int j = 0; j < nodes; ++j)
                EXPECT_EQ(element.get_m_mdb_dK(i, j), 0.0);

        TNT::Array1D<double> ones(nodes, 1.0);
        element.set_m_db_Solution(ones);
        element.CalculLocalMatrixK();
        element.CalculLocalMatrixdK();
        for (int i = 0; i < nodes; ++i)
            for (int j = 0; j < nodes; ++j)
                EXPECT_NEAR(element.get_m_mdb_dK(i, j), element.get_m_mdb_K(i, j), 1e-12);
    }

    Element linear(0, 2, 1, 0.5, 1);
    TNT::Array1D<double> ones(2, 1.0);
    linear.set_m_db_Solution(ones);
    linear.set_FunctionCalculdK(ColumnValueRowSlope);
    linear.CalculLocalMatrixdK();
    ExpectMatrix(linear, linear.get_m_mdb_dK(), {{-0.5, -0.5}, {0.5, 0.5}});
}

TEST(ElementCalcul, ConstantIntegrandGivesTheLength)
{
    Element element(1, 4, 1, 2.5, 1);
    element.set_FunctionCalculK(One);
    element.CalculLocalMatrixK();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            EXPECT_NEAR(element.get_m_mdb_K(i, j), 2.5, 1e-8);
}

struct Recorder
{
    int calls = 0;
    int* type = nullptr;
    double* solution = nullptr;
};

double RecordK(void* object, int& Type, double& Solution, double&, double&, double&, double&, double&, double&, double&)
{
    Recorder* r = static_cast<Recorder*>(object);
    ++r->calls;
    r->type = &Type;
    r->solution = &Solution;
    return 0.0;
}

double RecordM(void* object, int&, double&, double&, double&, double&, double&, double&, double&)
{
    ++static_cast<Recorder*>(object)->calls;
    return 0.0;
}

double RecordF(void* object, int&, double&, double&, double&)
{
    ++static_cast<Recorder*>(object)->calls;
    return 0.0;
}

double RecorddK(void* object, int&, double&, double&, double&, double&, double&, double&, double&, double&, double&,
                double&)
{
    ++static_cast<Recorder*>(object)->calls;
    return 0.0;
}

TEST(ElementCalcul, CallsEachIntegrandOncePerEntryAndPointWithTheElementsOwnData)
{
    Recorder recorder;
    Element element(1, 4, 1, 1.0, 6); // N = 4, G = 5
    element.set_Object(&recorder);
    element.set_FunctionCalculK(RecordK);
    element.set_FunctionCalculdK(RecorddK);
    element.set_FunctionCalculM(RecordM);
    element.set_FunctionCalculF(RecordF);

    element.CalculLocalMatrixK();
    EXPECT_EQ(recorder.calls, 4 * 4 * 5);
    ASSERT_NE(recorder.type, nullptr);
    EXPECT_EQ(*recorder.type, 6);
    EXPECT_EQ(recorder.solution, &element.get_m_db_Solution()[4]); // the last call was at the last point
    recorder.calls = 0;
    element.CalculLocalMatrixdK();
    EXPECT_EQ(recorder.calls, 4 * 4 * 4 * 5);
    recorder.calls = 0;
    element.CalculAll();
    EXPECT_EQ(recorder.calls, 2 * 4 * 4 * 5 + 4 * 4 * 4 * 5 + 4 * 5);
}

TEST(ElementCalcul, OperationsWithoutTheirIntegrandLeaveTheirResultAlone)
{
    Problem problem;
    CaptureStdout out;
    Element element(0, 2, 1, 0.5, 1);
    element.get_m_mdb_K(0, 0) = 11.0;
    element.get_m_mdb_dK(0, 0) = 22.0;
    element.get_m_mdb_M(0, 0) = 33.0;
    element.get_m_mdb_F()[0] = 44.0;
    element.CalculAll();
    EXPECT_EQ(element.get_m_mdb_K(0, 0), 11.0);
    EXPECT_EQ(element.get_m_mdb_dK(0, 0), 22.0);
    EXPECT_EQ(element.get_m_mdb_M(0, 0), 33.0);
    EXPECT_EQ(element.get_m_mdb_F(0), 44.0);

    // Only the missing dK is skipped.
    element.set_Object(&problem);
    element.set_FunctionCalculK(Problem::CalculK);
    element.set_FunctionCalculM(Problem::CalculM);
    element.set_FunctionCalculF(Problem::CalculF);
    element.CalculAll();
    EXPECT_NEAR(element.get_m_mdb_K(0, 0), 2.0, 1e-9);
    EXPECT_EQ(element.get_m_mdb_dK(0, 0), 22.0);
    EXPECT_NEAR(element.get_m_mdb_M(0, 0), 0.5 / 3, 1e-9);
    EXPECT_NEAR(element.get_m_mdb_F(0), 0.25, 1e-9);
    EXPECT_EQ(out.Take(), "");
}

TEST(ElementCalcul, NodeCountOutOfStepWithTheArraysStaysInsideThem)
{
    Problem problem;
    Element element(0, 2, 1, 0.5, 1);
    element.set_Object(&problem);
    element.set_FunctionCalculK(Problem::CalculK);
    element.set_FunctionCalculdK(KWeightedByK);
    element.set_FunctionCalculM(Problem::CalculM);
    element.set_FunctionCalculF(Problem::CalculF);
    element.set_m_int_NumberOfNode(4); // larger than every array and table
    element.set_m_mdb_M(TNT::Array2D<double>(1, 1, 0.0));
    element.CalculAll();
    TNT::Array1D<double> nodal(4, 1.0);
    element.set_m_db_Solution(nodal);
    EXPECT_NEAR(element.get_m_mdb_K(1, 1), 2.0, 1e-9);
    EXPECT_NEAR(element.get_m_mdb_M(0, 0), 0.5 / 3, 1e-9);
    EXPECT_EQ(element.get_m_mdb_M().dim1(), 1);
}

} // namespace

namespace
{

// An F integrand that returns the physical coordinate of its point: F_0 + F_1
// is then the integral of x over the element.
double PositionLoad(void* point, int&, double&, double& Psii, double&)
{
    return static_cast<IntegrationPoint*>(point)->m_db_x * Psii;
}

TEST(ElementPlaces, IntegrandsSeeThePhysicalCoordinateOfTheirPoint)
{
    for (int type : {0, 1})
    {
        IntegrationPoint point{};
        Element element(type, 3, 1, 0.5, 1, RuleDigits::Full);
        element.set_m_db_Origin(2.0);
        element.set_Object(&point);
        element.set_IntegrationPoint(&point);
        element.set_FunctionCalculF(PositionLoad);
        element.CalculForce();
        // The value functions sum to 1, so their entries add up to the integral of x from 2 to 2.5.
        const double first = element.get_m_mdb_F(0), last = element.get_m_mdb_F(2);
        EXPECT_EQ(point.m_db_Start, 2.0);
        EXPECT_EQ(point.m_db_End, 2.5);
        if (type == 0)
        {
            EXPECT_NEAR(first + element.get_m_mdb_F(1) + last, 0.5 * 2.25, 1e-15);
            EXPECT_NEAR(first, 0.5 * 2.0 / 6.0, 1e-15); // integral of x psi_0 for the quadratic: L a / 6
        }
        else
            EXPECT_NEAR(first + last, 0.5 * 2.25, 1e-15);
        // A copy writes into the same point; without a point nothing is written.
        Element copy(element);
        point.m_db_x = -1.0;
        copy.CalculForce();
        EXPECT_NE(point.m_db_x, -1.0);
        element.set_IntegrationPoint(nullptr);
        point.m_db_x = -1.0;
        element.set_Object(&point);
        element.CalculForce();
        EXPECT_EQ(point.m_db_x, -1.0);
    }
}

TEST(ElementPlaces, FullDigitRulesMakeExactIntegralsExactToRounding)
{
    // The tabled 5-point rule gives the Hermite K(0, 0) of integral psi'' psi'' as 11.99999999.
    Problem problem;
    Element tabled(1, 4, 1, 1.0, 1), full(1, 4, 1, 1.0, 1, RuleDigits::Full);
    for (Element* e : {&tabled, &full})
    {
        e->set_Object(&problem);
        e->set_FunctionCalculK(Problem::CalculK2);
        e->CalculLocalMatrixK();
    }
    EXPECT_GT(std::fabs(tabled.get_m_mdb_K(0, 0) - 12.0), 1e-9);
    EXPECT_NEAR(full.get_m_mdb_K(0, 0), 12.0, 1e-13);
    EXPECT_NEAR(full.get_m_mdb_K(1, 3), 2.0, 1e-14);
    EXPECT_EQ(full.get_m_e_RuleDigits(), RuleDigits::Full);
    tabled = full; // assignment takes the rule's digits
    tabled.CalculLocalMatrixK();
    EXPECT_NEAR(tabled.get_m_mdb_K(0, 0), 12.0, 1e-13);
}

} // namespace

// fem1d against closed forms, through problem files: each physics, the
// coefficient functions of x and the regions, conditions, reactions,
// Newton's method, modes and convergence studies.
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <sstream>
#include <string>

#include "csvwriter.h"
#include "problemreader.h"
#include "report.h"
#include "solver.h"
#include "tables.h"

namespace
{

const double kPi = 3.14159265358979323846;

// A problem file solved as fem1d solves it.
struct Solved
{
    Problem problem;
    Results results;
    Table nodes;

    explicit Solved(const std::string& text)
    {
        std::istringstream in(text);
        problem = ReadProblem(in, "test.fem", "test");
        results = SolveProblem(problem);
        nodes = NodeTable(results);
    }
    // The column's value at the node at x.
    double At(const std::string& column, double x) const
    {
        const Column* found = nullptr;
        for (const Column& c : nodes.m_v_Columns)
            if (c.m_s_Name == column)
                found = &c;
        EXPECT_NE(found, nullptr) << column;
        for (std::size_t i = 0; i < nodes.Rows(); ++i)
            if (std::fabs(nodes[0].m_vdb_Values[i] - x) < 1e-12)
                return found->m_vdb_Values[i];
        ADD_FAILURE() << "no node at x = " << x;
        return NAN;
    }
    double Reaction(std::size_t i) const { return results.m_o_ptrStatic->get_m_v_Reactions().at(i).m_db_Value; }
};

// Every node of the table: the closed form of the column at x.
template <class Exact> void ExpectColumn(const Solved& s, std::size_t column, Exact exact, double tolerance)
{
    for (std::size_t i = 0; i < s.nodes.Rows(); ++i)
    {
        const double x = s.nodes[0].m_vdb_Values[i];
        EXPECT_NEAR(s.nodes[column].m_vdb_Values[i], exact(x), tolerance)
            << s.nodes[column].m_s_Name << " at x = " << x;
    }
}

TEST(Diffusion, UniformSourceIsExactForQuadraticElements)
{
    // -u'' = 2 on [0, 1], u(0) = u(1) = 0: u = x (1 - x), flux = -(1 - 2x).
    const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (5)\nElement (Lagrange, 2)\nSource (2)\n"
                   "#Fixed value: (0, 0)\n#Fixed value: (1, 0)\n");
    ASSERT_EQ(s.nodes.Rows(), 11u); // interior nodes included
    ExpectColumn(
        s, 1, [](double x) { return x * (1 - x); }, 1e-14);
    ExpectColumn(
        s, 2, [](double x) { return 1 - 2 * x; }, 1e-13);
    ExpectColumn(
        s, 3, [](double x) { return -(1 - 2 * x); }, 1e-13);
    EXPECT_NEAR(s.Reaction(0), -1.0, 1e-13);
    EXPECT_NEAR(s.Reaction(1), -1.0, 1e-13);
}

TEST(Diffusion, LinearSourceRunsFromTheDomainsStartToItsEnd)
{
    // -u'' = x on [0, 1] (Source (0, 1)), u(0) = u(1) = 0: u = x (1 - x^2) / 6.
    const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (6)\nElement (Lagrange, 3)\nSource (0, 1)\n"
                   "#Fixed value: (0, 0)\n#Fixed value: (1, 0)\n");
    ExpectColumn(
        s, 1, [](double x) { return x * (1 - x * x) / 6; }, 1e-14);
    ExpectColumn(
        s, 2, [](double x) { return (1 - 3 * x * x) / 6; }, 1e-13);
}

TEST(Diffusion, StepsInConductivityAveragedAtTheInterface)
{
    // A bar fixed at 0, pulled by P at 1; EA = 2 on [0, 0.5), 8 on [0.5, 1]:
    // u' = P / EA on each side, and the node at 0.5 holds the mean of both.
    const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (4)\nConductivity (2)\nRegion (0.5, 1)\n"
                   "Conductivity (8)\n#Fixed value: (0, 0)\n#Point load: (1, 4)\n");
    EXPECT_NEAR(s.At("u", 0.5), 4 * 0.5 / 2, 1e-14);
    EXPECT_NEAR(s.At("u", 1.0), 4 * 0.5 / 2 + 4 * 0.5 / 8, 1e-14);
    EXPECT_NEAR(s.At("dudx", 0.5), 0.5 * (4.0 / 2 + 4.0 / 8), 1e-13);
    ExpectColumn(
        s, 3, [](double) { return -4.0; }, 1e-12);
    EXPECT_NEAR(s.Reaction(0), -4.0, 1e-12);
}

TEST(Diffusion, OverlappingRegionsTheLastHolds)
{
    // EA 2 on [0, 1], then 4 on [0.25, 0.5]: the end load P = 1 stretches the bar by sum of l / EA.
    const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (8)\nRegion (0, 1)\nConductivity (2)\n"
                   "Region (0.25, 0.5)\nConductivity (4)\n#Fixed value: (0, 0)\n#Point load: (1, 1)\n");
    EXPECT_NEAR(s.At("u", 1.0), 0.25 / 2 + 0.25 / 4 + 0.5 / 2, 1e-14);
    EXPECT_NEAR(s.At("u", 0.5), 0.25 / 2 + 0.25 / 4, 1e-14);
}

TEST(Diffusion, RegionKeepsTheWholeDomainsFunctionsOfX)
{
    // a = 1 + 2x over [0, 1]; the region [0.5, 1] adds f = 1 and keeps a as it is (not
    // restarted from 1 at x = 0.5). u(0) = 0, no flux at 1: flux = -(1 - max(x, 1/2)),
    // u(1) = ln(2) / 4 - 1/4 + 3 ln(3/2) / 4.
    const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (40)\nElement (Lagrange, 3)\n"
                   "Conductivity (1, 3)\nRegion (0.5, 1)\nSource (1)\n#Fixed value: (0, 0)\n");
    EXPECT_NEAR(s.At("u", 1.0), std::log(2.0) / 4 - 0.25 + 0.75 * std::log(1.5), 1e-10);
    EXPECT_NEAR(s.At("flux", 0.25), -0.5, 1e-6);
    EXPECT_NEAR(s.At("flux", 0.75), -0.25, 1e-6);
    EXPECT_NEAR(s.Reaction(0), -0.5, 1e-10);
}

TEST(Diffusion, RegionCoefficientWithTwoValuesRunsOverTheRegion)
{
    // f = 0 on [0, 0.5], f from 0 to 2 over [0.5, 1], u(0) = 0, no flux at 1: the reaction
    // balances the load integral 0.5, and u(1) = integral of (load beyond x) = 1/12 + 1/24.
    const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (20)\nElement (Lagrange, 3)\n"
                   "Region (0.5, 1)\nSource (0, 2)\n#Fixed value: (0, 0)\n");
    EXPECT_NEAR(s.Reaction(0), -0.5, 1e-12);
    // u' is the load beyond x: 0.5 up to x = 0.5, then 2 (0.25 - (x - 0.5)^2), so
    // u(1) = 0.25 + integral over [0.5, 1] of 2 (0.25 - (x - 0.5)^2).
    EXPECT_NEAR(s.At("u", 1.0), 0.25 + 2 * (0.125 - 0.125 / 3), 1e-12);
}

TEST(Diffusion, CoolingFinWithConvectiveTip)
{
    // -T'' + m^2 T = m^2 T_inf, T(0) = T0, -T'(L) = H (T(L) - T_inf) with k = 1:
    // theta = T - T_inf = theta0 (cosh m(L - x) + (H/m) sinh m(L - x)) / (cosh mL + (H/m) sinh mL).
    const double m = 3.0, L = 1.0, H = 2.0, T0 = 100, Tinf = 20;
    const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (40)\nElement (Lagrange, 3)\nReaction (9)\n"
                   "Source (180)\n#Fixed value: (0, 100)\nConvective (1, 2, 20)\n");
    auto theta = [&](double x)
    {
        return (T0 - Tinf) * (std::cosh(m * (L - x)) + H / m * std::sinh(m * (L - x))) /
               (std::cosh(m * L) + H / m * std::sinh(m * L));
    };
    ExpectColumn(
        s, 1, [&](double x) { return Tinf + theta(x); }, 2e-6); // cubic elements: h^4
    EXPECT_NEAR(s.At("flux", 1.0), H * theta(1.0), 1e-4);       // a one-sided derivative
    // The base supplies what the length and the tip give off.
    EXPECT_NEAR(s.Reaction(0),
                (T0 - Tinf) * m * (std::sinh(m * L) + H / m * std::cosh(m * L)) /
                    (std::cosh(m * L) + H / m * std::sinh(m * L)),
                1e-7);
}

TEST(Diffusion, ConvectionBoundaryLayerConvergesAtSecondOrder)
{
    // -u'' + 3 u' = 0, u(0) = 0, u(1) = 1: u = (e^{3x} - 1) / (e^3 - 1); the convergence
    // study's change falls as h^2 for linear elements.
    const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (10)\nConvection (3)\n#Fixed value: (0, 0)\n"
                   "#Fixed value: (1, 1)\nRefine (3)\n");
    const Table t = ConvergenceTable(s.results);
    ASSERT_EQ(t.Rows(), 4u);
    EXPECT_TRUE(std::isnan(t[3].m_vdb_Values[0]));
    EXPECT_TRUE(std::isnan(t[4].m_vdb_Values[1]));
    EXPECT_NEAR(t[4].m_vdb_Values[3], 2.0, 0.05);
    EXPECT_EQ(t[1].m_v_Text[3], "80");
    ExpectColumn(
        s, 1, [](double x) { return std::expm1(3 * x) / std::expm1(3.0); }, 2e-4);
}

TEST(Diffusion, ConvergenceStudyOrdersFollowTheElementOrder)
{
    // L2 change of order p + 1 for Lagrange p, on -((1 + x) u')' = 1.
    for (int p : {1, 2})
    {
        const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (4)\nElement (Lagrange, " + std::to_string(p) +
                       ")\nConductivity (1, 2)\nSource (1)\n#Fixed value: (0, 0)\n#Fixed value: (1, 0)\nRefine (3)\n");
        const Table t = ConvergenceTable(s.results);
        EXPECT_NEAR(t[4].m_vdb_Values[3], p + 1, 0.1) << "p = " << p;
    }
}

TEST(Diffusion, TemperatureDependentConductivityByNewton)
{
    // -((1 + u) u')' = 0, u(0) = 0, u(1) = 1: u = -1 + (1 + 3x)^(1/2), flux -3/2.
    const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (64)\nElement (Lagrange, 2)\nNonlinear (1)\n"
                   "#Fixed value: (0, 0)\n#Fixed value: (1, 1)\nNewton (1e-12, 30)\n");
    ExpectColumn(
        s, 1, [](double x) { return -1 + std::sqrt(1 + 3 * x); }, 1e-7);
    ExpectColumn(
        s, 3, [](double) { return -1.5; }, 1e-3);
    const std::vector<double>& r = s.results.m_o_ptrStatic->get_m_vdb_Residuals();
    ASSERT_GE(r.size(), 3u);
    EXPECT_LE(r.back(), 1e-12 * r.front());
    // The heat that enters at x = 1 leaves at x = 0.
    EXPECT_NEAR(s.Reaction(0), -1.5, 1e-6);
    EXPECT_NEAR(s.Reaction(1), 1.5, 1e-6);
}

TEST(Diffusion, SpringAndPointLoadBalanceTheReaction)
{
    // Fixed at 0, spring k = 3 at 1, load P = 2 at 1: u(1) = P / (EA / L + k).
    const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (3)\nConductivity (6)\n#Fixed value: (0, 0)\n"
                   "Spring (1, 3)\n#Point load: (1, 2)\n");
    EXPECT_NEAR(s.At("u", 1.0), 2.0 / (6 + 3), 1e-14);
    EXPECT_NEAR(s.Reaction(0) + 2.0 - 3 * s.At("u", 1.0), 0.0, 1e-13);
}

TEST(Beam, CantileverTipLoadIsExactInEveryColumn)
{
    // w = P x^2 (3L - x) / (6 EI), moment EI w'' = P (L - x), shear = -P.
    const double P = -5, EI = 2, L = 3;
    const Solved s("Equation (Beam)\nDomain (0, 3)\nElements (6)\nRigidity (2)\n#Fixed value: (0, 0)\n"
                   "#Fixed slope: (0, 0)\n#Point load: (3, -5)\n");
    ExpectColumn(
        s, 1, [&](double x) { return P * x * x * (3 * L - x) / (6 * EI); }, 1e-13);
    ExpectColumn(
        s, 2, [&](double x) { return P * x * (2 * L - x) / (2 * EI); }, 1e-13);
    ExpectColumn(
        s, 3, [&](double x) { return P * (L - x); }, 1e-11);
    ExpectColumn(
        s, 4, [&](double) { return -P; }, 1e-10);
    EXPECT_NEAR(s.Reaction(0), -P, 1e-11);     // the root force
    EXPECT_NEAR(s.Reaction(1), -P * L, 1e-11); // the root moment, against the load's
}

TEST(Beam, TaperedRigidityEntersTheShear)
{
    // EI = 1 + x on [0, 1] and w = x^3, held by its values and slopes at both
    // ends, under q = (EI w'')'' = 12: moment 6x (1 + x), shear 6 + 12 x.
    const Solved s("Equation (Beam)\nDomain (0, 1)\nElements (5)\nRigidity (1, 2)\nLoad (12)\n"
                   "#Fixed value: (0, 0)\n#Fixed slope: (0, 0)\n#Fixed value: (1, 1)\n#Fixed slope: (1, 3)\n");
    ExpectColumn(
        s, 1, [](double x) { return x * x * x; }, 1e-13);
    ExpectColumn(
        s, 3, [](double x) { return 6 * x * (1 + x); }, 1e-10);
    ExpectColumn(
        s, 4, [](double x) { return 6 + 12 * x; }, 1e-9);
}

TEST(Beam, SimplySupportedPointLoadOffTheUniformNodes)
{
    // P at a = 0.7 on a span of 2: w(a) = P a^2 b^2 / (3 EI L), reactions -P b / L and -P a / L.
    const double P = -4, a = 0.7, b = 1.3, L = 2, EI = 2;
    const Solved s("Equation (Beam)\nDomain (0, 2)\nElements (4)\nRigidity (2)\n#Fixed value: (0, 0)\n"
                   "#Fixed value: (2, 0)\n#Point load: (0.7, -4)\n");
    EXPECT_EQ(s.results.m_o_ptrModel->get_Discretisation().get_Mesh().get_m_int_NumberOfElements(), 4);
    EXPECT_NEAR(s.At("w", a), P * a * a * b * b / (3 * EI * L), 1e-13);
    EXPECT_NEAR(s.Reaction(0), -P * b / L, 1e-12);
    EXPECT_NEAR(s.Reaction(1), -P * a / L, 1e-12);
    EXPECT_NEAR(s.At("moment", a), -P * a * b / L, 1e-10); // sagging; at the kink both sides agree
}

TEST(Beam, TwoSpansShareTheLoadThreeEighthsFiveQuarters)
{
    const Solved s("Equation (Beam)\nDomain (0, 2)\nElements (8)\nLoad (1.5)\n#Fixed value: (0, 0)\n"
                   "#Fixed value: (1, 0)\n#Fixed value: (2, 0)\n");
    EXPECT_NEAR(s.Reaction(0), -3 * 1.5 / 8, 1e-12);
    EXPECT_NEAR(s.Reaction(1), -5 * 1.5 / 4, 1e-12);
    EXPECT_NEAR(s.Reaction(2), -3 * 1.5 / 8, 1e-12);
}

TEST(Beam, FoundationAloneCarriesAProportionalLoad)
{
    // k = 2 and q = k (2 + x) from 4 to 6: a free beam settles into w = 2 + x, no bending.
    const Solved s("Equation (Beam)\nDomain (0, 1)\nElements (4)\nFoundation (2)\nLoad (4, 6)\n");
    ExpectColumn(
        s, 1, [](double x) { return 2 + x; }, 1e-12);
    ExpectColumn(
        s, 3, [](double) { return 0.0; }, 1e-10);
}

TEST(Beam, PointMomentTurnsAFreeEndIntoAParabola)
{
    // A moment M at the free end of a cantilever: w = M x^2 / (2 EI), positive M increasing w'.
    const Solved s("Equation (Beam)\nDomain (0, 2)\nElements (4)\nRigidity (2)\n#Fixed value: (0, 0)\n"
                   "#Fixed slope: (0, 0)\n#Point moment: (2, 5)\n");
    ExpectColumn(
        s, 1, [](double x) { return 5 * x * x / 4; }, 1e-12);
    ExpectColumn(
        s, 3, [](double) { return 5.0; }, 1e-10);
}

TEST(Modes, FixedFreeBarQuarterWaves)
{
    // omega_n = (2n - 1) pi / (2L) (EA / rhoA)^(1/2), shapes sin((2n - 1) pi x / 2L).
    const Solved s("Equation (Diffusion)\nDomain (0, 3)\nElements (40)\nElement (Lagrange, 2)\nConductivity (2)\n"
                   "Capacity (0.5)\n#Fixed value: (0, 0)\nSolve (Modes, 3)\n");
    const Table modes = ModeTable(s.results);
    ASSERT_EQ(modes.Rows(), 3u);
    for (int n = 1; n <= 3; ++n)
    {
        const double omega = (2 * n - 1) * kPi / 6 * 2;
        EXPECT_NEAR(modes[2].m_vdb_Values[n - 1], omega, 3e-6 * omega) << n;
        const double computed = modes[2].m_vdb_Values[n - 1];
        EXPECT_NEAR(modes[1].m_vdb_Values[n - 1], computed * computed, 1e-12 * omega * omega) << n;
        EXPECT_NEAR(modes[3].m_vdb_Values[n - 1], modes[2].m_vdb_Values[n - 1] / (2 * kPi), 1e-15);
        // Shapes of unit peak; the sign is the shape's own (sin is positive at 0.6 for these three).
        const double sign = s.At("mode" + std::to_string(n), 0.6) > 0 ? 1.0 : -1.0;
        ExpectColumn(
            s, n, [&](double x) { return sign * std::sin((2 * n - 1) * kPi * x / 6); }, 1e-4);
    }
}

TEST(Modes, ShapesPeakAtOnePositive)
{
    const Solved s("Equation (Beam)\nDomain (0, 1.5)\nElements (20)\nRigidity (3)\nMass (2)\n#Fixed value: (0, 0)\n"
                   "#Fixed value: (1.5, 0)\nSolve (Modes, 4)\n");
    for (std::size_t k = 1; k <= 4; ++k)
    {
        const std::vector<double>& v = s.nodes[k].m_vdb_Values;
        double largest = 0;
        std::size_t first = 0;
        for (std::size_t i = 0; i < v.size(); ++i)
            if (std::fabs(v[i]) > largest * (1 + 1e-9))
            {
                largest = std::fabs(v[i]);
                first = i;
            }
        EXPECT_NEAR(largest, 1.0, 1e-9) << "mode " << k;
        EXPECT_GT(v[first], 0.0) << "mode " << k;
    }
}

TEST(Modes, CantileverRichardsonBeatsTheFinestMesh)
{
    // beta_1 L = 1.87510406871196: omega_1 = (beta_1 L)^2 / L^2 (EI / rhoA)^(1/2).
    const Solved s("Equation (Beam)\nDomain (0, 1.5)\nElements (3)\nRigidity (3)\nMass (2)\n#Fixed value: (0, 0)\n"
                   "#Fixed slope: (0, 0)\nSolve (Modes, 2)\nRefine (2)\n");
    const double exact = std::pow(1.87510406871196, 2) / (1.5 * 1.5) * std::sqrt(1.5);
    const double finest = s.results.m_o_ptrModes->get_Omega(0);
    const double extrapolated = ExtrapolatedOmega(s.results, 0);
    EXPECT_LT(std::fabs(extrapolated - exact), 0.1 * std::fabs(finest - exact));
    const Table t = ConvergenceTable(s.results);
    ASSERT_EQ(t.Rows(), 6u);                     // three levels, two modes
    EXPECT_NEAR(t[6].m_vdb_Values[4], 4.0, 0.3); // mode 1 on level 2
}

TEST(Csv, NumbersReadBackToTheSameDoubles)
{
    const Solved s("Equation (Diffusion)\nDomain (0, 1)\nElements (7)\nConductivity (3, 1)\nSource (1, -2)\n"
                   "#Fixed value: (0, 0.1)\nConvective (1, 2, 0.3)\n");
    const std::string text = CsvText(s.nodes);
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "x,u,dudx,flux");
    for (std::size_t row = 0; std::getline(lines, line); ++row)
    {
        std::istringstream fields(line);
        std::string field;
        for (std::size_t c = 0; std::getline(fields, field, ','); ++c)
        {
            double value = 0;
            const auto result = std::from_chars(field.data(), field.data() + field.size(), value);
            ASSERT_EQ(result.ptr, field.data() + field.size()) << field;
            EXPECT_EQ(value, s.nodes[c].m_vdb_Values[row]) << "row " << row << ", column " << c;
        }
        ASSERT_LT(row, s.nodes.Rows());
    }
}

TEST(Csv, LargeTablesFormattedInPartsKeepEveryRowInOrder)
{
    // Enough rows for several formatting threads; each row tells its own index.
    Table t;
    const std::size_t rows = 250001;
    Column index{"i", {}, {}}, value{"v", {}, {}};
    for (std::size_t i = 0; i < rows; ++i)
    {
        index.m_vdb_Values.push_back(static_cast<double>(i));
        value.m_vdb_Values.push_back(std::ldexp(1.0 / 3.0, static_cast<int>(i % 200) - 100));
    }
    t.m_v_Columns = {index, value};
    const std::string text = CsvText(t);
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "i,v");
    std::size_t row = 0;
    for (; std::getline(lines, line); ++row)
    {
        const std::size_t comma = line.find(',');
        double i = -1, v = 0;
        std::from_chars(line.data(), line.data() + comma, i);
        std::from_chars(line.data() + comma + 1, line.data() + line.size(), v);
        ASSERT_EQ(i, static_cast<double>(row));
        ASSERT_EQ(v, value.m_vdb_Values[row]);
    }
    EXPECT_EQ(row, rows);
}

} // namespace

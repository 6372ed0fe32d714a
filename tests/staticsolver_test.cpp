// Static solves against closed forms: convergence orders of Poisson's
// equation, Hermite beams exact at the nodes, Newton's method, reactions, and
// the errors a user can act on.
#include "staticsolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "physics.h"
#include "expect_problem_error.h"

namespace
{

const double kPi = 3.14159265358979323846;

// -u'' = f on [0, 1], u = e^x sin(pi x), so u(0) = u(1) = 0.
double Exact(double x) { return std::exp(x) * std::sin(kPi * x); }
double ExactDerivative(double x) { return std::exp(x) * (std::sin(kPi * x) + kPi * std::cos(kPi * x)); }
double Load(double x) { return -std::exp(x) * ((1 - kPi * kPi) * std::sin(kPi * x) + 2 * kPi * std::cos(kPi * x)); }

struct Errors
{
    double l2, h1;
};

SolverSettings In(Arithmetic in_e_Arithmetic)
{
    SolverSettings settings;
    settings.m_e_Arithmetic = in_e_Arithmetic;
    return settings;
}

const char* Name(Arithmetic in_e_Arithmetic) { return in_e_Arithmetic == Arithmetic::Double ? "Double" : "Extended"; }

Errors PoissonErrors(int p, int n, Arithmetic in_e_Arithmetic)
{
    Diffusion d;
    d.f = Load;
    Model model(Discretisation(Mesh(0.0, 1.0, n), Interpolation::Lagrange(p)), d.Make());
    model.FixValue(0.0, 0.0);
    model.FixValue(1.0, 0.0);
    const StaticSolution s = SolveLinearStatic(model, In(in_e_Arithmetic));
    EXPECT_EQ(s.get_m_e_Method(), FactorisationMethod::Cholesky);
    return {s.L2Error(Exact), s.H1SeminormError(ExactDerivative)};
}

class PoissonOrder : public ::testing::TestWithParam<std::tuple<int, Arithmetic>>
{
};

TEST_P(PoissonOrder, ObservedOrdersMatchTheory)
{
    const int p = std::get<0>(GetParam());
    const Arithmetic arithmetic = std::get<1>(GetParam());
    Errors previous = PoissonErrors(p, 8, arithmetic);
    for (int n : {16, 32})
    {
        const Errors e = PoissonErrors(p, n, arithmetic);
        EXPECT_NEAR(std::log2(previous.l2 / e.l2), p + 1, 0.1) << "L2, n = " << n;
        EXPECT_NEAR(std::log2(previous.h1 / e.h1), p, 0.1) << "H1, n = " << n;
        previous = e;
    }
}

INSTANTIATE_TEST_SUITE_P(Lagrange, PoissonOrder,
                         ::testing::Combine(::testing::Values(1, 2, 3),
                                            ::testing::Values(Arithmetic::Double, Arithmetic::Extended)),
                         [](const auto& info)
                         {
                             return "Order" + std::to_string(std::get<0>(info.param)) +
                                    Name(std::get<1>(info.param));
                         });

TEST(PoissonEnergy, GalerkinOrthogonalityLinksEnergyAndH1Error)
{
    // -u'' = 1, u = x (1 - x) / 2: ||u||_E^2 = 1/12, and with the load integrated
    // exactly ||u||_E^2 - ||u_h||_E^2 = |u - u_h|_H1^2.
    Diffusion d;
    d.f = [](double) { return 1.0; };
    Model model(Discretisation(Mesh(0.0, 1.0, 5, {}, 3.0), Interpolation::Lagrange(1)), d.Make());
    model.FixValue(0.0, 0.0);
    model.FixValue(1.0, 0.0);
    const StaticSolution s = SolveLinearStatic(model);
    const double h1 = s.H1SeminormError([](double x) { return 0.5 - x; });
    const double energy = EnergyNorm(model, s);
    EXPECT_GT(h1, 0.01);
    EXPECT_NEAR(1.0 / 12 - energy * energy, h1 * h1, 1e-13);
}

// Beams of EI = 2 on [0, L], L = 2; Hermite elements are exact at the nodes,
// in double precision to its rounding on these few elements.
constexpr double kEI = 2.0, kL = 2.0;

class HermiteBeam : public ::testing::TestWithParam<Arithmetic>
{
};

TEST_P(HermiteBeam, CantileverUnderUniformLoad)
{
    const double q = -3.0;
    Beam b;
    b.EI = kEI;
    b.q = [=](double) { return q; };
    Model model(Discretisation(Mesh(0.0, kL, 6), Interpolation::Hermite()), b.Make());
    model.FixValue(0.0, 0.0);
    model.FixSlope(0.0, 0.0);
    const StaticSolution s = SolveLinearStatic(model, In(GetParam()));
    const double tol = 1e-12;
    EXPECT_NEAR(s.Value(kL), q * std::pow(kL, 4) / (8 * kEI), tol * 3);
    EXPECT_NEAR(s.Derivative(kL), q * std::pow(kL, 3) / (6 * kEI), tol * 2);
    const Mesh& mesh = model.get_Discretisation().get_Mesh();
    for (int i = 0; i <= 6; ++i) // at the nodes, w = q x^2 (6 L^2 - 4 L x + x^2) / (24 EI)
    {
        const double x = mesh.get_m_vdb_Nodes(i);
        EXPECT_NEAR(s.Value(x), q * x * x * (6 * kL * kL - 4 * kL * x + x * x) / (24 * kEI), tol) << x;
    }
    ASSERT_EQ(s.get_m_v_Reactions().size(), 2u);
    EXPECT_EQ(s.get_m_v_Reactions()[0].m_e_Kind, UnknownKind::Value);
    EXPECT_NEAR(s.get_m_v_Reactions()[0].m_db_Value, -q * kL, tol * 6);           // the root force
    EXPECT_EQ(s.get_m_v_Reactions()[1].m_e_Kind, UnknownKind::Slope);
    EXPECT_NEAR(s.get_m_v_Reactions()[1].m_db_Value, -q * kL * kL / 2, tol * 6); // the root moment
}

TEST_P(HermiteBeam, CantileverUnderTipMomentBendsIntoAParabola)
{
    const double M0 = 5.0;
    Beam b;
    b.EI = kEI;
    Model model(Discretisation(Mesh(0.0, kL, 5), Interpolation::Hermite()), b.Make());
    model.FixValue(0.0, 0.0);
    model.FixSlope(0.0, 0.0);
    model.AddPointMoment(kL, M0);
    const StaticSolution s = SolveLinearStatic(model, In(GetParam()));
    for (double x : {0.4, 0.8, 1.3, 2.0})
    {
        EXPECT_NEAR(s.Value(x), M0 * x * x / (2 * kEI), 1e-12) << x;
        EXPECT_NEAR(s.Derivative(x), M0 * x / kEI, 1e-12) << x;
        EXPECT_NEAR(s.SecondDerivative(x), M0 / kEI, 1e-11) << x;
    }
    EXPECT_NEAR(s.get_m_v_Reactions()[0].m_db_Value, 0.0, 1e-11);
    EXPECT_NEAR(s.get_m_v_Reactions()[1].m_db_Value, -M0, 1e-11);
}

TEST_P(HermiteBeam, SimplySupportedPointLoadBetweenTheUniformNodes)
{
    // Four uniform elements put nodes at 0, 0.5, ...; the load at 0.7 gets a node of its own.
    const double P = -4.0, a = 0.7, bArm = kL - a;
    Beam beam;
    beam.EI = kEI;
    Model model(Discretisation(Mesh(0.0, kL, 4, {a}), Interpolation::Hermite()), beam.Make());
    EXPECT_EQ(model.get_Discretisation().get_Mesh().get_m_int_NumberOfElements(), 4);
    model.FixValue(0.0, 0.0);
    model.FixValue(kL, 0.0);
    model.AddPointLoad(a, P);
    const StaticSolution s = SolveLinearStatic(model, In(GetParam()));
    auto exact = [&](double x)
    {
        return x <= a ? P * bArm * x * (kL * kL - bArm * bArm - x * x) / (6 * kEI * kL)
                      : P * a * (kL - x) * (kL * kL - a * a - (kL - x) * (kL - x)) / (6 * kEI * kL);
    };
    const Mesh& mesh = model.get_Discretisation().get_Mesh();
    for (int i = 0; i <= mesh.get_m_int_NumberOfElements(); ++i)
        EXPECT_NEAR(s.Value(mesh.get_m_vdb_Nodes(i)), exact(mesh.get_m_vdb_Nodes(i)), 1e-13) << i;
    EXPECT_NEAR(s.get_m_v_Reactions()[0].m_db_Value, -P * bArm / kL, 1e-12);
    EXPECT_NEAR(s.get_m_v_Reactions()[1].m_db_Value, -P * a / kL, 1e-12);
}

TEST_P(HermiteBeam, TwoEqualSpansUnderUniformLoad)
{
    const double q = 1.5, span = 1.0;
    Beam b;
    b.q = [=](double) { return q; };
    Model model(Discretisation(Mesh(0.0, 2 * span, 6, {span}), Interpolation::Hermite()), b.Make());
    for (double x : {0.0, span, 2 * span})
        model.FixValue(x, 0.0);
    const StaticSolution s = SolveLinearStatic(model, In(GetParam()));
    const std::vector<double> expected = {-3 * q * span / 8, -5 * q * span / 4, -3 * q * span / 8};
    ASSERT_EQ(s.get_m_v_Reactions().size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(s.get_m_v_Reactions()[i].m_db_Value, expected[i], 1e-12) << i;
}

INSTANTIATE_TEST_SUITE_P(Arithmetics, HermiteBeam, ::testing::Values(Arithmetic::Double, Arithmetic::Extended),
                         [](const auto& info) { return std::string(Name(info.param)); });

TEST(Reactions, BalanceLoadsSpringsAndRobinFlux)
{
    // A bar fixed at 0, a spring at 0.5, a point load at 0.75, a Robin end at 1, a tapered x-dependent source.
    Diffusion d;
    d.a = [](double x) { return 2.0 - x; };
    d.f = [](double x) { return 3.0 * x; };
    const double k = 4.0, P = 0.6, h = 2.5, ambient = 0.3;
    Model model(Discretisation(Mesh(0.0, 1.0, 7, {0.5, 0.75}), Interpolation::Lagrange(2)), d.Make());
    model.FixValue(0.0, 0.2);
    model.AddSpring(0.5, k);
    model.AddPointLoad(0.75, P);
    model.AddRobin(1.0, h, ambient);
    const StaticSolution s = SolveLinearStatic(model);
    const double balance =
        s.get_m_v_Reactions()[0].m_db_Value + 1.5 + P - k * s.Value(0.5) - h * (s.Value(1.0) - ambient);
    EXPECT_NEAR(balance, 0.0, 1e-12);
    EXPECT_DOUBLE_EQ(s.Value(0.0), 0.2);
}

TEST(Convection, NonSymmetricSystemUsesLUAndConverges)
{
    // -u'' + b u' = 0, u(0) = 0, u(1) = 1: u = (e^{b x} - 1) / (e^b - 1).
    const double b = 3.0;
    auto exact = [=](double x) { return std::expm1(b * x) / std::expm1(b); };
    double previous = 0.0;
    for (int n : {10, 20, 40})
    {
        Diffusion d;
        d.b = b;
        Model model(Discretisation(Mesh(0.0, 1.0, n), Interpolation::Lagrange(1)), d.Make());
        model.FixValue(0.0, 0.0);
        model.FixValue(1.0, 1.0);
        const StaticSolution s = SolveLinearStatic(model);
        EXPECT_EQ(s.get_m_e_Method(), FactorisationMethod::LU);
        const double error = s.L2Error(exact);
        if (previous > 0)
        {
            EXPECT_NEAR(std::log2(previous / error), 2.0, 0.1) << n;
        }
        previous = error;
    }
}

class NewtonArithmetic : public ::testing::TestWithParam<Arithmetic>
{
};

TEST_P(NewtonArithmetic, QuadraticConvergenceToTheSquareRootProfile)
{
    // -((1 + u) u')' = 0, u(0) = 0, u(1) = 1: u = -1 + (1 + 3x)^(1/2).
    auto exact = [](double x) { return -1.0 + std::sqrt(1.0 + 3.0 * x); };
    double previous = 0.0;
    for (int n : {8, 16, 32})
    {
        Diffusion d;
        d.beta = 1.0;
        Model model(Discretisation(Mesh(0.0, 1.0, n), Interpolation::Lagrange(1)), d.Make());
        model.FixValue(0.0, 0.0);
        model.FixValue(1.0, 1.0);
        NewtonSettings settings;
        settings.m_o_Solver.m_e_Arithmetic = GetParam();
        const StaticSolution s = SolveNewton(model, settings);
        const std::vector<double>& r = s.get_m_vdb_Residuals();
        ASSERT_GE(r.size(), 4u);
        if (GetParam() == Arithmetic::Extended) // converged to the default tolerance: nothing to warn of
        {
            EXPECT_EQ(s.get_m_o_Trust().m_s_Warning, "") << n;
        }
        EXPECT_LE(r.back(), 1e-10 * r.front());
        // Quadratic: r_{k+1} / r_k^2 stays bounded while the ratios r_{k+1} / r_k fall.
        for (std::size_t k = 1; k + 1 < r.size() && r[k + 1] > 1e-13 * r.front(); ++k)
        {
            EXPECT_LT(r[k + 1] / r[k], r[k] / r[k - 1]) << "iteration " << k;
            EXPECT_LT(r[k + 1] / (r[k] * r[k]), 10.0 * r[2] / (r[1] * r[1]) + 10.0 / r.front()) << k;
        }
        const double error = s.L2Error(exact);
        if (previous > 0)
        {
            EXPECT_NEAR(std::log2(previous / error), 2.0, 0.1) << n;
        }
        previous = error;
        // Reactions balance: the flux in at 0 leaves at 1.
        EXPECT_NEAR(s.get_m_v_Reactions()[0].m_db_Value + s.get_m_v_Reactions()[1].m_db_Value, 0.0, 1e-10);
    }
}

INSTANTIATE_TEST_SUITE_P(Arithmetics, NewtonArithmetic, ::testing::Values(Arithmetic::Double, Arithmetic::Extended),
                         [](const auto& info) { return std::string(Name(info.param)); });

TEST(Newton, LinearProblemTakesOneStep)
{
    Diffusion d;
    d.f = [](double) { return 1.0; };
    Model model(Discretisation(Mesh(0.0, 1.0, 4), Interpolation::Lagrange(2)), d.Make());
    model.FixValue(0.0, 0.0);
    model.FixValue(1.0, 0.0);
    const StaticSolution s = SolveNewton(model);
    EXPECT_LE(s.get_m_vdb_Residuals().size(), 3u);
    EXPECT_NEAR(s.Value(0.5), 0.125, 1e-15); // u = x (1 - x) / 2, exact for order 2
}

TEST(Newton, IterationLimitIsAnError)
{
    Diffusion d;
    d.beta = 1.0;
    Model model(Discretisation(Mesh(0.0, 1.0, 8), Interpolation::Lagrange(1)), d.Make());
    model.FixValue(0.0, 0.0);
    model.FixValue(1.0, 1.0);
    NewtonSettings settings;
    settings.m_int_MaximumIterations = 2;
    ExpectProblemError([&] { SolveNewton(model, settings); }, "did not converge in 2 iterations");
}

// Each case builds a problem that cannot be solved; the message names the cause.
struct Unsolvable
{
    const char* name;
    std::function<void(const SolverSettings&)> solve;
    const char* message;
};

class UnsolvableProblem : public ::testing::TestWithParam<std::tuple<Unsolvable, Arithmetic>>
{
};

TEST_P(UnsolvableProblem, SaysWhatIsWrong)
{
    const Unsolvable& c = std::get<0>(GetParam());
    ExpectProblemError([&] { c.solve(In(std::get<1>(GetParam()))); }, c.message);
}

void SolveBar(const SolverSettings& settings, std::function<double(double)> a, bool fix, double f = 1.0)
{
    Diffusion d;
    d.a = std::move(a);
    d.f = [=](double) { return f; };
    Model model(Discretisation(Mesh(0.0, 1.0, 6, {0.5}), Interpolation::Lagrange(1)), d.Make());
    if (fix)
        model.FixValue(0.0, 0.0);
    SolveLinearStatic(model, settings);
}

void SolveBeamFixedAt(const SolverSettings& settings, std::vector<double> xs)
{
    Beam b;
    b.q = [](double) { return 1.0; };
    Model model(Discretisation(Mesh(0.0, 1.0, 4, {0.25}), Interpolation::Hermite()), b.Make());
    for (double x : xs)
        model.FixValue(x, 0.0);
    SolveLinearStatic(model, settings);
}

const Unsolvable kUnsolvable[] = {
    {"FreeBar", [](const SolverSettings& s) { SolveBar(s, [](double) { return 1.0; }, false); }, "not held: a translation"},
    {"BeamOnOneSupport", [](const SolverSettings& s) { SolveBeamFixedAt(s, {0.25}); }, "not held: a rotation about x = 0.25"},
    {"FreeBeam", [](const SolverSettings& s) { SolveBeamFixedAt(s, {}); }, "not held"},
    {"ZeroCoefficientOnARegion", [](const SolverSettings& s) { SolveBar(s, [](double x) { return x < 0.5 ? 1.0 : 0.0; }, true); },
     "at the value at x = 0.666"},
    {"NegativeCoefficient", [](const SolverSettings& s) { SolveBar(s, [](double) { return -1.0; }, true); }, "not positive definite"},
    {"ZeroLengthElement", [](const SolverSettings&) { Mesh({0.0, 0.5, 0.5, 1.0}); }, "element 1 has zero or negative length"},
    {"ConditionOffTheNodes",
     [](const SolverSettings&)
     {
         Diffusion d;
         Model model(Discretisation(Mesh(0.0, 1.0, 4), Interpolation::Lagrange(1)), d.Make());
         model.FixValue(0.3, 1.0);
     },
     "x = 0.3 is not a node"},
    {"SlopeOnLagrange",
     [](const SolverSettings&)
     {
         Diffusion d;
         Model model(Discretisation(Mesh(0.0, 1.0, 4), Interpolation::Lagrange(2)), d.Make());
         model.FixSlope(0.0, 1.0);
     },
     "only Hermite interpolation has slope unknowns"},
    {"ValueFixedTwice",
     [](const SolverSettings&)
     {
         Diffusion d;
         Model model(Discretisation(Mesh(0.0, 1.0, 4), Interpolation::Lagrange(1)), d.Make());
         model.FixValue(1.0, 1.0);
         model.FixValue(1.0, 2.0);
     },
     "the value at x = 1 is fixed twice"},
    {"SolutionOverflows", [](const SolverSettings& s) { SolveBar(s, [](double) { return 1e-20; }, true, 1e300); }, "not finite"},
};

INSTANTIATE_TEST_SUITE_P(Cases, UnsolvableProblem,
                         ::testing::Combine(::testing::ValuesIn(kUnsolvable),
                                            ::testing::Values(Arithmetic::Double, Arithmetic::Extended)),
                         [](const auto& info)
                         {
                             return std::string(std::get<0>(info.param).name) + Name(std::get<1>(info.param));
                         });

} // namespace

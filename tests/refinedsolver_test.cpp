// Fine meshes give the discretisation's accuracy, not round-off, and the
// solver says when it cannot vouch for a result.
#include "refinedsolver.h"

#include <gtest/gtest.h>

#include <cmath>

#include "modalsolver.h"
#include "physics.h"
#include "rigidprojection.h"
#include "staticsolver.h"

namespace
{

const double kPi = 3.14159265358979323846;

SolverSettings WithArithmetic(Arithmetic a)
{
    SolverSettings settings;
    settings.m_e_Arithmetic = a;
    return settings;
}

TEST(ExtendedArithmetic, OrderOnePoissonIsNodallyExactAtAHundredThousandElements)
{
    // -u'' = pi^2 sin(pi x): linear elements are exact at the nodes but for the load's quadrature (~h^4).
    const int n = 100000;
    Diffusion d;
    d.f = [](double x) { return kPi * kPi * std::sin(kPi * x); };
    Model model(Discretisation(Mesh(0.0, 1.0, n), Interpolation::Lagrange(1)), d.Make());
    model.FixValue(0.0, 0.0);
    model.FixValue(1.0, 0.0);
    double worst[2] = {0.0, 0.0};
    std::string warnings[2];
    for (int k = 0; k < 2; ++k)
    {
        const StaticSolution s = SolveLinearStatic(model, WithArithmetic(k == 0 ? Arithmetic::Double : Arithmetic::Extended));
        for (int i = 0; i <= n; i += 97)
            worst[k] = std::max(worst[k], std::fabs(s.get_m_vdb_Unknowns()[i] - std::sin(kPi * i / double(n))));
        warnings[k] = s.get_m_o_Trust().m_s_Warning;
        if (k == 0) // the double path's estimate bounds its actual error
        {
            EXPECT_GE(s.get_m_o_Trust().m_db_ErrorEstimate, worst[0]);
        }
    }
    EXPECT_GT(worst[0], 1e-9) << "double precision loses digits here";
    EXPECT_NE(warnings[0], "");
    EXPECT_LT(worst[1], 1e-14);
    EXPECT_EQ(warnings[1], "");
}

class CantileverTip : public ::testing::TestWithParam<int>
{
};

TEST_P(CantileverTip, IsExactToRoundingWithExtendedArithmetic)
{
    Beam b;
    b.q = [](double) { return 1.0; };
    Model model(Discretisation(Mesh(0.0, 1.0, GetParam()), Interpolation::Hermite()), b.Make());
    model.FixValue(0.0, 0.0);
    model.FixSlope(0.0, 0.0);
    const StaticSolution s = SolveLinearStatic(model);
    EXPECT_NEAR(s.Value(1.0), 0.125, 1e-12 * 0.125);
    EXPECT_NEAR(s.Derivative(1.0), 1.0 / 6.0, 1e-12 / 6.0);
    EXPECT_EQ(s.get_m_o_Trust().m_s_Warning, "");
}

// 10^4 elements need the extended factorisation: condition about 1e16.
INSTANTIATE_TEST_SUITE_P(Elements, CantileverTip, ::testing::Values(1000, 10000));

TEST(ExtendedArithmetic, CantileverModesAtTenThousandElements)
{
    Beam b;
    Model model(Discretisation(Mesh(0.0, 1.0, 10000), Interpolation::Hermite()), b.Make());
    model.FixValue(0.0, 0.0);
    model.FixSlope(0.0, 0.0);
    const ModalSolution modes = SolveModes(model, 2);
    // beta L = 1.87510406871196..., 4.69409113297418...; the discretisation error is some 1e-16 here.
    EXPECT_NEAR(modes.get_Omega(0), 1.87510406871196 * 1.87510406871196, 1e-11);
    EXPECT_NEAR(modes.get_Omega(1), 4.69409113297418 * 4.69409113297418, 1e-10);
    EXPECT_EQ(modes.get_m_o_Trust().m_s_Warning, "");
    // Double precision misses by far more, and says so.
    const ModalSolution plain = SolveModes(model, 1, WithArithmetic(Arithmetic::Double));
    EXPECT_GT(std::fabs(plain.get_Omega(0) - modes.get_Omega(0)), 1e-6);
    EXPECT_NE(plain.get_m_o_Trust().m_s_Warning, "");
}

TEST(Trust, AnAccuracyBeyondReachGivesAWarning)
{
    Beam b;
    b.q = [](double) { return 1.0; };
    Model model(Discretisation(Mesh(0.0, 1.0, 2000), Interpolation::Hermite()), b.Make());
    model.FixValue(0.0, 0.0);
    model.FixSlope(0.0, 0.0);
    SolverSettings settings;
    settings.m_db_Accuracy = 1e-20; // below a double's own rounding
    const StaticSolution s = SolveLinearStatic(model, settings);
    EXPECT_NE(s.get_m_o_Trust().m_s_Warning.find("too ill-conditioned even for extended arithmetic"),
              std::string::npos)
        << s.get_m_o_Trust().m_s_Warning;
    EXPECT_NEAR(s.Value(1.0), 0.125, 1e-14); // the result itself is as good as it gets
}

TEST(BandLU, PivotsWhereTheLeadingEntryVanishes)
{
    // A = [[0, 2, 0], [1, 1, 3], [0, 4, 5]], x = (1, -1, 2): b = A x.
    BandMatrix<Extended> A(3, 1);
    const double entries[3][3] = {{0, 2, 0}, {1, 1, 3}, {0, 4, 5}};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (A.InBand(i, j))
                A.At(i, j) = entries[i][j];
    const BandLU<Extended> lu(A);
    ASSERT_TRUE(lu.Succeeded());
    Extended b[3] = {Extended(-2.0), Extended(6.0), Extended(6.0)};
    lu.Solve(b);
    const double expected[3] = {1.0, -1.0, 2.0};
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(to_double(b[i]), expected[i], 1e-30) << i;
    BandMatrix<Extended> singular(2, 1); // every entry zero
    EXPECT_EQ(BandLU<Extended>(singular).get_m_int_FailedUnknown(), 0);
}

TEST(SpareRigidMotions, MakesAnElementSpareItsLinesExactly)
{
    // A Hermite bending matrix EI/h^3 [12 6h -12 6h; ...] with one entry off by a unit in the last place.
    const double h = 0.1, c = 1.0 / (h * h * h);
    double K[4][4] = {{12 * c, 6 * h * c, -12 * c, 6 * h * c},
                      {6 * h * c, 4 * h * h * c, -6 * h * c, 2 * h * h * c},
                      {-12 * c, -6 * h * c, 12 * c, -6 * h * c},
                      {6 * h * c, 2 * h * h * c, -6 * h * c, 4 * h * h * c}};
    K[0][1] = std::nextafter(K[0][1], 0.0);
    K[1][0] = K[0][1];
    QuadExtended spared[4][4];
    SpareRigidMotions(K, spared, 4, true, RigidMotions::Lines, h);
    const double line[4] = {-h / 2, 1.0, h / 2, 1.0}, constant[4] = {1.0, 0.0, 1.0, 0.0};
    for (int i = 0; i < 4; ++i)
    {
        QuadExtended onLine(0.0), onConstant(0.0);
        for (int j = 0; j < 4; ++j)
        {
            onLine += spared[i][j] * line[j];
            onConstant += spared[i][j] * constant[j];
            EXPECT_NEAR(to_double(spared[i][j]), K[i][j], 1e-13 * std::fabs(K[i][j])) << "changed by rounding only";
            EXPECT_LT(std::fabs(to_double(spared[i][j] - spared[j][i])), 1e-40 * 12 * c) << "stays symmetric";
        }
        // Far below double-double's 1e-32: what the rounding of the small correction leaves.
        EXPECT_LT(std::fabs(to_double(onLine)), 1e-40 * 12 * c) << i;
        EXPECT_LT(std::fabs(to_double(onConstant)), 1e-40 * 12 * c) << i;
    }
}

} // namespace

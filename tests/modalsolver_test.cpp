// Natural frequencies against closed forms, with their convergence rates, and
// the properties of the mode shapes.
#include "modalsolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "physics.h"
#include "expect_problem_error.h"

namespace
{

const double kPi = 3.14159265358979323846;

struct ModalCase
{
    const char* name;
    // The model on n elements; the physics object lives in the case's storage.
    std::function<Model(int n)> model;
    std::function<double(int mode)> omega; // mode from 1
    int order;                             // of the error in omega
    int coarse;                            // elements of the coarser mesh
};

void PrintTo(const ModalCase& c, std::ostream* os) { *os << c.name; }

// Bar: EA = 2, rhoA = 0.5, L = 3, fixed at 0: omega_n = (2n - 1) pi / 2 (EA / rhoA)^(1/2) / L.
Diffusion g_bar = []
{
    Diffusion d;
    d.a = [](double) { return 2.0; };
    d.m = 0.5;
    return d;
}();
Model FixedFreeBar(int n, int p)
{
    Model model(Discretisation(Mesh(0.0, 3.0, n), Interpolation::Lagrange(p)), g_bar.Make());
    model.FixValue(0.0, 0.0);
    return model;
}
double FixedFreeBarOmega(int mode) { return (2 * mode - 1) * kPi / 2 * std::sqrt(2.0 / 0.5) / 3.0; }

// Beams: EI = 3, rhoA = 2, L = 1.5.
Beam g_beam = []
{
    Beam b;
    b.EI = 3.0;
    b.rhoA = 2.0;
    return b;
}();
Model Cantilever(int n)
{
    Model model(Discretisation(Mesh(0.0, 1.5, n), Interpolation::Hermite()), g_beam.Make());
    model.FixValue(0.0, 0.0);
    model.FixSlope(0.0, 0.0);
    return model;
}
double CantileverOmega(int mode)
{
    const double betaL[] = {1.87510406871196, 4.69409113297418, 7.85475743823761};
    return betaL[mode - 1] * betaL[mode - 1] / (1.5 * 1.5) * std::sqrt(3.0 / 2.0);
}
Model SimplySupported(int n)
{
    Model model(Discretisation(Mesh(0.0, 1.5, n), Interpolation::Hermite()), g_beam.Make());
    model.FixValue(0.0, 0.0);
    model.FixValue(1.5, 0.0);
    return model;
}
double SimplySupportedOmega(int mode) { return std::pow(mode * kPi / 1.5, 2) * std::sqrt(3.0 / 2.0); }

const ModalCase kCases[] = {
    {"FixedFreeBarLinear", [](int n) { return FixedFreeBar(n, 1); }, FixedFreeBarOmega, 2, 24},
    {"FixedFreeBarQuadratic", [](int n) { return FixedFreeBar(n, 2); }, FixedFreeBarOmega, 4, 8},
    {"Cantilever", Cantilever, CantileverOmega, 4, 8},
    {"SimplySupportedBeam", SimplySupported, SimplySupportedOmega, 4, 8},
};

class ClosedFormModes : public ::testing::TestWithParam<ModalCase>
{
};

TEST_P(ClosedFormModes, ConvergeAtTheExpectedRate)
{
    const ModalCase& c = GetParam();
    const ModalSolution coarse = SolveModes(c.model(c.coarse), 3);
    const ModalSolution fine = SolveModes(c.model(2 * c.coarse), 3);
    ASSERT_EQ(fine.get_NumberOfModes(), 3);
    for (int i = 0; i < 3; ++i)
    {
        const double exact = c.omega(i + 1);
        const double coarseError = coarse.get_Omega(i) - exact, fineError = fine.get_Omega(i) - exact;
        EXPECT_GT(fineError, 0.0) << "mode " << i + 1 << ": the consistent mass bounds omega from above";
        EXPECT_LT(fineError, 1e-2 * exact) << "mode " << i + 1;
        EXPECT_NEAR(std::log2(coarseError / fineError), c.order, 0.25) << "mode " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ClosedFormModes, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Modes, ShapesAreMassOrthonormalAndSigned)
{
    const Model model = Cantilever(30);
    const ModalSolution modes = SolveModes(model, 4);
    const Discretisation& disc = model.get_Discretisation();
    BandMatrix<double> M(disc.get_m_int_NumberOfUnknowns(), disc.get_HalfBandwidth());
    Assembler(disc, model.get_Integrands()).AddMass(M);
    std::vector<double> Mphi(disc.get_m_int_NumberOfUnknowns());
    for (int i = 0; i < 4; ++i)
    {
        const LargeVector<double>& phi = modes.get_m_v_Shapes(i).get_m_vdb_Unknowns();
        M.Multiply(phi.data(), Mphi.data());
        for (int j = 0; j < 4; ++j)
        {
            const LargeVector<double>& psi = modes.get_m_v_Shapes(j).get_m_vdb_Unknowns();
            double product = 0.0;
            for (std::size_t d = 0; d < psi.size(); ++d)
                product += psi[d] * Mphi[d];
            EXPECT_NEAR(product, i == j ? 1.0 : 0.0, 1e-10) << i << ", " << j;
        }
        // The largest value unknown is positive: here the tip's.
        EXPECT_GT(modes.get_m_v_Shapes(i).Value(1.5), 0.0);
    }
}

TEST(Modes, LanczosAndTheWholeBandedSolverAgree)
{
    // 30 free unknowns: 3 modes go to Lanczos, 15 to the banded solver of all of them.
    const ModalSolution lanczos = SolveModes(FixedFreeBar(30, 1), 3);
    const ModalSolution whole = SolveModes(FixedFreeBar(30, 1), 15);
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(lanczos.get_Omega(i), whole.get_Omega(i), 1e-12 * whole.get_Omega(i)) << i;
}

TEST(Modes, FreeBarHasARigidModeOfFrequencyZero)
{
    Diffusion d;
    Model model(Discretisation(Mesh(0.0, 1.0, 40), Interpolation::Lagrange(1)), d.Make());
    const ModalSolution modes = SolveModes(model, 2);
    EXPECT_LT(modes.get_Omega(0), 1e-6);
    EXPECT_NEAR(modes.get_Omega(1), kPi, 2e-3); // the first elastic mode of a free-free bar
    // The rigid mode is a uniform translation, unit in the mass norm: 1 / (rhoA L)^(1/2).
    EXPECT_NEAR(modes.get_m_v_Shapes(0).Value(0.3), 1.0, 1e-8);
}

struct BadRequest
{
    const char* name;
    std::function<void()> solve;
    const char* message;
};

void PrintTo(const BadRequest& c, std::ostream* os) { *os << c.name; }

class ModalErrors : public ::testing::TestWithParam<BadRequest>
{
};

TEST_P(ModalErrors, SayWhatIsWrong)
{
    ExpectProblemError(GetParam().solve, GetParam().message);
}

const BadRequest kBadRequests[] = {
    {"MoreModesThanFreeUnknowns", [] { SolveModes(FixedFreeBar(5, 1), 6); },
     "5 free unknowns, so 1 to 5 modes can be asked for, not 6"},
    {"NoModes", [] { SolveModes(FixedFreeBar(5, 1), 0); }, "not 0"},
    {"Convection",
     []
     {
         Diffusion d;
         d.b = 1.0;
         Model model(Discretisation(Mesh(0.0, 1.0, 30), Interpolation::Lagrange(1)), d.Make());
         model.FixValue(0.0, 0.0);
         SolveModes(model, 2);
     },
     "symmetric stiffness"},
    {"ZeroMass",
     []
     {
         Diffusion d;
         d.m = 0.0;
         Model model(Discretisation(Mesh(0.0, 1.0, 30), Interpolation::Lagrange(1)), d.Make());
         SolveModes(model, 2);
     },
     "mass matrix is not positive definite"},
};

INSTANTIATE_TEST_SUITE_P(Cases, ModalErrors, ::testing::ValuesIn(kBadRequests),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

// A field evaluates its interpolation exactly: each family reproduces the
// polynomials it contains, with their derivatives, anywhere.
#include "fieldsolution.h"

#include <gtest/gtest.h>

#include <cmath>

#include "problemerror.h"

namespace
{

// Coefficients of x^0 .. x^3.
double Polynomial(const double* c, double x, int derivative)
{
    double sum = 0.0;
    for (int k = derivative; k < 4; ++k)
    {
        double factor = 1.0;
        for (int m = 0; m < derivative; ++m)
            factor *= k - m;
        sum += c[k] * factor * std::pow(x, k - derivative);
    }
    return sum;
}

struct Family
{
    const char* name;
    Interpolation interpolation;
    int degree;
};

void PrintTo(const Family& f, std::ostream* os) { *os << f.name; }

class Reproduces : public ::testing::TestWithParam<Family>
{
};

TEST_P(Reproduces, PolynomialsOfItsDegree)
{
    const Family& f = GetParam();
    double c[4] = {0.5, -1.25, 0.75, 0.4};
    for (int k = f.degree + 1; k < 4; ++k)
        c[k] = 0.0;
    const Discretisation d(Mesh(-1.0, 2.0, 4, {}, 2.0), f.interpolation);
    LargeVector<double> U(d.get_m_int_NumberOfUnknowns());
    for (int i = 0; i < d.get_m_int_NumberOfUnknowns(); ++i)
        U[i] = Polynomial(c, d.Position(i), d.Kind(i) == UnknownKind::Slope ? 1 : 0);
    const FieldSolution field(d, U);
    for (double x : {-1.0, -0.3, 0.55, 1.2, 2.0})
        for (int derivative = 0; derivative <= 2; ++derivative)
            EXPECT_NEAR(field.EvaluateIn(d.get_Mesh().FindElement(x), x, derivative), Polynomial(c, x, derivative),
                        1e-13 * (1 + std::pow(4.0, derivative)))
                << "x = " << x << ", derivative " << derivative;
    EXPECT_NEAR(field.L2Error([&](double x) { return Polynomial(c, x, 0); }), 0.0, 1e-14);
    EXPECT_NEAR(field.H1SeminormError([&](double x) { return Polynomial(c, x, 1); }), 0.0, 1e-13);
    // The norm itself: the error against zero of u = 1 on [-1, 2] is 3^(1/2).
    const FieldSolution one(d, LargeVector<double>(U.size(), 0.0));
    EXPECT_NEAR(one.L2Error([](double) { return 1.0; }), std::sqrt(3.0), 1e-14);
}

INSTANTIATE_TEST_SUITE_P(Families, Reproduces,
                         ::testing::Values(Family{"Lagrange1", Interpolation::Lagrange(1), 1},
                                           Family{"Lagrange2", Interpolation::Lagrange(2), 2},
                                           Family{"Lagrange3", Interpolation::Lagrange(3), 3},
                                           Family{"Hermite", Interpolation::Hermite(), 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FieldSolution, OutsideTheDomainIsAnError)
{
    const Discretisation d(Mesh(0.0, 1.0, 2), Interpolation::Lagrange(1));
    const FieldSolution field(d, LargeVector<double>(3, 0.0));
    EXPECT_THROW(field.Value(1.5), ProblemError);
}

} // namespace

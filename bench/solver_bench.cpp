// Mesh, assembly and solve of the order 1 Poisson problem through the
// toolkit, against a floor: a plain loop over the elements making the same
// integrand calls on values from flat arrays, scattering into LAPACK band
// storage, and one call of dpbsv.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <vector>

#include "poissoncase.h"

extern "C" void dpbsv_(const char* uplo, const int* n, const int* kd, const int* nrhs, double* ab, const int* ldab,
                       double* b, const int* ldb, int* info, std::size_t uplo_len);

namespace
{

std::vector<double> FloorSolve(int n)
{
    PoissonCase physics;
    FunctionCalculK kFunction = PoissonCase::Stiffness;
    FunctionCalculF fFunction = PoissonCase::Load;
    void* object = &physics;
    benchmark::DoNotOptimize(kFunction);
    benchmark::DoNotOptimize(fFunction);

    std::vector<double> x(n + 1);
    for (int i = 0; i <= n; ++i)
        x[i] = static_cast<double>(i) / n;
    x[n] = 1.0;
    // The 2-point rule and the linear functions at its points.
    const double xi[2] = {-1 / std::sqrt(3.0), 1 / std::sqrt(3.0)};
    const double w[2] = {1.0, 1.0};
    double psi[2][2], dpsi[2][2], d2psi[2][2] = {{0, 0}, {0, 0}}, u[2] = {0, 0}, du[2] = {0, 0};
    for (int t = 0; t < 2; ++t)
    {
        psi[0][t] = 0.5 * (1 - xi[t]);
        psi[1][t] = 0.5 * (1 + xi[t]);
    }

    const int size = n + 1, kd = 1, ldab = 2;
    std::vector<double> ab(static_cast<std::size_t>(ldab) * size, 0.0), F(size, 0.0);
    int type = 0;
    for (int e = 0; e < n; ++e)
    {
        const double h = x[e + 1] - x[e], J = 0.5 * h;
        for (int t = 0; t < 2; ++t)
        {
            dpsi[0][t] = -0.5 / J;
            dpsi[1][t] = 0.5 / J;
        }
        double K[2][2], Fe[2];
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
            {
                double s = 0.0;
                for (int t = 0; t < 2; ++t)
                {
                    physics.at.m_db_x = x[e] + J * (1 + xi[t]);
                    s += kFunction(object, type, u[t], du[t], psi[i][t], dpsi[i][t], d2psi[i][t], psi[j][t],
                                   dpsi[j][t], d2psi[j][t]) *
                         w[t];
                }
                K[i][j] = s * J;
            }
        for (int i = 0; i < 2; ++i)
        {
            double s = 0.0;
            for (int t = 0; t < 2; ++t)
            {
                physics.at.m_db_x = x[e] + J * (1 + xi[t]);
                double a = psi[i][t], b = dpsi[i][t];
                s += fFunction(object, type, u[t], a, b) * w[t];
            }
            Fe[i] = s * J;
        }
        // Upper band storage: (i, j), i <= j, at [j ldab + kd + i - j].
        ab[static_cast<std::size_t>(e) * ldab + 1] += K[0][0];
        ab[static_cast<std::size_t>(e + 1) * ldab + 0] += K[0][1];
        ab[static_cast<std::size_t>(e + 1) * ldab + 1] += K[1][1];
        F[e] += Fe[0];
        F[e + 1] += Fe[1];
    }
    // u = 0 at both ends, keeping the matrix symmetric.
    ab[static_cast<std::size_t>(1) * ldab + 0] = 0.0;
    ab[static_cast<std::size_t>(n) * ldab + 0] = 0.0;
    F[0] = F[n] = 0.0;
    int nrhs = 1, info = 0;
    dpbsv_("U", &size, &kd, &nrhs, ab.data(), &ldab, F.data(), &size, &info, 1);
    return F;
}

void BM_PoissonFloor(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state)
    {
        std::vector<double> u = FloorSolve(n);
        benchmark::DoNotOptimize(u.data());
    }
    state.SetLabel("mesh, assembly, dpbsv");
}

// range(1): 0 for Arithmetic::Double, 1 for Arithmetic::Extended.
void BM_PoissonToolkit(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    const Arithmetic arithmetic = state.range(1) == 0 ? Arithmetic::Double : Arithmetic::Extended;
    PoissonCase physics;
    // Both solve the same discrete problem (the double solutions to their round-off, some 1e-5).
    const double floorMiddle = FloorSolve(n)[n / 2];
    const double toolkitMiddle = physics.Solve(n, arithmetic).get_m_vdb_Unknowns()[n / 2];
    if (std::fabs(floorMiddle - toolkitMiddle) > 1e-4)
        state.SkipWithError("the toolkit and the floor disagree");
    for (auto _ : state)
    {
        StaticSolution s = physics.Solve(n, arithmetic);
        benchmark::DoNotOptimize(s.get_m_vdb_Unknowns().data());
    }
    state.SetLabel(arithmetic == Arithmetic::Double ? "SolveLinearStatic, double" : "SolveLinearStatic, extended");
}

} // namespace

BENCHMARK(BM_PoissonFloor)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PoissonToolkit)->Args({1000000, 0})->Args({1000000, 1})->Unit(benchmark::kMillisecond);

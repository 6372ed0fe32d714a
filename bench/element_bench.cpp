// K + M + F of one element, against the same quadrature written as flat
// loops over plain arrays calling the same integrands through the same
// function pointers: the element's overhead beyond the integrand calls.
#include "element.h"
#include "hermitianfunction.h"
#include "lagrangianfunction.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{

double StiffnessIntegrand(void*, int&, double&, double&, double&, double& dPsii, double&, double&, double& dPsij,
                          double&)
{
    return dPsii * dPsij;
}

double MassIntegrand(void*, int&, double&, double& Psii, double&, double&, double& Psij, double&, double&)
{
    return Psii * Psij;
}

double LoadIntegrand(void*, int&, double&, double& Psii, double&) { return Psii; }

struct Configuration
{
    int type;
    int nodes;
};

const Configuration kConfigurations[] = {{0, 2}, {1, 4}};

void BM_ElementKMF(benchmark::State& state)
{
    const Configuration c = kConfigurations[state.range(0)];
    Element element(c.type, c.nodes, 1, 0.75, 1);
    int object = 0;
    element.set_Object(&object);
    element.set_FunctionCalculK(StiffnessIntegrand);
    element.set_FunctionCalculM(MassIntegrand);
    element.set_FunctionCalculF(LoadIntegrand);
    for (auto _ : state)
    {
        element.CalculLocalMatrixK();
        element.CalculLocalMatrixM();
        element.CalculForce();
        benchmark::DoNotOptimize(element.get_m_mdb_K(0, 0));
        benchmark::ClobberMemory();
    }
    state.SetLabel(c.type == 0 ? "Lagrange, 2 nodes" : "Hermite");
}

// The same sums over plain arrays of the tabulated values.
void BM_FlatLoopsKMF(benchmark::State& state)
{
    const Configuration c = kConfigurations[state.range(0)];
    const double length = 0.75;
    const int N = c.type == 0 ? c.nodes : 4;
    GaussLegendre rule(c.type == 0 ? c.nodes : 5);
    const int G = rule.get_m_int_NumberOfIntegrationPoints();
    std::unique_ptr<ShapeFunction> shape;
    if (c.type == 0)
        shape.reset(new LagrangianFunction(N - 1, rule.get_m_vdb_Points(), length));
    else
        shape.reset(new HermitianFunction(3, rule.get_m_vdb_Points(), length));

    std::vector<double> psi(N * G), dpsi(N * G), d2psi(N * G), w(G), u(G, 0.0), du(G, 0.0);
    std::vector<double> K(N * N), M(N * N), F(N);
    for (int k = 0; k < N; ++k)
        for (int t = 0; t < G; ++t)
        {
            psi[k * G + t] = shape->fPsi(k, t);
            dpsi[k * G + t] = shape->fdPsi(k, t);
            d2psi[k * G + t] = shape->fd2Psi(k, t);
        }
    for (int t = 0; t < G; ++t)
        w[t] = rule.get_m_vdb_ptrWeight(t);
    const double J = 0.5 * length;
    int object = 0;
    int type = 1;
    FunctionCalculK kFunction = StiffnessIntegrand;
    FunctionCalculM mFunction = MassIntegrand;
    FunctionCalculF fFunction = LoadIntegrand;
    void* objectPointer = &object;
    // Opaque to the optimiser, as the element's stored pointers are.
    benchmark::DoNotOptimize(kFunction);
    benchmark::DoNotOptimize(mFunction);
    benchmark::DoNotOptimize(fFunction);
    benchmark::DoNotOptimize(objectPointer);

    for (auto _ : state)
    {
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
            {
                double s = 0.0;
                for (int t = 0; t < G; ++t)
                    s += kFunction(objectPointer, type, u[t], du[t], psi[i * G + t], dpsi[i * G + t], d2psi[i * G + t],
                                   psi[j * G + t], dpsi[j * G + t], d2psi[j * G + t]) *
                         w[t];
                K[i * N + j] = s * J;
            }
        for (int i = 0; i < N; ++i)
            for (int j = 0; j < N; ++j)
            {
                double s = 0.0;
                for (int t = 0; t < G; ++t)
                {
                    double a = psi[i * G + t], b = dpsi[i * G + t], cc = d2psi[i * G + t];
                    double d = psi[j * G + t], e = dpsi[j * G + t], f = d2psi[j * G + t];
                    s += mFunction(objectPointer, type, u[t], a, b, cc, d, e, f) * w[t];
                }
                M[i * N + j] = s * J;
            }
        for (int i = 0; i < N; ++i)
        {
            double s = 0.0;
            for (int t = 0; t < G; ++t)
            {
                double a = psi[i * G + t], b = dpsi[i * G + t];
                s += fFunction(objectPointer, type, u[t], a, b) * w[t];
            }
            F[i] = s * J;
        }
        benchmark::DoNotOptimize(K.data());
        benchmark::DoNotOptimize(M.data());
        benchmark::DoNotOptimize(F.data());
        benchmark::ClobberMemory();
    }
    state.SetLabel(c.type == 0 ? "Lagrange, 2 nodes" : "Hermite");
}

} // namespace

BENCHMARK(BM_ElementKMF)->Arg(0)->Arg(1);
BENCHMARK(BM_FlatLoopsKMF)->Arg(0)->Arg(1);

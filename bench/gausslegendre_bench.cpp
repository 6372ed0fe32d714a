#include "gausslegendre.h"

#include <benchmark/benchmark.h>

// Building a rule: table lookup at 5 points, Newton's method beyond.
static void BM_GaussLegendreConstruction(benchmark::State& state)
{
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state)
    {
        GaussLegendre rule(n);
        benchmark::DoNotOptimize(rule.get_m_vdb_ptrWeight(0));
    }
}
BENCHMARK(BM_GaussLegendreConstruction)->Arg(5)->Arg(64)->Arg(1000);

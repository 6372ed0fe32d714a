// One solve in a process of its own, for the times and peak memory of a
// fresh process: run it under tools/run-benchmarks.sh, which reports the
// whole process's wall time beside what it prints.
//
//   fem1d_fresh poisson N [double|extended]     order 1 Poisson, N elements (mesh, assembly, solve)
//   fem1d_fresh cantilever N [double|extended]  Hermite cantilever under uniform load, static
//   fem1d_fresh modes N K [double|extended]     the K lowest modes of that cantilever
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cantilevercase.h"
#include "poissoncase.h"

namespace
{

long PeakKilobytes()
{
    rusage l_o_Usage{};
    getrusage(RUSAGE_SELF, &l_o_Usage);
    return l_o_Usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3)
    {
        std::fprintf(stderr, "usage: fem1d_fresh poisson|cantilever N [double|extended], fem1d_fresh modes N K "
                             "[double|extended]\n");
        return 2;
    }
    const int n = std::atoi(argv[2]);
    const bool l_b_Modes = std::strcmp(argv[1], "modes") == 0;
    const int l_int_Modes = l_b_Modes && argc > 3 ? std::atoi(argv[3]) : 10;
    const char* l_c_Arithmetic = argc > (l_b_Modes ? 4 : 3) ? argv[l_b_Modes ? 4 : 3] : "extended";
    SolverSettings l_o_Settings;
    l_o_Settings.m_e_Arithmetic = std::strcmp(l_c_Arithmetic, "double") == 0 ? Arithmetic::Double : Arithmetic::Extended;
    const auto l_o_Start = std::chrono::steady_clock::now();
    double l_db_Result = 0.0;
    try
    {
        if (std::strcmp(argv[1], "poisson") == 0)
            l_db_Result = PoissonCase().Solve(n, l_o_Settings.m_e_Arithmetic).get_m_vdb_Unknowns()[n / 2];
        else if (std::strcmp(argv[1], "cantilever") == 0)
            l_db_Result = SolveLinearStatic(CantileverCase::Make(n), l_o_Settings).Value(1.0);
        else
            l_db_Result = SolveModes(CantileverCase::Make(n), l_int_Modes, l_o_Settings).get_Omega(0);
    }
    catch (const ProblemError& e)
    {
        std::printf("%s %d: %s\n", argv[1], n, e.what());
        return 1;
    }
    const double l_db_Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - l_o_Start).count();
    std::printf("%s %d (%s): result %.17g, solve %.3f s, peak memory %.1f MB\n", argv[1], n, l_c_Arithmetic,
                l_db_Result, l_db_Seconds, PeakKilobytes() / 1024.0);
    return 0;
}

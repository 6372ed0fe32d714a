// One solve in a process of its own, for the times and peak memory of a
// fresh process: run it under tools/run-benchmarks.sh, which reports the
// whole process's wall time beside what it prints.
//
//   fem1d_fresh poisson N       order 1 Poisson, N elements (mesh, assembly, solve)
//   fem1d_fresh cantilever N    Hermite cantilever under uniform load, static
//   fem1d_fresh modes N K       the K lowest modes of that cantilever
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "poissoncase.h"

namespace
{

struct CantileverCase
{
    static double Stiffness(void*, int&, double&, double&, double&, double&, double& d2Psii, double&, double&,
                            double& d2Psij)
    {
        return d2Psii * d2Psij;
    }
    static double Mass(void*, int&, double&, double& Psii, double&, double&, double& Psij, double&, double&)
    {
        return Psii * Psij;
    }
    static double Load(void*, int&, double&, double& Psii, double&) { return Psii; }

    static Model Make(int n)
    {
        Integrands in;
        in.m_o_ptrK = Stiffness;
        in.m_o_ptrM = Mass;
        in.m_o_ptrF = Load;
        Model model(Discretisation(Mesh(0.0, 1.0, n), Interpolation::Hermite()), in);
        model.FixValue(0.0, 0.0);
        model.FixSlope(0.0, 0.0);
        return model;
    }
};

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
        std::fprintf(stderr, "usage: fem1d_fresh poisson|cantilever|modes N [K]\n");
        return 2;
    }
    const int n = std::atoi(argv[2]);
    const auto l_o_Start = std::chrono::steady_clock::now();
    double l_db_Result = 0.0;
    try
    {
        if (std::strcmp(argv[1], "poisson") == 0)
            l_db_Result = PoissonCase().Solve(n).get_m_vdb_Unknowns()[n / 2];
        else if (std::strcmp(argv[1], "cantilever") == 0)
            l_db_Result = SolveLinearStatic(CantileverCase::Make(n)).Value(1.0);
        else
            l_db_Result = SolveModes(CantileverCase::Make(n), argc > 3 ? std::atoi(argv[3]) : 10).get_Omega(0);
    }
    catch (const ProblemError& e)
    {
        std::printf("%s %d: %s\n", argv[1], n, e.what());
        return 1;
    }
    const double l_db_Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - l_o_Start).count();
    std::printf("%s %d: result %.17g, solve %.3f s, peak memory %.1f MB\n", argv[1], n, l_db_Result, l_db_Seconds,
                PeakKilobytes() / 1024.0);
    return 0;
}

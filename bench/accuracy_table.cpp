// The errors and times of the double and the extended paths on problems
// whose exact answer is known, side by side: run by tools/run-benchmarks.sh.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <string>

#include "cantilevercase.h"
#include "poissoncase.h"

namespace
{

const double kPi = 3.14159265358979323846;

// Error of one solve, or its error message.
struct Run
{
    std::string m_s_Error;
    double m_db_Seconds;
};

Run Measure(const std::function<double()>& in_f_Error)
{
    const auto l_o_Start = std::chrono::steady_clock::now();
    char l_c_Text[64];
    try
    {
        std::snprintf(l_c_Text, sizeof l_c_Text, "%.1e", in_f_Error());
    }
    catch (const ProblemError& e)
    {
        std::snprintf(l_c_Text, sizeof l_c_Text, "error");
    }
    return {l_c_Text, std::chrono::duration<double>(std::chrono::steady_clock::now() - l_o_Start).count()};
}

void Row(const char* in_c_Problem, const std::function<double(Arithmetic)>& in_f_Error)
{
    const Run d = Measure([&] { return in_f_Error(Arithmetic::Double); });
    const Run e = Measure([&] { return in_f_Error(Arithmetic::Extended); });
    std::printf("%-44s | %9s %7.3f s | %9s %7.3f s\n", in_c_Problem, d.m_s_Error.c_str(), d.m_db_Seconds,
                e.m_s_Error.c_str(), e.m_db_Seconds);
}

SolverSettings In(Arithmetic in_e_Arithmetic)
{
    SolverSettings settings;
    settings.m_e_Arithmetic = in_e_Arithmetic;
    return settings;
}

} // namespace

int main()
{
    std::printf("%-44s | %-19s | %-19s\n", "problem: error measured", "double", "extended");
    Row("-u'' = pi^2 sin(pi x), order 1, 1e6: L2", [](Arithmetic a)
        { return PoissonCase().Solve(1000000, a).L2Error([](double x) { return std::sin(kPi * x); }); });
    Row("same: largest nodal error", [](Arithmetic a)
        {
            const StaticSolution s = PoissonCase().Solve(1000000, a);
            double l_db_Worst = 0.0;
            for (int i = 0; i <= 1000000; ++i)
                l_db_Worst = std::max(l_db_Worst, std::fabs(s.get_m_vdb_Unknowns()[i] - std::sin(kPi * i / 1e6)));
            return l_db_Worst;
        });
    for (int n : {1000, 10000, 100000})
    {
        const std::string l_s_Name = "cantilever, uniform load, " + std::to_string(n) + ": tip (rel.)";
        Row(l_s_Name.c_str(), [n](Arithmetic a)
            { return std::fabs(SolveLinearStatic(CantileverCase::Make(n), In(a)).Value(1.0) / 0.125 - 1.0); });
    }
    Row("cantilever modes, 10000: omega1 (rel.)", [](Arithmetic a)
        {
            const double l_db_Exact = 1.87510406871196 * 1.87510406871196;
            return std::fabs(SolveModes(CantileverCase::Make(10000), 1, In(a)).get_Omega(0) / l_db_Exact - 1.0);
        });
    return 0;
}

// fem1d's parts on one problem file, timed in one process: reading the
// problem, assembly and solve, tabulating, CSV formatting and writing.
//
//   fem1d_phases PROBLEM [PREFIX]
#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "csvwriter.h"
#include "outputfiles.h"
#include "problemreader.h"
#include "solver.h"
#include "tables.h"

namespace
{

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::fprintf(stderr, "usage: fem1d_phases PROBLEM [PREFIX]\n");
        return 2;
    }
    const std::string l_s_Prefix = argc > 2 ? argv[2] : "fem1d_phases";
    const Clock::time_point t0 = Clock::now();
    std::ifstream l_o_File(argv[1], std::ios::binary);
    std::ostringstream l_o_Text;
    l_o_Text << l_o_File.rdbuf();
    std::istringstream l_o_Input(l_o_Text.str());
    const Problem l_o_Problem = ReadProblem(l_o_Input, argv[1], l_s_Prefix);
    const Clock::time_point t1 = Clock::now();
    const Results l_o_Results = SolveProblem(l_o_Problem);
    const Clock::time_point t2 = Clock::now();
    const Table l_o_Nodes = NodeTable(l_o_Results);
    const Clock::time_point t3 = Clock::now();
    const std::string l_s_Csv = CsvText(l_o_Nodes);
    const Clock::time_point t4 = Clock::now();
    OutputFiles l_o_Files;
    l_o_Files.Write(l_s_Prefix + ".csv", l_s_Csv);
    l_o_Files.Write(l_s_Prefix + "-reactions.csv", CsvText(ReactionTable(l_o_Results)));
    l_o_Files.Commit();
    const Clock::time_point t5 = Clock::now();
    std::printf("elements %d, rows %zu, CSV %.1f MB\n",
                l_o_Results.m_o_ptrModel->get_Discretisation().get_Mesh().get_m_int_NumberOfElements(),
                l_o_Nodes.Rows(), l_s_Csv.size() / 1e6);
    std::printf("reading           %8.3f s\n", Seconds(t0, t1));
    std::printf("assembly + solve  %8.3f s\n", Seconds(t1, t2));
    std::printf("tabulating        %8.3f s   (values and derivatives at the nodes)\n", Seconds(t2, t3));
    std::printf("CSV formatting    %8.3f s\n", Seconds(t3, t4));
    std::printf("writing the files %8.3f s\n", Seconds(t4, t5));
    std::printf("total             %8.3f s\n", Seconds(t0, t5));
    return 0;
}

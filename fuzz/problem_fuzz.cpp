// Feeds arbitrary bytes to fem1d's problem reader: every input gives a
// problem or one clean error of one line. Small problems are also solved and
// reported, so that whatever the reader lets through, the rest takes too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "csvwriter.h"
#include "inputerror.h"
#include "problemreader.h"
#include "report.h"
#include "solver.h"
#include "tables.h"

namespace
{

void Require(bool in_b_Condition)
{
    if (!in_b_Condition)
        std::abort();
}

void RequireOneLine(const InputError& in_o_Error)
{
    const std::string l_s_Message = in_o_Error.what();
    Require(!l_s_Message.empty() && l_s_Message.find('\n') == std::string::npos && in_o_Error.get_m_int_Line() >= 0);
}

// Solves stay small so that an input takes milliseconds: the reader is what is fuzzed.
bool SmallEnough(const Problem& in_o_Problem)
{
    const long long l_ll_Finest = static_cast<long long>(in_o_Problem.m_int_Elements)
                                  << in_o_Problem.m_int_RefineLevels;
    const std::size_t l_l_Breakpoints = 2 * in_o_Problem.m_v_Regions.size() + in_o_Problem.m_v_Conditions.size();
    return l_ll_Finest <= 200 && (l_l_Breakpoints << in_o_Problem.m_int_RefineLevels) <= 400 &&
           in_o_Problem.m_int_NewtonIterations <= 40 && in_o_Problem.m_int_Modes <= 50;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream l_o_Input(std::string(reinterpret_cast<const char*>(data), size));
    Problem l_o_Problem;
    try
    {
        l_o_Problem = ReadProblem(l_o_Input, "fuzz.fem", "fuzz");
    }
    catch (const InputError& e)
    {
        RequireOneLine(e);
        return 0;
    }
    Require(!l_o_Problem.m_s_Output.empty() && l_o_Problem.m_db_Start < l_o_Problem.m_db_End);
    if (!SmallEnough(l_o_Problem))
        return 0;
    try
    {
        const Results l_o_Results = SolveProblem(l_o_Problem);
        const Table l_o_Nodes = NodeTable(l_o_Results);
        Require(CsvText(l_o_Nodes).size() > 0);
        Require(ReportText(l_o_Results, l_o_Nodes, {}).size() > 0);
    }
    catch (const InputError& e)
    {
        RequireOneLine(e);
    }
    return 0;
}

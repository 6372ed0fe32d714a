#include "plot.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "outputfiles.h"

extern char** environ;

namespace
{

constexpr std::size_t kMostPlotted = 4000;

// A single-quoted gnuplot string.
std::string Quote(const std::string& in_s_Text)
{
    std::string l_s_Quoted = "'";
    for (char c : in_s_Text)
        l_s_Quoted += c == '\'' ? std::string("''") : std::string(1, c);
    return l_s_Quoted + "'";
}

void AppendNumber(std::string& io_s_Text, double in_db_x)
{
    char l_c_Buffer[32];
    io_s_Text.append(l_c_Buffer, std::to_chars(l_c_Buffer, l_c_Buffer + sizeof l_c_Buffer, in_db_x).ptr);
}

std::string NodeBlock(const Table& t)
{
    const std::size_t n = t.Rows();
    const std::size_t l_l_Stride = (n + kMostPlotted - 1) / kMostPlotted;
    std::string l_s_Block = "$nodes << EOD\n";
    auto l_f_Row = [&](std::size_t i)
    {
        for (std::size_t c = 0; c < t.m_v_Columns.size(); ++c)
        {
            if (c > 0)
                l_s_Block += ' ';
            AppendNumber(l_s_Block, t[c].m_vdb_Values[i]);
        }
        l_s_Block += '\n';
    };
    for (std::size_t i = 0; i < n; i += l_l_Stride)
        l_f_Row(i);
    if ((n - 1) % l_l_Stride != 0)
        l_f_Row(n - 1); // the last node always
    return l_s_Block + "EOD\n";
}

std::string ConvergenceBlock(const Results& r)
{
    std::string l_s_Block = "$changes << EOD\n";
    for (std::size_t l = 1; l < r.m_v_Levels.size(); ++l)
    {
        const LevelSummary& s = r.m_v_Levels[l];
        AppendNumber(l_s_Block, s.m_db_LargestElement);
        if (r.m_o_ptrModes)
            for (double c : s.m_vdb_Change)
            {
                l_s_Block += ' ';
                // A change of zero has no place on a log axis.
                if (c > 0.0)
                    AppendNumber(l_s_Block, c);
                else
                    l_s_Block += "NaN";
            }
        else
        {
            l_s_Block += ' ';
            if (s.m_db_Change > 0.0)
                AppendNumber(l_s_Block, s.m_db_Change);
            else
                l_s_Block += "NaN";
        }
        l_s_Block += '\n';
    }
    return l_s_Block + "EOD\n";
}

std::string Script(const Results& r, const Table& t, const std::string& in_s_Output)
{
    const Problem& p = *r.m_o_ptrProblem;
    const bool l_b_Study = r.m_v_Levels.size() > 1;
    std::string s = "set terminal svg size 800," + std::string(l_b_Study ? "960" : "520") + " dynamic font 'sans,12'\n";
    s += "set output " + Quote(in_s_Output) + "\n";
    s += NodeBlock(t);
    if (l_b_Study)
        s += ConvergenceBlock(r) + "set multiplot layout 2,1\n";
    s += "set title " + Quote(p.m_s_Name) + " noenhanced\nset xlabel 'x'\nset grid\nset key below horizontal box\n";
    if (r.m_o_ptrModes)
    {
        s += "set ylabel 'mode shape'\n";
        s += "plot for [i=2:" + std::to_string(t.m_v_Columns.size()) +
             "] $nodes using 1:i with lines lw 2 title sprintf('mode %d', i - 1)\n";
    }
    else
    {
        const std::string l_s_Field = t[1].m_s_Name;
        const std::string l_s_Second = t[3].m_s_Name; // flux or moment
        s += "set ylabel " + Quote(l_s_Field) + "\nset y2label " + Quote(l_s_Second) +
             "\nset ytics nomirror\nset y2tics\n";
        s += "plot $nodes using 1:2 with lines lw 2 title " + Quote(l_s_Field) +
             ", $nodes using 1:4 axes x1y2 with lines lw 1 dt 2 title " + Quote(l_s_Second) + "\n";
    }
    if (l_b_Study)
    {
        s += "unset y2label\nunset y2tics\nset ytics mirror\n";
        s += "set title 'convergence'\nset logscale xy\nset format y '%.0e'\nset xlabel 'element size h "
             "(largest)'\nset ylabel 'change from the previous level'\n";
        const int l_int_Series = r.m_o_ptrModes ? r.m_o_ptrModes->get_NumberOfModes() : 1;
        s += "plot for [i=2:" + std::to_string(l_int_Series + 1) + "] $changes using 1:i with linespoints lw 2 " +
             (r.m_o_ptrModes ? std::string("title sprintf('mode %d', i - 1)") : std::string("title 'change'")) +
             "\nunset multiplot\n";
    }
    return s;
}

std::string FirstLine(const std::string& in_s_Path)
{
    std::ifstream l_o_File(in_s_Path);
    std::string l_s_Line;
    while (std::getline(l_o_File, l_s_Line))
        if (l_s_Line.find_first_not_of(" \t\r") != std::string::npos)
            break;
    const std::size_t l_l_Start = l_s_Line.find_first_not_of(" \t\r");
    return l_l_Start == std::string::npos ? "" : l_s_Line.substr(l_l_Start);
}

} // namespace

std::string FindGnuplot()
{
    const char* l_c_Path = std::getenv("PATH");
    std::istringstream l_o_Directories(l_c_Path != nullptr ? l_c_Path : "");
    std::string l_s_Directory;
    while (std::getline(l_o_Directories, l_s_Directory, ':'))
    {
        const std::string l_s_Candidate = (l_s_Directory.empty() ? "." : l_s_Directory) + "/gnuplot";
        struct stat l_o_Status;
        if (stat(l_s_Candidate.c_str(), &l_o_Status) == 0 && S_ISREG(l_o_Status.st_mode) &&
            access(l_s_Candidate.c_str(), X_OK) == 0)
            return l_s_Candidate;
    }
    return "";
}

void PlotResults(const std::string& in_s_Gnuplot, const Results& in_o_Results, const Table& in_o_Nodes,
                 const std::string& in_s_Output, const std::string& in_s_Target)
{
    // The script and gnuplot's messages go to temporary files of their own.
    OutputFiles l_o_Scratch;
    const std::string l_s_Script = l_o_Scratch.Reserve(in_s_Output + ".gp");
    const std::string l_s_Messages = l_o_Scratch.Reserve(in_s_Output + ".log");
    {
        std::ofstream l_o_File(l_s_Script, std::ios::binary);
        l_o_File << Script(in_o_Results, in_o_Nodes, in_s_Output);
        if (!l_o_File.flush())
            throw OutputError(in_s_Target, "the plot script cannot be written");
    }

    posix_spawn_file_actions_t l_o_Actions;
    posix_spawn_file_actions_init(&l_o_Actions);
    posix_spawn_file_actions_addopen(&l_o_Actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&l_o_Actions, 1, l_s_Messages.c_str(), O_WRONLY | O_APPEND, 0);
    posix_spawn_file_actions_adddup2(&l_o_Actions, 1, 2);
    std::string l_s_Program = in_s_Gnuplot;
    std::string l_s_Argument = l_s_Script;
    char* l_c_Arguments[] = {&l_s_Program[0], &l_s_Argument[0], nullptr};
    pid_t l_o_Child = 0;
    const int l_int_Spawned =
        posix_spawn(&l_o_Child, in_s_Gnuplot.c_str(), &l_o_Actions, nullptr, l_c_Arguments, environ);
    posix_spawn_file_actions_destroy(&l_o_Actions);
    if (l_int_Spawned != 0)
        throw OutputError(in_s_Target, "gnuplot (" + in_s_Gnuplot + ") cannot be started");
    int l_int_Status = 0;
    while (waitpid(l_o_Child, &l_int_Status, 0) < 0)
        if (errno != EINTR)
            throw OutputError(in_s_Target, "gnuplot could not be waited for");
    if (!WIFEXITED(l_int_Status) || WEXITSTATUS(l_int_Status) != 0)
    {
        const std::string l_s_Said = FirstLine(l_s_Messages);
        throw OutputError(in_s_Target, "gnuplot failed" + (l_s_Said.empty() ? std::string() : ": " + l_s_Said));
    }
}

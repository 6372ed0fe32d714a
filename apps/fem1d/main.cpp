// fem1d: solves a bar, heat or beam problem described in a command file and
// writes its report, CSV files and, on request, a plot.
#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <new>
#include <sstream>
#include <string>
#include <system_error>

#include "csvwriter.h"
#include "inputerror.h"
#include "outputfiles.h"
#include "plot.h"
#include "problemreader.h"
#include "report.h"
#include "solver.h"
#include "tables.h"

namespace
{

enum ExitStatus
{
    kSuccess = 0,
    kProblemError = 1, // the problem file is wrong or the solve fails
    kUsageError = 2    // the command line is wrong, or a file cannot be read or written
};

struct Options
{
    std::string m_s_Problem;
    std::string m_s_Output;
    bool m_b_Plot = false;
    bool m_b_Quiet = false;
};

// Messages are one line each, whatever the text they quote.
std::string OneLine(std::string in_s_Text)
{
    for (char& c : in_s_Text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return in_s_Text;
}

void Say(const std::string& in_s_Message) { std::cerr << "fem1d: " << OneLine(in_s_Message) << std::endl; }

class FileUnreadable : public std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::string ReadWhole(const std::string& in_s_Path)
{
    std::error_code l_o_Error;
    if (std::filesystem::is_directory(in_s_Path, l_o_Error))
        throw FileUnreadable("cannot be read: it is a directory");
    std::ifstream l_o_File(in_s_Path, std::ios::binary);
    if (!l_o_File)
        throw FileUnreadable(std::string("cannot be read: ") + std::strerror(errno));
    std::ostringstream l_o_Text;
    l_o_Text << l_o_File.rdbuf();
    if (l_o_File.bad())
        throw FileUnreadable("cannot be read: a read error");
    return l_o_Text.str();
}

// The steps of a run, in the order of the method: read the problem, solve
// it, tabulate the results, write them, report.
class Fem1dRun
{
public:
    explicit Fem1dRun(Options in_o_Options) : m_o_Options(std::move(in_o_Options)) {}

    int run()
    {
        read_problem();
        solve();
        tabulate();
        write_files();
        report();
        return kSuccess;
    }

private:
    Options m_o_Options;
    Problem m_o_Problem;
    Results m_o_Results;
    Table m_o_Nodes;
    OutputFiles m_o_Files;

    void read_problem()
    {
        std::istringstream l_o_Text(ReadWhole(m_o_Options.m_s_Problem));
        const std::string l_s_Default = std::filesystem::path(m_o_Options.m_s_Problem).stem().string();
        m_o_Problem = ReadProblem(l_o_Text, m_o_Options.m_s_Problem, l_s_Default);
        if (!m_o_Options.m_s_Output.empty())
            m_o_Problem.m_s_Output = m_o_Options.m_s_Output;
    }

    void solve() { m_o_Results = SolveProblem(m_o_Problem); }

    void tabulate() { m_o_Nodes = NodeTable(m_o_Results); }

    void write_files()
    {
        const std::string& l_s_Prefix = m_o_Problem.m_s_Output;
        m_o_Files.Write(l_s_Prefix + ".csv", CsvText(m_o_Nodes));
        if (m_o_Results.m_o_ptrStatic)
            m_o_Files.Write(l_s_Prefix + "-reactions.csv", CsvText(ReactionTable(m_o_Results)));
        if (m_o_Results.m_o_ptrModes)
            m_o_Files.Write(l_s_Prefix + "-modes.csv", CsvText(ModeTable(m_o_Results)));
        if (m_o_Problem.m_int_RefineLevels > 0)
            m_o_Files.Write(l_s_Prefix + "-convergence.csv", CsvText(ConvergenceTable(m_o_Results)));
        if (m_o_Options.m_b_Plot)
        {
            const std::string l_s_Plot = l_s_Prefix + ".svg";
            const std::string l_s_Gnuplot = FindGnuplot();
            if (l_s_Gnuplot.empty())
                Say("gnuplot is not installed, so " + l_s_Plot +
                    " is not written (install the Debian package gnuplot-nox); the CSV files are");
            else
                PlotResults(l_s_Gnuplot, m_o_Results, m_o_Nodes, m_o_Files.Reserve(l_s_Plot), l_s_Plot);
        }
        m_o_Files.Commit();
    }

    void report()
    {
        if (!m_o_Options.m_b_Quiet)
        {
            std::cout << ReportText(m_o_Results, m_o_Nodes, m_o_Files.Targets()) << std::flush;
            return;
        }
        for (const std::string& l_s_Warning : m_o_Results.m_v_Warnings)
            Say(m_o_Options.m_s_Problem + ": warning: " + l_s_Warning);
    }
};

} // namespace

int main(int argc, char** argv)
{
    Options l_o_Options;
    CLI::App l_o_App{"Solves a bar, heat or beam problem described in a command file: writes a report, "
                     "PREFIX.csv and, as the analysis asks, PREFIX-reactions.csv, PREFIX-modes.csv and "
                     "PREFIX-convergence.csv.",
                     "fem1d"};
    l_o_App.add_option("PROBLEM", l_o_Options.m_s_Problem, "The problem file")->required();
    l_o_App.add_option("-o,--output", l_o_Options.m_s_Output,
                       "Prefix of the output files (default: the file's Output, else its name without extension)");
    l_o_App.add_flag("--plot", l_o_Options.m_b_Plot, "Also plot the results into PREFIX.svg (needs gnuplot)");
    l_o_App.add_flag("-q,--quiet", l_o_Options.m_b_Quiet, "No report on standard output");
    l_o_App.set_version_flag("--version", std::string("fem1d ") + FEM1D_VERSION);
    try
    {
        l_o_App.parse(argc, argv);
    }
    catch (const CLI::CallForHelp&)
    {
        std::cout << l_o_App.help() << std::flush;
        return kSuccess;
    }
    catch (const CLI::CallForVersion&)
    {
        std::cout << "fem1d " << FEM1D_VERSION << std::endl;
        return kSuccess;
    }
    catch (const CLI::ParseError& e)
    {
        Say(std::string(e.what()) + " (see fem1d --help)");
        return kUsageError;
    }
    if (l_o_App.count("--output") > 0 && l_o_Options.m_s_Output.empty())
    {
        Say("--output: the prefix is empty (see fem1d --help)");
        return kUsageError;
    }

    const std::string& l_s_File = l_o_Options.m_s_Problem;
    try
    {
        return Fem1dRun(l_o_Options).run();
    }
    catch (const InputError& e)
    {
        Say(l_s_File + (e.get_m_int_Line() > 0 ? ":" + std::to_string(e.get_m_int_Line()) : std::string()) + ": " +
            e.what());
        return kProblemError;
    }
    catch (const FileUnreadable& e)
    {
        Say(l_s_File + ": " + e.what());
        return kUsageError;
    }
    catch (const OutputError& e)
    {
        Say(e.get_m_s_Path() + ": " + e.what());
        return kUsageError;
    }
    catch (const std::bad_alloc&)
    {
        Say(l_s_File + ": not enough memory for this problem: use fewer elements or refinement levels");
        return kProblemError;
    }
}

// The fem1d program as a user meets it: wrong problem files, each with its
// one-line message and exit status and no file written; the command line;
// whole-or-nothing output files; the plot with and without gnuplot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace
{

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct Outcome
{
    int status;
    std::string out, err;
};

// A fresh directory of its own for each run.
class ProgramTest : public ::testing::Test
{
protected:
    fs::path dir;

    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(info->test_suite_name()) + "." + info->name();
        for (char& c : name)
            if (c == '/')
                c = '_';
        dir = fs::path(::testing::TempDir()) / ("fem1d-" + name);
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    void Write(const std::string& name, const std::string& text)
    {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    // fem1d with the arguments, in dir; PATH replaced where given.
    Outcome Fem1d(std::vector<std::string> args, const char* path = nullptr)
    {
        const fs::path out = dir / ".stdout", err = dir / ".stderr";
        const pid_t child = fork();
        if (child == 0)
        {
            if (chdir(dir.c_str()) != 0 || !freopen(out.c_str(), "w", stdout) || !freopen(err.c_str(), "w", stderr))
                _exit(127);
            if (path != nullptr)
                setenv("PATH", path, 1);
            std::vector<char*> argv{const_cast<char*>(FEM1D_PROGRAM)};
            for (std::string& a : args)
                argv.push_back(&a[0]);
            argv.push_back(nullptr);
            execv(FEM1D_PROGRAM, argv.data());
            _exit(127);
        }
        int status = 0;
        waitpid(child, &status, 0);
        Outcome run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadFile(out), ReadFile(err)};
        fs::remove(out);
        fs::remove(err);
        return run;
    }
    std::set<std::string> Files() const
    {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir))
            names.insert(entry.path().filename().string());
        return names;
    }
};

// ---------------------------------------------------------------------------
// Wrong problem files: the exact message, status 1, nothing else written.

struct WrongFile
{
    const char* name;
    std::string text;
    std::string message; // after "fem1d: bad.fem"
};

void PrintTo(const WrongFile& c, std::ostream* os) { *os << c.name; }

class WrongProblemFile : public ProgramTest, public ::testing::WithParamInterface<WrongFile>
{
};

TEST_P(WrongProblemFile, OneLineAtTheCommandAndNoFiles)
{
    Write("bad.fem", GetParam().text);
    const Outcome run = Fem1d({"bad.fem"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "fem1d: bad.fem" + GetParam().message + "\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Files(), std::set<std::string>{"bad.fem"});
}

const std::string kBar = "Equation (Diffusion)\nDomain (0, 1)\nElements (4)\n#Fixed value: (0, 0)\n"; // lines 1-4
const std::string kBeam = "Equation (Beam)\nDomain (0, 1)\nElements (4)\n";                           // lines 1-3

const WrongFile kWrongFiles[] = {
    // Commands and their parameters.
    {"Misspelt", kBar + "Conductivty (2)\n", ":5: unknown command 'Conductivty' (did you mean Conductivity?)"},
    {"Unknown", kBar + "Temperature (2)\n",
     ":5: unknown command 'Temperature' (the commands are Equation, Domain, Elements, Grading, Element, Region, "
     "Conductivity, Nonlinear, Convection, Reaction, Source, Capacity, Rigidity, Foundation, Load, Mass, #Fixed "
     "value:, #Fixed slope:, #Point load:, #Point moment:, Spring, Convective, Solve, Newton, Refine and Output)"},
    {"NoParentheses", "Equation (Diffusion)\nDomain (0, 1)\nElements 10\n",
     ":3: unknown command 'Elements10': parameters go in parentheses, as in Elements (n)"},
    {"HeaderWithoutParentheses", kBar + "#Point load: 1, 2\n",
     ":5: unknown command 'Point_load1': parameters go in parentheses, as in #Point load: (x, P)"},
    {"TooMany", "Equation (Diffusion)\nDomain (0, 1, 2)\n",
     ":2: Domain: takes 2 parameters, not 3: write Domain (x0, x1)"},
    {"TooFew", kBar + "Convective (1, 2)\n",
     ":5: Convective: takes 3 parameters, not 2: write Convective (x, h, uinf)"},
    {"NoParameters", kBar + "Output ()\n", ":5: Output: takes 1 parameter, not 0: write Output (name)"},
    {"ParametersMissing", kBar + "Source\n",
     ":5: Source: the parameters go in parentheses: write Source (f) or Source (f_start, f_end)"},
    {"CoefficientThreeValues", kBar + "Source (1, 2, 3)\n",
     ":5: Source: takes 1 or 2 parameters, not 3: write Source (f) or Source (f_start, f_end)"},
    {"EmptyParameter", "Equation (Diffusion)\nDomain (, 1)\n", ":2: Domain: x0 is missing (two commas in a row?)"},
    {"WordForNumber", "Equation (Diffusion)\nDomain (0, one)\n", ":2: Domain: x1 must be a number, not 'one'"},
    {"Infinite", kBar + "Source (inf)\n", ":5: Source: f must be a finite number, not 'inf'"},
    {"BeyondDouble", "Equation (Diffusion)\nDomain (0, 1e999)\n",
     ":2: Domain: x1 = '1e999' is beyond the range of double precision"},
    {"WrongWord", "Equation (Heat)\n", ":1: Equation: the physics must be Diffusion or Beam, not 'Heat'"},
    {"ModesWithoutCount", kBar + "Solve (Modes)\n",
     ":5: Solve: Modes needs the number of modes: write Solve (Modes, k)"},
    // Ranges.
    {"ElementsNotWhole", "Equation (Diffusion)\nDomain (0, 1)\nElements (2.5)\n",
     ":3: Elements: n must be a whole number, not 2.5"},
    {"ElementsZero", "Equation (Diffusion)\nDomain (0, 1)\nElements (0)\n",
     ":3: Elements: n must be from 1 to 100000000, not 0"},
    {"EmptyDomain", "Equation (Diffusion)\nDomain (1, 1)\n", ":2: Domain: the start 1 must lie below the end 1"},
    {"NegativeConductivity", kBar + "Conductivity (1, -1)\n", ":5: Conductivity: a_end must be positive, not -1"},
    {"NegativeReaction", kBar + "Reaction (-2)\n", ":5: Reaction: c must be zero or positive, not -2"},
    {"ZeroGrading", kBar + "Grading (0)\n", ":5: Grading: r must be positive, not 0"},
    {"LagrangeOrderFour", kBar + "Element (Lagrange, 4)\n", ":5: Element: the order p must be from 1 to 3, not 4"},
    {"HermiteNotCubic", kBeam + "Element (Hermite, 2)\n",
     ":4: Element: Hermite elements are cubic: write Element (Hermite, 3)"},
    {"NewtonTolerance", kBar + "Newton (2, 10)\n",
     ":5: Newton: tol is relative to the first residual and must lie below 1, not 2"},
    {"RefineLevels", kBar + "Refine (11)\n", ":5: Refine: levels must be from 1 to 10, not 11"},
    {"RefineTooFine", "Equation (Diffusion)\nDomain (0, 1)\nElements (1000000)\n#Fixed value: (0, 0)\nRefine (10)\n",
     ":5: Refine: 10 levels from 1000000 elements need 1024000000 on the finest mesh, above the limit of 100000000"},
    {"SpringNotPositive", kBar + "Spring (1, 0)\n", ":5: Spring: k must be positive, not 0"},
    // Commands that do not fit the rest of the problem.
    {"NoEquation", "Domain (0, 1)\nElements (2)\n",
     ": no Equation command: add Equation (Diffusion) or Equation (Beam)"},
    {"NoDomain", "Equation (Beam)\nElements (2)\n", ": no Domain command: add Domain (x0, x1)"},
    {"NoElements", "Equation (Diffusion)\nDomain (0, 1)\n#Fixed value: (0, 0)\n",
     ": no Elements command: add Elements (n)"},
    {"DomainTwice", kBar + "Domain (0, 2)\n", ":5: Domain: given twice (first at line 2)"},
    {"CoefficientTwice", kBar + "Region (0, 0.5)\nSource (1)\nSource (2)\n",
     ":7: Source: given twice for this region (first at line 6)"},
    {"RegionOutside", kBar + "Region (0.5, 2)\n", ":5: Region: [0.5, 2] must lie within the domain [0, 1]"},
    {"RegionBackwards", kBar + "Region (0.5, 0.25)\n", ":5: Region: the start 0.5 must lie below the end 0.25"},
    {"ConditionOutside", kBar + "#Point load: (2, 1)\n", ":5: #Point load: x = 2 lies outside the domain [0, 1]"},
    {"SlopeOnDiffusion", kBar + "#Fixed slope: (0, 0)\n",
     ":5: #Fixed slope: belongs to Equation (Beam), but this problem is Diffusion (line 1)"},
    {"MomentOnDiffusion", kBar + "#Point moment: (1, 3)\n",
     ":5: #Point moment: belongs to Equation (Beam), but this problem is Diffusion (line 1)"},
    {"BeamCoefficientOnDiffusion", kBar + "Rigidity (2)\n",
     ":5: Rigidity: belongs to Equation (Beam), but this problem is Diffusion (line 1)"},
    {"DiffusionCoefficientOnBeam", kBeam + "Conductivity (2)\n",
     ":4: Conductivity: belongs to Equation (Diffusion), but this problem is Beam (line 1)"},
    {"ConvectiveInside", kBar + "Convective (0.5, 1, 0)\n",
     ":5: Convective: x = 0.5 is not an end of the domain [0, 1]: a convective condition acts through x0 or x1"},
    {"SameConditionTwice", kBar + "#Point load: (1, 2)\n#Point load: (1, 3)\n",
     ":6: #Point load: a point load at x = 1 is given twice (first at line 5)"},
    {"ValueFixedTwice", kBar + "#Fixed value: (0, 1)\n",
     ":5: #Fixed value: a fixed value at x = 0 is given twice (first at line 4)"},
    {"HermiteOnDiffusion", kBar + "Element (Hermite, 3)\n",
     ":5: Element: Equation (Diffusion) takes Lagrange elements: Element (Lagrange, p), p = 1, 2 or 3"},
    {"LagrangeOnBeam", kBeam + "Element (Lagrange, 2)\n",
     ":4: Element: Equation (Beam) takes only Element (Hermite, 3)"},
    {"BarNotHeld", "Equation (Diffusion)\nDomain (0, 1)\nElements (4)\nSource (1)\n",
     ":1: Equation: the problem is not held: nothing stops a uniform shift of u; add a #Fixed value:, a Spring, a "
     "Convective condition or a positive Reaction"},
    {"BeamNotHeldAtTheSolve", kBeam + "Load (1)\nSolve (Static)\n",
     ":5: Solve: the problem is not held: nothing stops the beam from moving up or down; add a #Fixed value:, a "
     "Spring or a positive Foundation"},
    {"BeamTurns", kBeam + "#Fixed value: (0.5, 0)\nSolve (Static)\n",
     ":5: Solve: the problem is not held: the beam can turn about x = 0.5; add a #Fixed slope: or a second support"},
    {"ModesOfANonlinearProblem", kBar + "Nonlinear (0.5)\nSolve (Modes, 2)\n",
     ":6: Solve: Modes needs a linear, symmetric problem, but Nonlinear is set at line 5"},
    {"ModesWithConvection", kBar + "Region (0, 0.5)\nConvection (1)\nSolve (Modes, 2)\n",
     ":7: Solve: Modes needs a linear, symmetric problem, but Convection is set at line 6"},
    {"MoreModesThanUnknowns",
     "Equation (Diffusion)\nDomain (0, 1)\nElements (2)\n#Fixed value: (0, 0)\nSolve (Modes, 5)\n",
     ":5: Solve: the problem has 2 free unknowns, so 1 to 2 modes can be asked for, not 5"},
    // One command a line.
    {"ParenthesisOpen", "Equation (Diffusion)\nDomain (0,\n1)\n",
     ":2: Domain: the parenthesis is not closed on this line (a command and its parameters stand on one line)"},
    {"TwoCommandsOnALine", "Equation (Diffusion)\nDomain (0, 1) Elements (4)\n",
     ":2: Domain: text follows the parameters: one command per line, its parameters in one pair of parentheses"},
    {"CommentHidesTheCommand", "Equation (Diffusion)\nDomain (0, 1) /* the whole\nlength */\n",
     ":2: the long comment opened on this line and not closed on it hides the command before it: close it on this "
     "line, or start it on a line of its own"},
    {"CommentNeverClosed", kBar + "/* to do:\nSource (1)\n",
     ":5: the long comment opened here is never closed with */"},
};

INSTANTIATE_TEST_SUITE_P(Cases, WrongProblemFile, ::testing::ValuesIn(kWrongFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// What the language accepts besides the plain form.

TEST_F(ProgramTest, NamesAndWordsInAnyCaseCommentsTabsAndCarriageReturns)
{
    Write("ok.fem", "/* a bar\n   fixed at 0 */\r\nEQUATION (diffusion)   // the physics\r\n"
                    "domain\t(0,\t1)\r\nelements (2e0)\r\n#fixed   VALUE: (0, 0)\r\n#Point load (1, +2)\r\n"
                    "solve (STATIC)\r\n");
    const Outcome run = Fem1d({"-q", "ok.fem"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(ReadFile(dir / "ok-reactions.csv"), "x,kind,reaction\n0,value,-2\n");
}

// ---------------------------------------------------------------------------
// The command line.

const std::string kGood = "Equation (Diffusion)\nDomain (0, 1)\nElements (2)\nSource (2)\n#Fixed value: (0, 0)\n"
                          "#Fixed value: (1, 0)\n";

TEST_F(ProgramTest, ReportOnStandardOutputFilesNamedAfterTheProblem)
{
    Write("wall.fem", kGood);
    const Outcome run = Fem1d({"wall.fem"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out.rfind("fem1d wall.fem\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("Written:  wall.csv, wall-reactions.csv\n"), std::string::npos) << run.out;
    // u = x (1 - x) exact at the nodes; u' one-sided at the ends, the mean of both sides between.
    EXPECT_EQ(ReadFile(dir / "wall.csv"), "x,u,dudx,flux\n0,0,0.5,-0.5\n0.5,0.25,0,0\n1,0,-0.5,0.5\n");
    EXPECT_EQ(Files(), (std::set<std::string>{"wall.fem", "wall.csv", "wall-reactions.csv"}));
}

TEST_F(ProgramTest, OutputCommandAndOptionChooseThePrefix)
{
    Write("p.fem", kGood + "Output (fromfile)\n");
    EXPECT_EQ(Fem1d({"-q", "p.fem"}).status, 0);
    EXPECT_TRUE(fs::exists(dir / "fromfile.csv"));
    fs::create_directory(dir / "sub");
    const Outcome run = Fem1d({"--quiet", "--output", "sub/fromoption", "p.fem"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(fs::exists(dir / "sub" / "fromoption.csv"));
    EXPECT_TRUE(fs::exists(dir / "sub" / "fromoption-reactions.csv"));
}

struct UsageCase
{
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string err; // the whole of standard error
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

class CommandLine : public ProgramTest, public ::testing::WithParamInterface<UsageCase>
{
};

TEST_P(CommandLine, StatusAndMessage)
{
    Write("good.fem", kGood);
    fs::create_directory(dir / "folder.fem");
    fs::create_directory(dir / "folder.fem" / "x-reactions.csv");
    const Outcome run = Fem1d(GetParam().args);
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.err, GetParam().err);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Files(), (std::set<std::string>{"good.fem", "folder.fem"}));
    // Nothing left of a run stopped half-way through writing.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "folder.fem"), fs::directory_iterator()), 1);
}

const UsageCase kUsage[] = {
    {"NoProblem", {}, 2, "fem1d: PROBLEM is required (see fem1d --help)\n"},
    {"UnknownOption",
     {"--frobnicate", "good.fem"},
     2,
     "fem1d: The following argument was not expected: --frobnicate (see fem1d --help)\n"},
    {"TwoProblems",
     {"good.fem", "other.fem"},
     2,
     "fem1d: The following argument was not expected: other.fem (see fem1d --help)\n"},
    {"OutputWithoutValue", {"good.fem", "-o"}, 2, "fem1d: --output: 1 required TEXT missing (see fem1d --help)\n"},
    {"EmptyOutput", {"-o", "", "good.fem"}, 2, "fem1d: --output: the prefix is empty (see fem1d --help)\n"},
    {"MissingFile", {"none.fem"}, 2, "fem1d: none.fem: cannot be read: No such file or directory\n"},
    {"Directory", {"folder.fem"}, 2, "fem1d: folder.fem: cannot be read: it is a directory\n"},
    {"OutputFolderMissing",
     {"-o", "nowhere/x", "good.fem"},
     2,
     "fem1d: nowhere/x.csv: cannot be written: No such file or directory\n"},
    {"OutputIsAFolder",
     {"-o", "folder.fem/x", "good.fem"},
     2,
     "fem1d: folder.fem/x-reactions.csv: cannot be written: it is a directory\n"},
};

INSTANTIATE_TEST_SUITE_P(Cases, CommandLine, ::testing::ValuesIn(kUsage),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProgramTest, HelpAndVersionOnStandardOutput)
{
    const Outcome help = Fem1d({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    for (const char* option : {"PROBLEM", "-o,--output", "--plot", "-q,--quiet", "--version"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    const Outcome version = Fem1d({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("fem1d ", 0), 0u);
    EXPECT_EQ(std::count(version.out.begin(), version.out.end(), '\n'), 1);
}

// ---------------------------------------------------------------------------
// The plot.

TEST_F(ProgramTest, PlotIsAnSvgBesideTheCsvFiles)
{
    if (std::system("command -v gnuplot >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "gnuplot is not installed";
    Write("p.fem", kGood + "Refine (2)\n");
    const Outcome run = Fem1d({"-q", "--plot", "p.fem"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string svg = ReadFile(dir / "p.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);
    EXPECT_NE(svg.find("</svg>"), std::string::npos);
    EXPECT_EQ(Files(), (std::set<std::string>{"p.fem", "p.csv", "p-reactions.csv", "p-convergence.csv", "p.svg"}));
}

TEST_F(ProgramTest, WithoutGnuplotTheCsvFilesAreStillWritten)
{
    Write("p.fem", kGood);
    fs::create_directory(dir / "empty");
    const Outcome run = Fem1d({"-q", "--plot", "p.fem"}, (dir / "empty").c_str());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "fem1d: gnuplot is not installed, so p.svg is not written (install the Debian package "
                       "gnuplot-nox); the CSV files are\n");
    EXPECT_EQ(Files(), (std::set<std::string>{"p.fem", "p.csv", "p-reactions.csv", "empty"}));
}

TEST_F(ProgramTest, AFailingPlotLeavesNoFileBehind)
{
    Write("p.fem", kGood);
    fs::create_directory(dir / "bin");
    Write("bin/gnuplot", "#!/bin/sh\necho 'out of ink' >&2\nexit 3\n");
    fs::permissions(dir / "bin" / "gnuplot", fs::perms::owner_all);
    const Outcome run = Fem1d({"--plot", "p.fem"}, (dir / "bin").c_str());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "fem1d: p.svg: gnuplot failed: out of ink\n");
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(Files(), (std::set<std::string>{"p.fem", "bin"}));
}

TEST_F(ProgramTest, AnEarlierResultIsReplacedWholeOrKept)
{
    Write("p.fem", kGood);
    ASSERT_EQ(Fem1d({"-q", "p.fem"}).status, 0);
    const std::string before = ReadFile(dir / "p.csv");
    Write("p.fem", kGood + "Source (3)\n"); // now wrong: the source is given twice
    EXPECT_EQ(Fem1d({"-q", "p.fem"}).status, 1);
    EXPECT_EQ(ReadFile(dir / "p.csv"), before);
}

} // namespace

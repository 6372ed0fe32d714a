#ifndef FEM1D_APP_STATEMENTS_H
#define FEM1D_APP_STATEMENTS_H

#include <istream>
#include <string>
#include <vector>

// One command of a problem file: its line, its name as written and its
// parameters, as the toolkit's command-file reader translates them.
struct Statement
{
    int m_int_Line;
    std::string m_s_Name;
    std::vector<std::string> m_v_Parameters;
    bool m_b_Parenthesis; // the parameters stood in parentheses
};

// Splits a problem file into its commands, one a line. Besides the reader's
// own rules, a problem file keeps each command on its line: parameters
// close on the line that opens them, nothing but comments follows them, and
// a long comment does not swallow a command written before it. Tabs count as
// spaces, and a carriage return before the line feed is ignored. An
// InputError names the line that breaks these rules.
std::vector<Statement> ReadStatements(std::istream& in_o_Input);

// A word as it may appear in a message: printable ASCII only, and short;
// Quoted puts it in single quotes.
std::string Printable(const std::string& in_s_Word);
std::string Quoted(const std::string& in_s_Word);

#endif

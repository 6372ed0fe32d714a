#ifndef FEM1D_APP_PARAMETERS_H
#define FEM1D_APP_PARAMETERS_H

#include <initializer_list>
#include <string>

#include "statements.h"

// The parameters of one command, read with messages that name the command,
// the parameter and what it must be. Every failure is an InputError at the
// command's line.
class Parameters
{
public:
    Parameters(const Statement& in_o_Statement, std::string in_s_Command)
        : m_o_Statement(in_o_Statement), m_s_Command(std::move(in_s_Command))
    {
    }

    std::size_t Count() const { return m_o_Statement.m_v_Parameters.size(); }
    // Fails unless the command has from in_l_Fewest to in_l_Most parameters;
    // in_c_Usage is how the command is written, "Domain (x0, x1)".
    void RequireCount(std::size_t in_l_Fewest, std::size_t in_l_Most, const char* in_c_Usage) const;

    // A finite number in decimal or exponent notation.
    double Number(std::size_t in_l_Index, const char* in_c_Name) const;
    double Positive(std::size_t in_l_Index, const char* in_c_Name) const;
    double NotNegative(std::size_t in_l_Index, const char* in_c_Name) const;
    // A whole number from in_int_Fewest to in_int_Most ("1e6" is one).
    int Integer(std::size_t in_l_Index, const char* in_c_Name, int in_int_Fewest, int in_int_Most) const;
    // The index of the word among in_l_Words, compared without case.
    int Word(std::size_t in_l_Index, const char* in_c_Name, std::initializer_list<const char*> in_l_Words) const;
    const std::string& Text(std::size_t in_l_Index) const { return m_o_Statement.m_v_Parameters[in_l_Index]; }

    [[noreturn]] void Fail(const std::string& in_s_Message) const;

private:
    const Statement& m_o_Statement;
    std::string m_s_Command;
};

// The word in lower case (ASCII letters only).
std::string LowerCase(const std::string& in_s_Word);

#endif

#include "parameters.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "inputerror.h"
#include "numbertext.h"

std::string LowerCase(const std::string& in_s_Word)
{
    std::string l_s_Lower = in_s_Word;
    for (char& c : l_s_Lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return l_s_Lower;
}

void Parameters::Fail(const std::string& in_s_Message) const
{
    throw InputError(m_o_Statement.m_int_Line, m_s_Command + ": " + in_s_Message);
}

void Parameters::RequireCount(std::size_t in_l_Fewest, std::size_t in_l_Most, const char* in_c_Usage) const
{
    const std::size_t n = Count();
    if (n >= in_l_Fewest && n <= in_l_Most)
        return;
    const std::string l_s_Usage = std::string("write ") + in_c_Usage;
    if (!m_o_Statement.m_b_Parenthesis)
        Fail("the parameters go in parentheses: " + l_s_Usage);
    const std::string l_s_Expected = in_l_Fewest == in_l_Most
                                         ? std::to_string(in_l_Fewest)
                                         : std::to_string(in_l_Fewest) + " or " + std::to_string(in_l_Most);
    Fail("takes " + l_s_Expected + (in_l_Most == 1 ? " parameter" : " parameters") + ", not " + std::to_string(n) +
         ": " + l_s_Usage);
}

double Parameters::Number(std::size_t in_l_Index, const char* in_c_Name) const
{
    const std::string& l_s_Text = Text(in_l_Index);
    if (l_s_Text.empty())
        Fail(std::string(in_c_Name) + " is missing (two commas in a row?)");
    const char* l_c_Begin = l_s_Text.data();
    const char* l_c_End = l_c_Begin + l_s_Text.size();
    // A leading "+" is accepted; from_chars takes only a "-".
    if (*l_c_Begin == '+' && l_c_End - l_c_Begin > 1 && l_c_Begin[1] != '-')
        ++l_c_Begin;
    double l_db_Value = 0.0;
    const std::from_chars_result l_o_Result = std::from_chars(l_c_Begin, l_c_End, l_db_Value);
    if (l_o_Result.ptr != l_c_End)
        Fail(std::string(in_c_Name) + " must be a number, not " + Quoted(l_s_Text));
    if (l_o_Result.ec == std::errc::result_out_of_range)
        Fail(std::string(in_c_Name) + " = " + Quoted(l_s_Text) + " is beyond the range of double precision");
    if (l_o_Result.ec != std::errc() || !std::isfinite(l_db_Value))
        Fail(std::string(in_c_Name) + " must be a finite number, not " + Quoted(l_s_Text));
    return l_db_Value;
}

double Parameters::Positive(std::size_t in_l_Index, const char* in_c_Name) const
{
    const double l_db_Value = Number(in_l_Index, in_c_Name);
    if (!(l_db_Value > 0.0))
        Fail(std::string(in_c_Name) + " must be positive, not " + NumberText(l_db_Value));
    return l_db_Value;
}

double Parameters::NotNegative(std::size_t in_l_Index, const char* in_c_Name) const
{
    const double l_db_Value = Number(in_l_Index, in_c_Name);
    if (l_db_Value < 0.0)
        Fail(std::string(in_c_Name) + " must be zero or positive, not " + NumberText(l_db_Value));
    return l_db_Value;
}

int Parameters::Integer(std::size_t in_l_Index, const char* in_c_Name, int in_int_Fewest, int in_int_Most) const
{
    const double l_db_Value = Number(in_l_Index, in_c_Name);
    if (l_db_Value != std::floor(l_db_Value))
        Fail(std::string(in_c_Name) + " must be a whole number, not " + NumberText(l_db_Value));
    if (l_db_Value < in_int_Fewest || l_db_Value > in_int_Most)
        Fail(std::string(in_c_Name) + " must be from " + std::to_string(in_int_Fewest) + " to " +
             std::to_string(in_int_Most) + ", not " + NumberText(l_db_Value));
    return static_cast<int>(l_db_Value);
}

int Parameters::Word(std::size_t in_l_Index, const char* in_c_Name, std::initializer_list<const char*> in_l_Words) const
{
    const std::string l_s_Lower = LowerCase(Text(in_l_Index));
    std::string l_s_Choices;
    int l_int_Index = 0;
    for (const char* l_c_Word : in_l_Words)
    {
        if (l_s_Lower == LowerCase(l_c_Word))
            return l_int_Index;
        l_s_Choices +=
            (l_int_Index == 0 ? "" : (l_int_Index + 1 == static_cast<int>(in_l_Words.size()) ? " or " : ", "));
        l_s_Choices += l_c_Word;
        ++l_int_Index;
    }
    Fail(std::string(in_c_Name) + " must be " + l_s_Choices + ", not " + Quoted(Text(in_l_Index)));
}

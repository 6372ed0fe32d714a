#ifndef FEM1D_APP_INPUTERROR_H
#define FEM1D_APP_INPUTERROR_H

#include <stdexcept>
#include <string>

// A problem file that cannot be solved as written: the line it concerns (0
// where no single line does) and a message that names the command and what
// to change. The program prints it as "fem1d: FILE:LINE: message".
class InputError : public std::runtime_error
{
public:
    InputError(int in_int_Line, const std::string& in_s_Message)
        : std::runtime_error(in_s_Message), m_int_Line(in_int_Line)
    {
    }

    int get_m_int_Line() const { return m_int_Line; }

private:
    int m_int_Line;
};

#endif

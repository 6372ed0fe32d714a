#ifndef FEM1D_TESTS_CAPTURE_STDOUT_H
#define FEM1D_TESTS_CAPTURE_STDOUT_H

#include <iostream>
#include <sstream>
#include <string>

// Collects what is written to std::cout while it lives, and restores the
// stream's buffer and format settings afterwards (the element report leaves
// its format on std::cout on purpose).
class CaptureStdout
{
public:
    explicit CaptureStdout(bool in_b_ResetFormat = true)
        : m_o_ptrOld(std::cout.rdbuf(m_o_Buffer.rdbuf())), m_o_Flags(std::cout.flags()),
          m_int_Precision(std::cout.precision())
    {
        if (in_b_ResetFormat)
        {
            std::cout.flags(std::ios::dec | std::ios::skipws);
            std::cout.precision(6);
        }
    }
    ~CaptureStdout()
    {
        std::cout.rdbuf(m_o_ptrOld);
        std::cout.flags(m_o_Flags);
        std::cout.precision(m_int_Precision);
    }
    CaptureStdout(const CaptureStdout&) = delete;
    CaptureStdout& operator=(const CaptureStdout&) = delete;

    // What was written since the last call.
    std::string Take()
    {
        std::string l_s_Text = m_o_Buffer.str();
        m_o_Buffer.str("");
        return l_s_Text;
    }

private:
    std::ostringstream m_o_Buffer;
    std::streambuf* m_o_ptrOld;
    std::ios::fmtflags m_o_Flags;
    std::streamsize m_int_Precision;
};

#endif

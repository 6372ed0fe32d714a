// Feeds arbitrary bytes to the command-file translation and checks what the
// format guarantees of every translation.
#include "parsor.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace
{

std::string Translate(const std::string& in_s_Text)
{
    std::istringstream l_o_Input(in_s_Text);
    std::istringstream l_o_Output;
    Parsor<double> l_o_Parsor;
    l_o_Parsor.ReadStream(l_o_Input, l_o_Output);
    return l_o_Output.str();
}

void Require(bool in_b_Condition)
{
    if (!in_b_Condition)
        std::abort();
}

std::string WithoutEmptyLines(const std::string& in_s_Text)
{
    std::string l_s_Result;
    std::size_t l_l_Start = 0;
    while (l_l_Start < in_s_Text.size())
    {
        std::size_t l_l_End = in_s_Text.find('\n', l_l_Start);
        if (l_l_End > l_l_Start)
            l_s_Result.append(in_s_Text, l_l_Start, l_l_End - l_l_Start + 1);
        l_l_Start = l_l_End + 1;
    }
    return l_s_Result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string l_s_Input(reinterpret_cast<const char*>(data), size);
    const std::string l_s_Words = Translate(l_s_Input);

    // Separators, spaces, headers and parentheses never survive.
    Require(l_s_Words.find_first_of(" #():,") == std::string::npos);
    // Every line result ends with its line feed.
    Require(l_s_Words.empty() || l_s_Words.back() == '\n');
    // Without "/" there is no comment left to open: the words translate to
    // themselves, less the empty lines.
    if (l_s_Words.find('/') == std::string::npos)
        Require(Translate(l_s_Words) == WithoutEmptyLines(l_s_Words));
    return 0;
}

#ifndef FEM1D_NUMBERTEXT_H
#define FEM1D_NUMBERTEXT_H

#include <charconv>
#include <string>

// The shortest text that reads back to the same double ("0.1", "2.1e+11").
inline std::string NumberText(double in_db_x)
{
    char l_c_Buffer[32];
    const std::to_chars_result l_o_Result = std::to_chars(l_c_Buffer, l_c_Buffer + sizeof l_c_Buffer, in_db_x);
    return std::string(l_c_Buffer, l_o_Result.ptr);
}

#endif

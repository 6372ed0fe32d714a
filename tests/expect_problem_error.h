// The check of the tables of unsolvable cases: the call throws a
// ProblemError whose message holds the expected words.
#ifndef FEM1D_TESTS_EXPECT_PROBLEM_ERROR_H
#define FEM1D_TESTS_EXPECT_PROBLEM_ERROR_H

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "problemerror.h"

inline void ExpectProblemError(const std::function<void()>& in_f_Call, const std::string& in_s_Message)
{
    try
    {
        in_f_Call();
        ADD_FAILURE() << "no ProblemError; expected one saying \"" << in_s_Message << "\"";
    }
    catch (const ProblemError& e)
    {
        EXPECT_NE(std::string(e.what()).find(in_s_Message), std::string::npos) << e.what();
    }
}

#endif

#ifndef FEM1D_APP_PROBLEMREADER_H
#define FEM1D_APP_PROBLEMREADER_H

#include <istream>
#include <string>

#include "problem.h"

// The largest meshes a problem may ask for (the finest level of a study included).
constexpr int kMostElements = 100000000;

// Reads a problem file written in the problem language into a consistent
// Problem: every command known, every parameter of the right kind and
// range, the conditions inside the domain and fit for the physics. An
// InputError names the first command that is wrong (line 0: the file as a
// whole, such as a required command missing). in_s_Name names the problem
// in the report; in_s_DefaultOutput is the output prefix when the file
// gives no Output.
Problem ReadProblem(std::istream& in_o_Input, const std::string& in_s_Name, const std::string& in_s_DefaultOutput);

#endif

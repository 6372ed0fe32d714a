#ifndef FEM1D_PROBLEMERROR_H
#define FEM1D_PROBLEMERROR_H

#include <stdexcept>
#include <string>

// A problem that cannot be solved as given: a mesh, a condition or a system
// that the solvers refuse, with a message in the problem's own terms (where,
// what is wrong, what to change). No result accompanies it.
class ProblemError : public std::runtime_error
{
public:
    explicit ProblemError(const std::string& in_s_Message) : std::runtime_error(in_s_Message) {}
};

#endif

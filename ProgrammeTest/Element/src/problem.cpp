#include "problem.h"

// Entry points: the caller object is the Problem that the elements hand back.

double Problem::CalculK(void* in_o_ptrObject, int& Type, double& Solution, double& dSolution, double& Psii,
                        double& dPsii, double& d2Psii, double& Psij, double& dPsij, double& d2Psij)
{
    Problem* l_o_ptrProblem = static_cast<Problem*>(in_o_ptrObject);
    return l_o_ptrProblem->inCalculK(Type, Solution, dSolution, Psii, dPsii, d2Psii, Psij, dPsij, d2Psij);
}

double Problem::CalculK2(void* in_o_ptrObject, int& Type, double& Solution, double& dSolution, double& Psii,
                         double& dPsii, double& d2Psii, double& Psij, double& dPsij, double& d2Psij)
{
    Problem* l_o_ptrProblem = static_cast<Problem*>(in_o_ptrObject);
    return l_o_ptrProblem->inCalculK2(Type, Solution, dSolution, Psii, dPsii, d2Psii, Psij, dPsij, d2Psij);
}

double Problem::CalculK3(void* in_o_ptrObject, int& Type, double& Solution, double& dSolution, double& Psii,
                         double& dPsii, double& d2Psii, double& Psij, double& dPsij, double& d2Psij)
{
    Problem* l_o_ptrProblem = static_cast<Problem*>(in_o_ptrObject);
    return l_o_ptrProblem->inCalculK3(Type, Solution, dSolution, Psii, dPsii, d2Psii, Psij, dPsij, d2Psij);
}

double Problem::CalculM(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii, double& d2Psii,
                        double& Psij, double& dPsij, double& d2Psij)
{
    Problem* l_o_ptrProblem = static_cast<Problem*>(in_o_ptrObject);
    return l_o_ptrProblem->inCalculM(Type, Solution, Psii, dPsii, d2Psii, Psij, dPsij, d2Psij);
}

double Problem::CalculM2(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii, double& d2Psii,
                         double& Psij, double& dPsij, double& d2Psij)
{
    Problem* l_o_ptrProblem = static_cast<Problem*>(in_o_ptrObject);
    return l_o_ptrProblem->inCalculM2(Type, Solution, Psii, dPsii, d2Psii, Psij, dPsij, d2Psij);
}

double Problem::CalculM3(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii, double& d2Psii,
                         double& Psij, double& dPsij, double& d2Psij)
{
    Problem* l_o_ptrProblem = static_cast<Problem*>(in_o_ptrObject);
    return l_o_ptrProblem->inCalculM3(Type, Solution, Psii, dPsii, d2Psii, Psij, dPsij, d2Psij);
}

double Problem::CalculF(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii)
{
    Problem* l_o_ptrProblem = static_cast<Problem*>(in_o_ptrObject);
    return l_o_ptrProblem->inCalculF(Type, Solution, Psii, dPsii);
}

double Problem::CalculF2(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii)
{
    Problem* l_o_ptrProblem = static_cast<Problem*>(in_o_ptrObject);
    return l_o_ptrProblem->inCalculF2(Type, Solution, Psii, dPsii);
}

double Problem::CalculF3(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii)
{
    Problem* l_o_ptrProblem = static_cast<Problem*>(in_o_ptrObject);
    return l_o_ptrProblem->inCalculF3(Type, Solution, Psii, dPsii);
}

// Values. None of them reads the data number or the solution.

double Problem::inCalculK(int&, double&, double&, double&, double& dPsii, double&, double&, double& dPsij, double&)
{
    double kij = dPsii * dPsij;
    return kij;
}

double Problem::inCalculK2(int&, double&, double&, double&, double&, double& d2Psii, double&, double&, double& d2Psij)
{
    double kij = d2Psii * d2Psij;
    return kij;
}

double Problem::inCalculK3(int&, double&, double&, double& Psii, double&, double&, double& Psij, double& dPsij, double&)
{
    const double a = 1.0;
    const double c = 2.0;
    double kij = a * Psii * dPsij + c * Psii * Psij;
    return kij;
}

double Problem::inCalculM(int&, double&, double& Psii, double&, double&, double& Psij, double&, double&)
{
    double mij = Psii * Psij;
    return mij;
}

double Problem::inCalculM2(int&, double&, double&, double&, double&, double&, double&, double&) { return 0.0; }

double Problem::inCalculM3(int&, double&, double&, double&, double&, double&, double&, double&) { return 0.0; }

double Problem::inCalculF(int&, double&, double& Psii, double&)
{
    double fi = Psii;
    return fi;
}

double Problem::inCalculF2(int&, double&, double& Psii, double&)
{
    double fi = Psii;
    return fi;
}

double Problem::inCalculF3(int&, double&, double& Psii, double&)
{
    const double f = 1.0;
    double fi = f * Psii;
    return fi;
}

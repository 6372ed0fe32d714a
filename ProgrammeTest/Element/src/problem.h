#ifndef FEM1D_PROBLEM_H
#define FEM1D_PROBLEM_H

// The test problem: three sets of K, M and F integrands for the element test
// program. The static entry points take the caller object back as a Problem
// and forward every other argument to the private member of the same name
// prefixed with "in".
class Problem
{
public:
    static double CalculK(void* in_o_ptrObject, int& Type, double& Solution, double& dSolution, double& Psii,
                          double& dPsii, double& d2Psii, double& Psij, double& dPsij, double& d2Psij);
    static double CalculK2(void* in_o_ptrObject, int& Type, double& Solution, double& dSolution, double& Psii,
                           double& dPsii, double& d2Psii, double& Psij, double& dPsij, double& d2Psij);
    static double CalculK3(void* in_o_ptrObject, int& Type, double& Solution, double& dSolution, double& Psii,
                           double& dPsii, double& d2Psii, double& Psij, double& dPsij, double& d2Psij);
    static double CalculM(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii,
                          double& d2Psii, double& Psij, double& dPsij, double& d2Psij);
    static double CalculM2(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii,
                           double& d2Psii, double& Psij, double& dPsij, double& d2Psij);
    static double CalculM3(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii,
                           double& d2Psii, double& Psij, double& dPsij, double& d2Psij);
    static double CalculF(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii);
    static double CalculF2(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii);
    static double CalculF3(void* in_o_ptrObject, int& Type, double& Solution, double& Psii, double& dPsii);

private:
    double inCalculK(int& Type, double& Solution, double& dSolution, double& Psii, double& dPsii, double& d2Psii,
                     double& Psij, double& dPsij, double& d2Psij);
    double inCalculK2(int& Type, double& Solution, double& dSolution, double& Psii, double& dPsii, double& d2Psii,
                      double& Psij, double& dPsij, double& d2Psij);
    double inCalculK3(int& Type, double& Solution, double& dSolution, double& Psii, double& dPsii, double& d2Psii,
                      double& Psij, double& dPsij, double& d2Psij);
    double inCalculM(int& Type, double& Solution, double& Psii, double& dPsii, double& d2Psii, double& Psij,
                     double& dPsij, double& d2Psij);
    double inCalculM2(int& Type, double& Solution, double& Psii, double& dPsii, double& d2Psii, double& Psij,
                      double& dPsij, double& d2Psij);
    double inCalculM3(int& Type, double& Solution, double& Psii, double& dPsii, double& d2Psii, double& Psij,
                      double& dPsij, double& d2Psij);
    double inCalculF(int& Type, double& Solution, double& Psii, double& dPsii);
    double inCalculF2(int& Type, double& Solution, double& Psii, double& dPsii);
    double inCalculF3(int& Type, double& Solution, double& Psii, double& dPsii);
};

#endif

// Stiffness, mass and load of one cubic Hermite beam element of length 2,
// with the user's own integrands.
#include <element.h>

#include <iostream>

struct Beam
{
    double bendingStiffness; // EI
    double massPerLength;    // rho A
    double load;             // q

    static double Stiffness(void* beam, int&, double&, double&, double&, double&, double& d2Psii, double&, double&,
                            double& d2Psij)
    {
        return static_cast<Beam*>(beam)->bendingStiffness * d2Psii * d2Psij;
    }
    static double Mass(void* beam, int&, double&, double& Psii, double&, double&, double& Psij, double&, double&)
    {
        return static_cast<Beam*>(beam)->massPerLength * Psii * Psij;
    }
    static double Load(void* beam, int&, double&, double& Psii, double&)
    {
        return static_cast<Beam*>(beam)->load * Psii;
    }
};

int main()
{
    Beam beam{210.0, 7.85, -1.0};
    Element element(1, 4, 1, 2.0, 0); // Hermite, element number 1, length 2, data number 0
    element.set_Object(&beam);
    element.set_FunctionCalculK(Beam::Stiffness);
    element.set_FunctionCalculM(Beam::Mass);
    element.set_FunctionCalculF(Beam::Load);
    element.CalculLocalMatrixK();
    element.CalculLocalMatrixM();
    element.CalculForce();

    std::cout << "K(0, 0) = " << element.get_m_mdb_K(0, 0) << "\n"; // 12 EI / L^3
    std::cout << "F(0) = " << element.get_m_mdb_F(0) << "\n";       // q L / 2
    element.Info();
    return 0;
}

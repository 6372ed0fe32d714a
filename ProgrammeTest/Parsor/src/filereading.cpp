// Reads the command file FichierTest/test1.fem and prints the three commands
// and two integer parameters taken out of it.
#include <iostream>
#include <sstream>
#include <string>

#include "parsor.h"

int main()
{
    Parsor<double> l_o_Parsor;
    std::istringstream stringEntree;
    std::string commande1, commande2, commande3;
    // A parameter the extraction cannot supply prints as 0.
    int a1 = 0;
    int a2 = 0;

    l_o_Parsor.ReadFile("FichierTest/test1.fem", stringEntree);
    stringEntree >> commande1 >> commande2 >> a1 >> commande3 >> a2;

    // "\xE9" is e acute in ISO-8859-1.
    std::cout << "Le r\xE9sultat est:" << std::endl;
    std::cout << "Commande 1" << std::endl;
    std::cout << commande1 << std::endl;
    std::cout << "Commande 2" << std::endl;
    std::cout << commande2 << std::endl;
    std::cout << "Parametre 1" << std::endl;
    std::cout << a1 << std::endl;
    std::cout << "Commande 3" << std::endl;
    std::cout << commande3 << std::endl;
    std::cout << "Parametre 2" << std::endl;
    std::cout << a2 << std::endl;
    std::cout << "Excellent!!!!" << std::endl;
    return 0;
}

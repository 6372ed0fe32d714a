#ifndef FEM1D_ELEMENT_H
#define FEM1D_ELEMENT_H

#include "gausslegendre.h"
#include "shapefunction.h"
#include "tntarrays.h"

// Integrands: the caller's object, the element's data number (Type), the
// solution and, per function, its value and derivatives at one integration
// point. The element multiplies the result by the point's weight.
//
// K:  object, Type, Solution, dSolution, Psii, dPsii, d2Psii, Psij, dPsij, d2Psij
typedef double (*FunctionCalculK)(void*, int&, double&, double&, double&, double&, double&, double&, double&, double&);
// dK: object, Type, Solution, dSolution, Psij, dPsij, Psii, dPsii, d2Psii, Psik, dPsik, d2Psik
typedef double (*FunctionCalculdK)(void*, int&, double&, double&, double&, double&, double&, double&, double&, double&,
                                   double&, double&);
// M:  object, Type, Solution, Psii, dPsii, d2Psii, Psij, dPsij, d2Psij
typedef double (*FunctionCalculM)(void*, int&, double&, double&, double&, double&, double&, double&, double&);
// F:  object, Type, Solution, Psii, dPsii
typedef double (*FunctionCalculF)(void*, int&, double&, double&, double&);

// Where an integrand is being evaluated, in the physical coordinate: the
// current integration point and the two ends of the element. An element
// given one with set_IntegrationPoint writes it before every integrand call,
// so that data may depend on x without any change to the integrand types.
struct IntegrationPoint
{
    double m_db_x;
    double m_db_Start;
    double m_db_End;
};

// One element of a 1D mesh. Type 0 is Lagrange interpolation with 2 to 4
// nodes and as many Gauss points; any other type is cubic Hermite
// interpolation with 4 degrees of freedom and 5 Gauss points. The element owns
// its rule, its interpolation object and seven arrays; the caller's object
// and integrands are only pointed to.
class Element
{
public:
    // Views sharing the element's storage; the setters make the element share the caller's.
    TNT::Array1D<double> get_m_db_Solution();
    // Stores the nodal values and interpolates the solution and its derivative
    // at the integration points.
    void set_m_db_Solution(TNT::Array1D<double>& in_db_Value);
    int get_m_int_ElementNumber() const { return m_int_ElementNumber; }
    void set_m_int_ElementNumber(int value) { m_int_ElementNumber = value; }
    int get_m_int_DataNumber() const { return m_int_DataNumber; }
    void set_m_int_DataNumber(int value) { m_int_DataNumber = value; }
    int get_m_int_NumberOfNode() const;
    // Stores the count only: nothing is rebuilt.
    void set_m_int_NumberOfNode(int value);
    double get_m_db_Length() const { return m_db_Length; }
    // Stores the length and refills the interpolation tables for it.
    void set_m_db_Length(double value);
    // The physical coordinate of the element's start (natural coordinate -1); 0 by default.
    double get_m_db_Origin() const { return m_db_Origin; }
    void set_m_db_Origin(double value) { m_db_Origin = value; }
    RuleDigits get_m_e_RuleDigits() const;
    TNT::Array2D<double> get_m_mdb_K();
    double& get_m_mdb_K(int i, int j) { return (*m_mdb_ptrK)[i][j]; }
    void set_m_mdb_K(TNT::Array2D<double> value);
    TNT::Array2D<double> get_m_mdb_dK();
    double& get_m_mdb_dK(int i, int j) { return (*m_mdb_ptrdK)[i][j]; }
    void set_m_mdb_dK(TNT::Array2D<double> value);
    TNT::Array2D<double> get_m_mdb_M();
    double& get_m_mdb_M(int i, int j) { return (*m_mdb_ptrM)[i][j]; }
    void set_m_mdb_M(TNT::Array2D<double> value);
    TNT::Array1D<double> get_m_mdb_F();
    double get_m_mdb_F(int i) const { return (*m_mdb_ptrF)[i]; }
    void set_m_mdb_F(TNT::Array1D<double> value);

    // in_e_RuleDigits chooses the rule's digits (GaussLegendre); the tabled
    // rule is the default.
    Element(int in_int_TypeElement, int in_int_NumberOfNode, int in_int_ElementNumber, double in_db_Length,
            int in_int_DataNumber, RuleDigits in_e_RuleDigits = RuleDigits::Tabled);
    // A deep copy: own rule, interpolation object and arrays, equal entries.
    Element(const Element& droite);
    // Makes this element equal to droite, in its own storage.
    const Element& operator=(const Element& droite);
    ~Element();

    // Each operation overwrites its result from the tables, the weights and
    // the installed integrand. Without its integrand an operation calls
    // nothing and leaves its result as it was.
    void CalculLocalMatrixK();
    void CalculLocalMatrixdK();
    void CalculLocalMatrixM();
    void CalculLocalMatrix();
    void CalculAll();
    void CalculForce();

    void set_Object(void* in_o_ptrObject);
    void set_FunctionCalculK(FunctionCalculK in_ptrFunction);
    void set_FunctionCalculdK(FunctionCalculdK in_ptrFunction);
    void set_FunctionCalculM(FunctionCalculM in_ptrFunction);
    void set_FunctionCalculF(FunctionCalculF in_ptrFunction);
    // Where the element writes the place of each integrand call (null: nowhere).
    // The point belongs to the caller.
    void set_IntegrationPoint(IntegrationPoint* in_o_ptrPoint);

    // The report, on standard output. The layout leaves standard output in
    // the report format (left, showpoint, precision 3) for the rest of the run.
    void DisplayMatrixK();
    void DisplayMatrixdK();
    void DisplayMatrixM();
    void DisplayMatrix();
    void DisplayForce();
    void Info();

private:
    int m_int_ElementNumber;
    int m_int_NumberOfNode;
    int m_int_DataNumber;
    int m_int_TypeElement;
    double m_db_Length;
    double m_db_Jacobian;
    TNT::Array1D<double>* m_vdb_ptrSolution;
    TNT::Array1D<double>* m_vdb_ptrdSolution;
    TNT::Array1D<double>* m_vdb_ptrNode;
    TNT::Array2D<double>* m_mdb_ptrK;
    TNT::Array2D<double>* m_mdb_ptrdK;
    TNT::Array2D<double>* m_mdb_ptrM;
    TNT::Array1D<double>* m_mdb_ptrF;
    GaussLegendre* m_o_ptrGaussLegendre;
    void* m_o_ptrObjectWithKAndM;
    FunctionCalculK m_o_ptrK;
    FunctionCalculdK m_o_ptrdK;
    FunctionCalculM m_o_ptrM;
    FunctionCalculF m_o_ptrF;
    ShapeFunction* m_o_ptrShapeFunction;
    bool m_b_SetObject;
    bool m_b_SetFunctionCalculK;
    bool m_b_SetFunctionCalculdK;
    bool m_b_SetFunctionCalculM;
    bool m_b_SetFunctionCalculF;
    RuleDigits m_e_RuleDigits;
    double m_db_Origin;
    IntegrationPoint* m_o_ptrIntegrationPoint;

    void DisplayFormatMatrix(TNT::Array2D<double>* in_mdb_ptrMatrix);
    void DisplayFormatVector(TNT::Array1D<double>* in_mdb_ptrVector);

    // Builds the interpolation object of the element's type on its rule's points.
    ShapeFunction* NewShapeFunction() const;
    // Node counts the quadrature loops can use without leaving any array they read or write.
    int LoopNodes(const TNT::Array2D<double>* in_mdb_ptrResult) const;
    int LoopNodes(const TNT::Array1D<double>* in_mdb_ptrResult) const;
    // Writes the element's ends into the caller's point, if any, and returns it.
    IntegrationPoint* BeginPlaces() const;
};

#endif

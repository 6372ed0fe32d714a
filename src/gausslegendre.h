#ifndef FEM1D_GAUSSLEGENDRE_H
#define FEM1D_GAUSSLEGENDRE_H

#include <ostream>

#include "tntarrays.h"

// Where the points and weights of a rule of 1 to 5 points come from: the
// decimal table, good to 9 or 10 digits (every printed figure of the toolkit
// depends on those exact decimals), or the computation to full double
// precision that rules of 6 points and more always use.
enum class RuleDigits
{
    Tabled,
    Full
};

// A Gauss-Legendre rule on the natural interval [-1, 1].
//
// Rules of 1 to 5 points come from a decimal table unless RuleDigits::Full
// is asked for; rules of 6 points or more are computed to full double
// precision. A count of 0 or below gives an empty rule.
class GaussLegendre
{
public:
    explicit GaussLegendre(int in_int_NumberOfPoint, RuleDigits in_e_Digits = RuleDigits::Tabled);
    ~GaussLegendre();

    // A member-wise copy would delete the arrays twice; nothing copies a rule.
    GaussLegendre(const GaussLegendre&) = delete;
    GaussLegendre& operator=(const GaussLegendre&) = delete;

    void CreateWeightAndPoint();

    int get_m_int_NumberOfIntegrationPoints() const;
    // Rebuilds the rule for the new count, with the same digits.
    void set_m_int_NumberOfIntegrationPoints(int in_int_NumberOfPoint);
    RuleDigits get_m_e_Digits() const;

    // Unchecked: in_int_i must lie within 0 to n-1.
    double get_m_vdb_ptrPoints(int in_int_i) const;
    double get_m_vdb_ptrWeight(int in_int_i) const;

    // The points and weights in place, for loops that read them at every
    // integrand call (null for an empty rule); a rebuild moves them.
    const double* get_PointData() const { return m_vdb_ptrPoints->dim() > 0 ? &(*m_vdb_ptrPoints)[0] : nullptr; }
    const double* get_WeightData() const { return m_vdb_ptrWeight->dim() > 0 ? &(*m_vdb_ptrWeight)[0] : nullptr; }

    // Views sharing the rule's storage; a rebuild leaves them on the old values.
    TNT::Array1D<double> get_m_vdb_Points() const;
    TNT::Array1D<double> get_m_vdb_Weight() const;

    // Integral of ptrFunction from in_db_a to in_db_b. The point mapped from
    // xi = -1 is in_db_b, so the first call is at the point nearest in_db_b.
    double Integrate(void* in_o_ptrObject, double (*ptrFunction)(void*, double), double in_db_a, double in_db_b) const;

    // Sum over the points of w_t times ptrFunction(object, Type, i, j, k).
    double Integrate(void* in_o_ptrObject, int Type, double i, double j, double k,
                     double (*ptrFunction)(void*, int, double, double, double)) const;

private:
    TNT::Array1D<double>* m_vdb_ptrPoints;
    TNT::Array1D<double>* m_vdb_ptrWeight;
    int m_int_NumberOfIntegrationPoints;
    RuleDigits m_e_Digits;
};

std::ostream& operator<<(std::ostream& out_Affichage, const GaussLegendre& in_o_GaussLegendre);

#endif

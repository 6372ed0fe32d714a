#include "gausslegendre.h"

#include <cassert>

#include "legendrerule.h"

namespace
{

// Sizes handed to the array library: it must never see a negative size.
int ArraySize(int in_int_Count) { return in_int_Count > 0 ? in_int_Count : 0; }

// The decimal table of the rules of 1 to 5 points, row n-1 holding n values.
const double g_db_TablePoints[5][5] = {
    {0.0},
    {-0.5773502692, 0.5773502692},
    {-0.774596669, 0.0, 0.774596669},
    {-0.861136312, -0.339981044, 0.339981044, 0.861136312},
    {-0.906179846, -0.53846931, 0.0, 0.53846931, 0.906179846},
};
const double g_db_TableWeights[5][5] = {
    {2.0},
    {1.0, 1.0},
    {0.555555556, 0.888888889, 0.555555556},
    {0.347854845, 0.652145155, 0.652145155, 0.347854845},
    {0.236926885, 0.47862867, 0.568888889, 0.47862867, 0.236926885},
};

void WriteSeparatedList(std::ostream& out_Affichage, const TNT::Array1D<double>& in_vdb_Values)
{
    out_Affichage << "( ";
    for (int l_int_t = 0; l_int_t < in_vdb_Values.dim(); ++l_int_t)
    {
        if (l_int_t > 0)
            out_Affichage << ", ";
        out_Affichage << in_vdb_Values[l_int_t];
    }
    out_Affichage << " )";
}

} // namespace

GaussLegendre::GaussLegendre(int in_int_NumberOfPoint, RuleDigits in_e_Digits)
    : m_vdb_ptrPoints(new TNT::Array1D<double>(ArraySize(in_int_NumberOfPoint), 0.0)),
      m_vdb_ptrWeight(new TNT::Array1D<double>(ArraySize(in_int_NumberOfPoint), 0.0)),
      m_int_NumberOfIntegrationPoints(in_int_NumberOfPoint), m_e_Digits(in_e_Digits)
{
    CreateWeightAndPoint();
}

GaussLegendre::~GaussLegendre()
{
    delete m_vdb_ptrPoints;
    delete m_vdb_ptrWeight;
}

void GaussLegendre::CreateWeightAndPoint()
{
    const int l_int_n = m_int_NumberOfIntegrationPoints;
    if (l_int_n >= 1 && l_int_n <= 5 && m_e_Digits == RuleDigits::Tabled)
    {
        for (int l_int_t = 0; l_int_t < l_int_n; ++l_int_t)
        {
            (*m_vdb_ptrPoints)[l_int_t] = g_db_TablePoints[l_int_n - 1][l_int_t];
            (*m_vdb_ptrWeight)[l_int_t] = g_db_TableWeights[l_int_n - 1][l_int_t];
        }
    }
    else if (l_int_n >= 1)
    {
        // Beyond the table the rule is computed rather than left at zero,
        // which would make every integral silently 0.
        CalculLegendreRule(l_int_n, *m_vdb_ptrPoints, *m_vdb_ptrWeight);
    }
}

int GaussLegendre::get_m_int_NumberOfIntegrationPoints() const { return m_int_NumberOfIntegrationPoints; }

RuleDigits GaussLegendre::get_m_e_Digits() const { return m_e_Digits; }

void GaussLegendre::set_m_int_NumberOfIntegrationPoints(int in_int_NumberOfPoint)
{
    m_int_NumberOfIntegrationPoints = in_int_NumberOfPoint;
    delete m_vdb_ptrPoints;
    delete m_vdb_ptrWeight;
    m_vdb_ptrPoints = new TNT::Array1D<double>(ArraySize(in_int_NumberOfPoint), 0.0);
    assert(m_vdb_ptrPoints != 0);
    m_vdb_ptrWeight = new TNT::Array1D<double>(ArraySize(in_int_NumberOfPoint), 0.0);
    assert(m_vdb_ptrWeight != 0);
    CreateWeightAndPoint();
}

double GaussLegendre::get_m_vdb_ptrPoints(int in_int_i) const { return (*m_vdb_ptrPoints)[in_int_i]; }

double GaussLegendre::get_m_vdb_ptrWeight(int in_int_i) const { return (*m_vdb_ptrWeight)[in_int_i]; }

TNT::Array1D<double> GaussLegendre::get_m_vdb_Points() const { return *m_vdb_ptrPoints; }

TNT::Array1D<double> GaussLegendre::get_m_vdb_Weight() const { return *m_vdb_ptrWeight; }

double GaussLegendre::Integrate(void* in_o_ptrObject, double (*ptrFunction)(void*, double), double in_db_a,
                                double in_db_b) const
{
    double l_db_Solution = 0.0;
    for (int t = 0; t < m_int_NumberOfIntegrationPoints; ++t)
    {
        const double l_db_NormalCoordinate = ((in_db_a - in_db_b) * (*m_vdb_ptrPoints)[t] + (in_db_a + in_db_b)) * 0.5;
        l_db_Solution = l_db_Solution + ptrFunction(in_o_ptrObject, l_db_NormalCoordinate) *
                                            ((in_db_b - in_db_a) * 0.5 * (*m_vdb_ptrWeight)[t]);
    }
    return l_db_Solution;
}

double GaussLegendre::Integrate(void* in_o_ptrObject, int Type, double i, double j, double k,
                                double (*ptrFunction)(void*, int, double, double, double)) const
{
    double l_db_Solution = 0.0;
    for (int t = 0; t < m_int_NumberOfIntegrationPoints; ++t)
        l_db_Solution = ptrFunction(in_o_ptrObject, Type, i, j, k) * (*m_vdb_ptrWeight)[t] + l_db_Solution;
    return l_db_Solution;
}

std::ostream& operator<<(std::ostream& out_Affichage, const GaussLegendre& in_o_GaussLegendre)
{
    out_Affichage << "--Gauss-Legendre--" << std::endl;
    out_Affichage << "Number of integartion points :" << in_o_GaussLegendre.get_m_int_NumberOfIntegrationPoints()
                  << std::endl;
    out_Affichage << "Points of integration : ";
    WriteSeparatedList(out_Affichage, in_o_GaussLegendre.get_m_vdb_Points());
    out_Affichage << std::endl;
    out_Affichage << "Weights : ";
    WriteSeparatedList(out_Affichage, in_o_GaussLegendre.get_m_vdb_Weight());
    out_Affichage << std::endl;
    return out_Affichage;
}

#include "model.h"

#include <cmath>

#include "numbertext.h"
#include "problemerror.h"

namespace
{

void CheckFinite(const char* in_c_What, double in_db_x, double in_db_Value)
{
    if (!std::isfinite(in_db_x) || !std::isfinite(in_db_Value))
        throw ProblemError(std::string(in_c_What) + " at x = " + NumberText(in_db_x) + " has the value " +
                           NumberText(in_db_Value) + ": positions and values must be finite numbers");
}

} // namespace

Model::Model(Discretisation in_o_Discretisation, const Integrands& in_o_Integrands)
    : m_o_Discretisation(std::move(in_o_Discretisation)), m_o_Integrands(in_o_Integrands)
{
}

void Model::Fix(int in_int_Unknown, double in_db_Value)
{
    if (m_o_Conditions.IsPrescribed(in_int_Unknown))
        throw ProblemError(m_o_Discretisation.Describe(in_int_Unknown) + " is fixed twice");
    m_o_Conditions.Prescribe(in_int_Unknown, in_db_Value);
}

void Model::FixValue(double in_db_x, double in_db_Value)
{
    CheckFinite("the fixed value", in_db_x, in_db_Value);
    Fix(m_o_Discretisation.ValueUnknownAt(in_db_x), in_db_Value);
}

void Model::FixSlope(double in_db_x, double in_db_Slope)
{
    CheckFinite("the fixed slope", in_db_x, in_db_Slope);
    Fix(m_o_Discretisation.SlopeUnknownAt(in_db_x), in_db_Slope);
}

void Model::AddPointLoad(double in_db_x, double in_db_Force)
{
    CheckFinite("the point load", in_db_x, in_db_Force);
    m_o_Conditions.AddLoad(m_o_Discretisation.ValueUnknownAt(in_db_x), in_db_Force);
}

void Model::AddPointMoment(double in_db_x, double in_db_Moment)
{
    CheckFinite("the point moment", in_db_x, in_db_Moment);
    m_o_Conditions.AddLoad(m_o_Discretisation.SlopeUnknownAt(in_db_x), in_db_Moment);
}

void Model::AddSpring(double in_db_x, double in_db_Stiffness)
{
    CheckFinite("the spring", in_db_x, in_db_Stiffness);
    m_o_Conditions.AddSpring(m_o_Discretisation.ValueUnknownAt(in_db_x), in_db_Stiffness);
}

void Model::AddRotationalSpring(double in_db_x, double in_db_Stiffness)
{
    CheckFinite("the rotational spring", in_db_x, in_db_Stiffness);
    m_o_Conditions.AddSpring(m_o_Discretisation.SlopeUnknownAt(in_db_x), in_db_Stiffness);
}

void Model::AddRobin(double in_db_x, double in_db_Coefficient, double in_db_Ambient)
{
    CheckFinite("the convective condition", in_db_x, in_db_Coefficient);
    CheckFinite("the convective condition's ambient value", in_db_x, in_db_Ambient);
    m_o_Conditions.AddRobin(m_o_Discretisation.ValueUnknownAt(in_db_x), in_db_Coefficient, in_db_Ambient);
}

#include "conditions.h"

#include <algorithm>
#include <string>

#include "problemerror.h"

void Conditions::Prescribe(int in_int_Unknown, double in_db_Value)
{
    if (IsPrescribed(in_int_Unknown))
        throw ProblemError("unknown " + std::to_string(in_int_Unknown) + " is prescribed twice");
    m_v_Prescribed.push_back({in_int_Unknown, in_db_Value});
}

void Conditions::AddLoad(int in_int_Unknown, double in_db_Value) { m_v_Loads.push_back({in_int_Unknown, in_db_Value}); }

void Conditions::AddSpring(int in_int_Unknown, double in_db_Stiffness)
{
    m_v_Springs.push_back({in_int_Unknown, in_db_Stiffness});
}

void Conditions::AddRobin(int in_int_Unknown, double in_db_Coefficient, double in_db_Ambient)
{
    m_v_Robin.push_back({in_int_Unknown, in_db_Coefficient, in_db_Ambient});
}

bool Conditions::IsPrescribed(int in_int_Unknown) const
{
    return std::any_of(m_v_Prescribed.begin(), m_v_Prescribed.end(),
                       [&](const Prescribed& l_o_Condition) { return l_o_Condition.m_int_Unknown == in_int_Unknown; });
}

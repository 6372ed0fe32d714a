#include "modelbuilder.h"

#include <vector>

#include "inputerror.h"

std::shared_ptr<const Mesh> BuildMesh(const Problem& in_o_Problem)
{
    std::vector<double> l_vdb_Breakpoints;
    for (std::size_t r = 1; r < in_o_Problem.m_v_Regions.size(); ++r)
    {
        l_vdb_Breakpoints.push_back(in_o_Problem.m_v_Regions[r].m_db_Start);
        l_vdb_Breakpoints.push_back(in_o_Problem.m_v_Regions[r].m_db_End);
    }
    for (const Condition& l_o_Condition : in_o_Problem.m_v_Conditions)
        l_vdb_Breakpoints.push_back(l_o_Condition.m_db_x);
    try
    {
        Mesh l_o_Mesh(in_o_Problem.m_db_Start, in_o_Problem.m_db_End, in_o_Problem.m_int_Elements, l_vdb_Breakpoints,
                      in_o_Problem.m_db_Grading);
        for (int e = 0; e < l_o_Mesh.get_m_int_NumberOfElements(); ++e)
        {
            const double l_db_Middle =
                l_o_Mesh.get_m_vdb_Nodes(e) + 0.5 * (l_o_Mesh.get_m_vdb_Nodes(e + 1) - l_o_Mesh.get_m_vdb_Nodes(e));
            int l_int_Region = 0;
            for (std::size_t r = 1; r < in_o_Problem.m_v_Regions.size(); ++r)
                if (l_db_Middle >= in_o_Problem.m_v_Regions[r].m_db_Start &&
                    l_db_Middle <= in_o_Problem.m_v_Regions[r].m_db_End)
                    l_int_Region = static_cast<int>(r);
            l_o_Mesh.set_m_vint_DataNumber(e, l_int_Region);
        }
        return std::make_shared<const Mesh>(std::move(l_o_Mesh));
    }
    catch (const ProblemError& e)
    {
        const bool l_b_Graded = in_o_Problem.m_int_GradingLine != 0;
        throw InputError(l_b_Graded ? in_o_Problem.m_int_GradingLine : in_o_Problem.m_int_ElementsLine,
                         std::string(l_b_Graded ? "Grading: " : "Elements: ") + e.what());
    }
}

std::shared_ptr<const Mesh> HalveElements(const Mesh& in_o_Mesh)
{
    const int n = in_o_Mesh.get_m_int_NumberOfElements();
    std::vector<double> l_vdb_Nodes;
    l_vdb_Nodes.reserve(2 * static_cast<std::size_t>(n) + 1);
    for (int e = 0; e < n; ++e)
    {
        const double a = in_o_Mesh.get_m_vdb_Nodes(e), b = in_o_Mesh.get_m_vdb_Nodes(e + 1);
        l_vdb_Nodes.push_back(a);
        l_vdb_Nodes.push_back(a + 0.5 * (b - a));
    }
    l_vdb_Nodes.push_back(in_o_Mesh.get_End());
    Mesh l_o_Fine(l_vdb_Nodes);
    for (int e = 0; e < 2 * n; ++e)
        l_o_Fine.set_m_vint_DataNumber(e, in_o_Mesh.get_m_vint_DataNumber(e / 2));
    return std::make_shared<const Mesh>(std::move(l_o_Fine));
}

Model BuildModel(const Problem& in_o_Problem, std::shared_ptr<const Mesh> in_o_ptrMesh,
                 const Integrands& in_o_Integrands)
{
    const Interpolation l_o_Interpolation =
        in_o_Problem.m_b_Hermite ? Interpolation::Hermite() : Interpolation::Lagrange(in_o_Problem.m_int_Order);
    Model l_o_Model(Discretisation(std::move(in_o_ptrMesh), l_o_Interpolation), in_o_Integrands);
    for (const Condition& c : in_o_Problem.m_v_Conditions)
    {
        try
        {
            switch (c.m_e_Kind)
            {
            case ConditionKind::FixedValue: l_o_Model.FixValue(c.m_db_x, c.m_db_Value); break;
            case ConditionKind::FixedSlope: l_o_Model.FixSlope(c.m_db_x, c.m_db_Value); break;
            case ConditionKind::PointLoad: l_o_Model.AddPointLoad(c.m_db_x, c.m_db_Value); break;
            case ConditionKind::PointMoment: l_o_Model.AddPointMoment(c.m_db_x, c.m_db_Value); break;
            case ConditionKind::Spring: l_o_Model.AddSpring(c.m_db_x, c.m_db_Value); break;
            case ConditionKind::Convective: l_o_Model.AddRobin(c.m_db_x, c.m_db_Value, c.m_db_Ambient); break;
            }
        }
        catch (const ProblemError& e)
        {
            throw InputError(c.m_int_Line, std::string(CommandName(c.m_e_Kind)) + ": " + e.what());
        }
    }
    return l_o_Model;
}

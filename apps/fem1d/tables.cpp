#include "tables.h"

#include <cmath>

namespace
{

const double kTwoPi = 6.283185307179586476925286766559;

// The one-sided values of a derivative column at point i: element e's at x.
// Interior points of an element have one; shared nodes two, averaged.
template <class OneSided>
double Averaged(const Discretisation& in_o_Discretisation, int in_int_Point, OneSided in_f_Value)
{
    const int p =
        in_o_Discretisation.get_Interpolation().IsHermite() ? 1 : in_o_Discretisation.get_Interpolation().get_Order();
    const int n = in_o_Discretisation.get_Mesh().get_m_int_NumberOfElements();
    const double x = in_o_Discretisation.PointPosition(in_int_Point);
    if (in_int_Point % p != 0)
        return in_f_Value(in_int_Point / p, x);
    const int j = in_int_Point / p;
    if (j == 0)
        return in_f_Value(0, x);
    if (j == n)
        return in_f_Value(n - 1, x);
    return 0.5 * (in_f_Value(j - 1, x) + in_f_Value(j, x));
}

// The value unknown of each point.
int ValueUnknown(const Discretisation& in_o_Discretisation, int in_int_Point)
{
    return in_o_Discretisation.get_Interpolation().IsHermite() ? 2 * in_int_Point : in_int_Point;
}

Column NumberColumn(const char* in_c_Name, std::size_t in_l_Rows)
{
    Column l_o_Column;
    l_o_Column.m_s_Name = in_c_Name;
    l_o_Column.m_vdb_Values.reserve(in_l_Rows);
    return l_o_Column;
}

Column TextColumn(const char* in_c_Name) { return Column{in_c_Name, {}, {}}; }

Table StaticNodeTable(const Results& in_o_Results)
{
    const StaticSolution& s = *in_o_Results.m_o_ptrStatic;
    const Physics1D& l_o_Physics = *in_o_Results.m_o_ptrPhysics;
    const Discretisation& d = s.get_Discretisation();
    const Mesh& l_o_Mesh = d.get_Mesh();
    const double* U = s.get_m_vdb_Unknowns().data();
    const int l_int_Points = d.get_NumberOfPoints();
    const auto Here = [&](int e) -> const Coefficients&
    { return l_o_Physics.get_Coefficients(l_o_Mesh.get_m_vint_DataNumber(e)); };

    Table t;
    if (in_o_Results.m_o_ptrProblem->m_e_Physics == Physics::Diffusion)
    {
        Column x = NumberColumn("x", l_int_Points), u = NumberColumn("u", l_int_Points),
               dudx = NumberColumn("dudx", l_int_Points), flux = NumberColumn("flux", l_int_Points);
        for (int i = 0; i < l_int_Points; ++i)
        {
            const double l_db_u = U[ValueUnknown(d, i)];
            x.m_vdb_Values.push_back(d.PointPosition(i));
            u.m_vdb_Values.push_back(l_db_u);
            dudx.m_vdb_Values.push_back(Averaged(d, i, [&](int e, double xi) { return s.EvaluateIn(e, xi, 1); }));
            flux.m_vdb_Values.push_back(Averaged(d, i,
                                                 [&](int e, double xi)
                                                 {
                                                     const Coefficients& c = Here(e);
                                                     return -c.a(xi) * (1.0 + c.m_db_Beta * l_db_u) *
                                                            s.EvaluateIn(e, xi, 1);
                                                 }));
        }
        t.m_v_Columns = {std::move(x), std::move(u), std::move(dudx), std::move(flux)};
        return t;
    }
    Column x = NumberColumn("x", l_int_Points), w = NumberColumn("w", l_int_Points),
           slope = NumberColumn("slope", l_int_Points), moment = NumberColumn("moment", l_int_Points),
           shear = NumberColumn("shear", l_int_Points);
    for (int i = 0; i < l_int_Points; ++i)
    {
        x.m_vdb_Values.push_back(d.PointPosition(i));
        w.m_vdb_Values.push_back(U[ValueUnknown(d, i)]);
        slope.m_vdb_Values.push_back(Averaged(d, i, [&](int e, double xi) { return s.EvaluateIn(e, xi, 1); }));
        moment.m_vdb_Values.push_back(
            Averaged(d, i, [&](int e, double xi) { return Here(e).EI(xi) * s.EvaluateIn(e, xi, 2); }));
        shear.m_vdb_Values.push_back(Averaged(d, i,
                                              [&](int e, double xi)
                                              {
                                                  // w''' is constant on a cubic element.
                                                  const double a = l_o_Mesh.get_m_vdb_Nodes(e),
                                                               b = l_o_Mesh.get_m_vdb_Nodes(e + 1);
                                                  const double l_db_Third =
                                                      (s.EvaluateIn(e, b, 2) - s.EvaluateIn(e, a, 2)) / (b - a);
                                                  const LinearFunction& EI = Here(e).EI;
                                                  return EI.Slope() * s.EvaluateIn(e, xi, 2) + EI(xi) * l_db_Third;
                                              }));
    }
    t.m_v_Columns = {std::move(x), std::move(w), std::move(slope), std::move(moment), std::move(shear)};
    return t;
}

Table ModalNodeTable(const Results& in_o_Results)
{
    const ModalSolution& m = *in_o_Results.m_o_ptrModes;
    const Discretisation& d = in_o_Results.m_o_ptrModel->get_Discretisation();
    const int l_int_Points = d.get_NumberOfPoints();
    Table t;
    Column x = NumberColumn("x", l_int_Points);
    for (int i = 0; i < l_int_Points; ++i)
        x.m_vdb_Values.push_back(d.PointPosition(i));
    t.m_v_Columns.push_back(std::move(x));
    for (int k = 0; k < m.get_NumberOfModes(); ++k)
    {
        const double* U = m.get_m_v_Shapes(k).get_m_vdb_Unknowns().data();
        double l_db_Largest = 0.0;
        for (int i = 0; i < l_int_Points; ++i)
            l_db_Largest = std::max(l_db_Largest, std::fabs(U[ValueUnknown(d, i)]));
        // Peaks equal but for rounding (symmetric shapes) take the first one's sign.
        double l_db_Scale = l_db_Largest;
        for (int i = 0; i < l_int_Points; ++i)
            if (std::fabs(U[ValueUnknown(d, i)]) >= l_db_Largest * (1.0 - 1e-9))
            {
                l_db_Scale = std::copysign(l_db_Largest, U[ValueUnknown(d, i)]);
                break;
            }
        const std::string l_s_Name = "mode" + std::to_string(k + 1);
        Column l_o_Shape = NumberColumn(l_s_Name.c_str(), l_int_Points);
        for (int i = 0; i < l_int_Points; ++i)
            l_o_Shape.m_vdb_Values.push_back(l_db_Scale > 0.0 || l_db_Scale < 0.0 ? U[ValueUnknown(d, i)] / l_db_Scale
                                                                                  : 0.0);
        t.m_v_Columns.push_back(std::move(l_o_Shape));
    }
    return t;
}

} // namespace

Table NodeTable(const Results& in_o_Results)
{
    return in_o_Results.m_o_ptrModes ? ModalNodeTable(in_o_Results) : StaticNodeTable(in_o_Results);
}

Table ReactionTable(const Results& in_o_Results)
{
    Column x = NumberColumn("x", 0), kind = TextColumn("kind"), reaction = NumberColumn("reaction", 0);
    for (const Reaction& l_o_Reaction : in_o_Results.m_o_ptrStatic->get_m_v_Reactions())
    {
        x.m_vdb_Values.push_back(l_o_Reaction.m_db_x);
        kind.m_v_Text.push_back(l_o_Reaction.m_e_Kind == UnknownKind::Slope ? "slope" : "value");
        reaction.m_vdb_Values.push_back(l_o_Reaction.m_db_Value);
    }
    Table t;
    t.m_v_Columns = {std::move(x), std::move(kind), std::move(reaction)};
    return t;
}

Table ModeTable(const Results& in_o_Results)
{
    const ModalSolution& m = *in_o_Results.m_o_ptrModes;
    Column mode = TextColumn("mode"), eigenvalue = NumberColumn("eigenvalue", 0), omega = NumberColumn("omega", 0),
           frequency = NumberColumn("frequency", 0);
    for (int k = 0; k < m.get_NumberOfModes(); ++k)
    {
        mode.m_v_Text.push_back(std::to_string(k + 1));
        eigenvalue.m_vdb_Values.push_back(m.get_m_vdb_Eigenvalues(k));
        omega.m_vdb_Values.push_back(m.get_Omega(k));
        frequency.m_vdb_Values.push_back(m.get_Omega(k) / kTwoPi);
    }
    Table t;
    t.m_v_Columns = {std::move(mode), std::move(eigenvalue), std::move(omega), std::move(frequency)};
    return t;
}

Table ConvergenceTable(const Results& in_o_Results)
{
    Column level = TextColumn("level"), elements = TextColumn("elements"), unknowns = TextColumn("unknowns"),
           mode = TextColumn("mode"), omega = NumberColumn("omega", 0), change = NumberColumn("change", 0),
           order = NumberColumn("order", 0);
    const bool l_b_Modes = in_o_Results.m_o_ptrModes != nullptr;
    for (std::size_t l = 0; l < in_o_Results.m_v_Levels.size(); ++l)
    {
        const LevelSummary& s = in_o_Results.m_v_Levels[l];
        const std::size_t l_l_Rows = l_b_Modes ? s.m_vdb_Omega.size() : 1;
        for (std::size_t k = 0; k < l_l_Rows; ++k)
        {
            level.m_v_Text.push_back(std::to_string(l));
            elements.m_v_Text.push_back(std::to_string(s.m_int_Elements));
            unknowns.m_v_Text.push_back(std::to_string(s.m_int_Unknowns));
            if (l_b_Modes)
            {
                mode.m_v_Text.push_back(std::to_string(k + 1));
                omega.m_vdb_Values.push_back(s.m_vdb_Omega[k]);
            }
            change.m_vdb_Values.push_back(l_b_Modes ? s.m_vdb_Change[k] : s.m_db_Change);
            order.m_vdb_Values.push_back(l_b_Modes ? s.m_vdb_Order[k] : s.m_db_Order);
        }
    }
    Table t;
    if (l_b_Modes)
        t.m_v_Columns = {std::move(level), std::move(elements), std::move(unknowns), std::move(mode),
                         std::move(omega), std::move(change),   std::move(order)};
    else
        t.m_v_Columns = {std::move(level), std::move(elements), std::move(unknowns), std::move(change),
                         std::move(order)};
    return t;
}

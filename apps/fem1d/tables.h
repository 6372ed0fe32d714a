#ifndef FEM1D_APP_TABLES_H
#define FEM1D_APP_TABLES_H

#include <string>
#include <vector>

#include "solver.h"

// A column of a results table: numbers (NaN: an empty field), or text where
// m_v_Text is not empty (kinds, and counts, which read better as integers).
struct Column
{
    std::string m_s_Name;
    std::vector<double> m_vdb_Values;
    std::vector<std::string> m_v_Text;

    std::size_t Rows() const { return m_v_Text.empty() ? m_vdb_Values.size() : m_v_Text.size(); }
};

struct Table
{
    std::vector<Column> m_v_Columns;
    std::size_t Rows() const { return m_v_Columns.empty() ? 0 : m_v_Columns.front().Rows(); }
    const Column& operator[](std::size_t in_l_i) const { return m_v_Columns[in_l_i]; }
};

// One row per node of the finest mesh in ascending x, interior nodes of
// orders 2 and 3 included. Static Diffusion: x, u, dudx, flux = -a(x, u) u';
// static Beam: x, w, slope, moment = EI w'', shear = (EI w'')'; Modes: x and
// each mode's shape, scaled to a largest magnitude of 1 with the first entry
// of that magnitude (to 1e-9) positive. At a node shared by two elements a
// derivative column holds the mean of its two one-sided values.
Table NodeTable(const Results& in_o_Results);
// x, kind (value or slope), reaction: one row per fixed value or slope, in
// the order given.
Table ReactionTable(const Results& in_o_Results);
// mode, eigenvalue, omega (rad/s), frequency (Hz), ascending.
Table ModeTable(const Results& in_o_Results);
// Static: level, elements, unknowns, change, order. Modes: level, elements,
// unknowns, mode, omega, change, order.
Table ConvergenceTable(const Results& in_o_Results);

#endif

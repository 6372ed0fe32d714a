#include "csvwriter.h"

#include <charconv>
#include <cmath>

std::string CsvText(const Table& in_o_Table)
{
    std::string l_s_Text;
    const std::size_t l_l_Columns = in_o_Table.m_v_Columns.size();
    for (std::size_t c = 0; c < l_l_Columns; ++c)
        l_s_Text += (c == 0 ? "" : ",") + in_o_Table[c].m_s_Name;
    l_s_Text += '\n';

    // Formatting straight into the text: no stream, no allocation a number.
    constexpr std::size_t kWidest = 32; // "-2.2250738585072014e-308" and a separator
    const std::size_t l_l_Rows = in_o_Table.Rows();
    std::size_t l_l_Used = l_s_Text.size();
    l_s_Text.resize(l_l_Used + l_l_Rows * l_l_Columns * kWidest / 2 + 64);
    for (std::size_t r = 0; r < l_l_Rows; ++r)
    {
        for (std::size_t c = 0; c < l_l_Columns; ++c)
        {
            const Column& l_o_Column = in_o_Table[c];
            const bool l_b_Text = !l_o_Column.m_v_Text.empty();
            // A separator, the field, and the row's line feed.
            const std::size_t l_l_Needed = 2 + (l_b_Text ? l_o_Column.m_v_Text[r].size() : kWidest);
            if (l_s_Text.size() - l_l_Used < l_l_Needed)
                l_s_Text.resize(2 * l_s_Text.size() + l_l_Needed);
            char* l_c_Out = &l_s_Text[l_l_Used];
            if (c > 0)
                *l_c_Out++ = ',';
            if (l_b_Text)
                l_c_Out += l_o_Column.m_v_Text[r].copy(l_c_Out, l_o_Column.m_v_Text[r].size());
            else if (!std::isnan(l_o_Column.m_vdb_Values[r]))
                l_c_Out = std::to_chars(l_c_Out, l_c_Out + kWidest, l_o_Column.m_vdb_Values[r]).ptr;
            l_l_Used = static_cast<std::size_t>(l_c_Out - l_s_Text.data());
        }
        l_s_Text[l_l_Used++] = '\n';
    }
    l_s_Text.resize(l_l_Used);
    return l_s_Text;
}

#include "csvwriter.h"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <functional>
#include <thread>
#include <vector>

namespace
{

// Rows [in_l_First, in_l_End) of the table, appended to io_s_Text.
void AppendRows(const Table& in_o_Table, std::size_t in_l_First, std::size_t in_l_End, std::string& io_s_Text)
{
    // Formatting straight into the text: no stream, no allocation a number.
    constexpr std::size_t kWidest = 32; // "-2.2250738585072014e-308" and more
    const std::size_t l_l_Columns = in_o_Table.m_v_Columns.size();
    std::size_t l_l_Used = io_s_Text.size();
    io_s_Text.resize(l_l_Used + (in_l_End - in_l_First) * l_l_Columns * kWidest / 2 + 64);
    for (std::size_t r = in_l_First; r < in_l_End; ++r)
    {
        for (std::size_t c = 0; c < l_l_Columns; ++c)
        {
            const Column& l_o_Column = in_o_Table[c];
            const bool l_b_Text = !l_o_Column.m_v_Text.empty();
            // A separator, the field, and the row's line feed.
            const std::size_t l_l_Needed = 2 + (l_b_Text ? l_o_Column.m_v_Text[r].size() : kWidest);
            if (io_s_Text.size() - l_l_Used < l_l_Needed)
                io_s_Text.resize(2 * io_s_Text.size() + l_l_Needed);
            char* l_c_Out = &io_s_Text[l_l_Used];
            if (c > 0)
                *l_c_Out++ = ',';
            if (l_b_Text)
                l_c_Out += l_o_Column.m_v_Text[r].copy(l_c_Out, l_o_Column.m_v_Text[r].size());
            else if (!std::isnan(l_o_Column.m_vdb_Values[r]))
                l_c_Out = std::to_chars(l_c_Out, l_c_Out + kWidest, l_o_Column.m_vdb_Values[r]).ptr;
            l_l_Used = static_cast<std::size_t>(l_c_Out - io_s_Text.data());
        }
        io_s_Text[l_l_Used++] = '\n';
    }
    io_s_Text.resize(l_l_Used);
}

} // namespace

std::string CsvText(const Table& in_o_Table)
{
    std::string l_s_Text;
    for (std::size_t c = 0; c < in_o_Table.m_v_Columns.size(); ++c)
        l_s_Text += (c == 0 ? "" : ",") + in_o_Table[c].m_s_Name;
    l_s_Text += '\n';

    // Shortest round-trip formatting costs some 50 ns a number: a large
    // table is formatted in parts on the machine's cores, then joined.
    const std::size_t l_l_Rows = in_o_Table.Rows();
    constexpr std::size_t kRowsForAThread = 100000;
    const std::size_t l_l_Parts =
        std::min<std::size_t>({std::max(1u, std::thread::hardware_concurrency()), 8, 1 + l_l_Rows / kRowsForAThread});
    if (l_l_Parts == 1)
    {
        AppendRows(in_o_Table, 0, l_l_Rows, l_s_Text);
        return l_s_Text;
    }
    std::vector<std::string> l_v_Parts(l_l_Parts);
    std::vector<std::thread> l_v_Threads;
    for (std::size_t p = 1; p < l_l_Parts; ++p)
        l_v_Threads.emplace_back(AppendRows, std::cref(in_o_Table), l_l_Rows * p / l_l_Parts,
                                 l_l_Rows * (p + 1) / l_l_Parts, std::ref(l_v_Parts[p]));
    AppendRows(in_o_Table, 0, l_l_Rows / l_l_Parts, l_s_Text);
    for (std::thread& l_o_Thread : l_v_Threads)
        l_o_Thread.join();
    std::size_t l_l_Size = l_s_Text.size();
    for (const std::string& l_s_Part : l_v_Parts)
        l_l_Size += l_s_Part.size();
    l_s_Text.reserve(l_l_Size);
    for (const std::string& l_s_Part : l_v_Parts)
        l_s_Text += l_s_Part;
    return l_s_Text;
}

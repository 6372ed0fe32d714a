// Drives elements through random configurations -- types, node counts in and
// out of range, lengths including 0 and negative ones, integrands returning
// arbitrary finite values -- and every operation, assignment, copy and report.
#include "element.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iostream>
#include <sstream>

namespace
{

// Bytes of the input, taken in order; zeros once they run out.
class Source
{
public:
    Source(const std::uint8_t* in_ptrData, std::size_t in_l_Size) : m_ptrData(in_ptrData), m_l_Size(in_l_Size) {}

    std::uint8_t Byte() { return m_l_Position < m_l_Size ? m_ptrData[m_l_Position++] : 0; }
    int Int(int in_int_Low, int in_int_High) { return in_int_Low + Byte() % (in_int_High - in_int_Low + 1); }
    double Finite()
    {
        std::uint64_t l_l_Bits = 0;
        for (int i = 0; i < 8; ++i)
            l_l_Bits = (l_l_Bits << 8) | Byte();
        double l_db_Value;
        std::memcpy(&l_db_Value, &l_l_Bits, sizeof l_db_Value);
        return std::isfinite(l_db_Value) ? l_db_Value : 0.0;
    }
    double Length()
    {
        static const double l_db_Lengths[] = {0.0, -1.0, 0.5, 1.0, 2.5, 1e-300, 1e300, -0.25};
        return Byte() % 2 ? l_db_Lengths[Byte() % 8] : Finite();
    }

private:
    const std::uint8_t* m_ptrData;
    std::size_t m_l_Size;
    std::size_t m_l_Position = 0;
};

// Without set_Object the element hands the integrands a null object.
double Draw(void* s) { return s != nullptr ? static_cast<Source*>(s)->Finite() : 0.5; }

double K(void* s, int&, double&, double&, double&, double&, double&, double&, double&, double&) { return Draw(s); }
double dK(void* s, int&, double&, double&, double&, double&, double&, double&, double&, double&, double&, double&)
{
    return Draw(s);
}
double M(void* s, int&, double&, double&, double&, double&, double&, double&, double&) { return Draw(s); }
double F(void* s, int&, double&, double&, double&) { return Draw(s); }

Element MakeElement(Source& in_o_Source)
{
    const int l_int_Type = in_o_Source.Int(-2, 2);
    const int l_int_Nodes = in_o_Source.Int(-3, 8);
    Element l_o_element(l_int_Type, l_int_Nodes, in_o_Source.Int(0, 9), in_o_Source.Length(), in_o_Source.Int(0, 3));
    if (in_o_Source.Byte() % 2)
        l_o_element.set_Object(&in_o_Source);
    if (in_o_Source.Byte() % 2)
        l_o_element.set_FunctionCalculK(K);
    if (in_o_Source.Byte() % 2)
        l_o_element.set_FunctionCalculdK(dK);
    if (in_o_Source.Byte() % 2)
        l_o_element.set_FunctionCalculM(M);
    if (in_o_Source.Byte() % 2)
        l_o_element.set_FunctionCalculF(F);
    return l_o_element;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Source l_o_Source(data, size);
    std::ostringstream l_o_Sink;
    std::streambuf* l_ptrOld = std::cout.rdbuf(l_o_Sink.rdbuf());

    Element l_o_first = MakeElement(l_o_Source);
    Element l_o_second = MakeElement(l_o_Source);
    for (int l_int_Step = 0; l_int_Step < 12; ++l_int_Step)
    {
        Element& l_o_target = l_o_Source.Byte() % 2 ? l_o_first : l_o_second;
        switch (l_o_Source.Int(0, 11))
        {
        case 0: l_o_target.CalculAll(); break;
        case 1: l_o_target.CalculLocalMatrix(); break;
        case 2: l_o_target.CalculForce(); break;
        case 3: l_o_target.set_m_db_Length(l_o_Source.Length()); break;
        case 4:
        {
            TNT::Array1D<double> l_vdb_Nodal(l_o_Source.Int(0, 6), 0.0);
            for (int i = 0; i < l_vdb_Nodal.dim(); ++i)
                l_vdb_Nodal[i] = l_o_Source.Finite();
            l_o_target.set_m_db_Solution(l_vdb_Nodal);
            break;
        }
        case 5: l_o_first = l_o_second; break;
        case 6: l_o_target = l_o_Source.Byte() % 2 ? l_o_first : l_o_second; break; // self or other
        case 7:
        {
            Element l_o_copy(l_o_target);
            l_o_copy.CalculAll();
            l_o_copy.Info();
            break;
        }
        case 8: l_o_target.Info(); break;
        case 9: l_o_target.set_m_int_NumberOfNode(l_o_Source.Int(-2, 8)); break;
        case 10:
        {
            const int l_int_Rows = l_o_Source.Int(0, 5);
            const int l_int_Columns = l_o_Source.Int(0, 5);
            l_o_target.set_m_mdb_K(TNT::Array2D<double>(l_int_Rows, l_int_Columns, 0.0));
            l_o_target.set_m_mdb_F(TNT::Array1D<double>(l_o_Source.Int(0, 5), 0.0));
            break;
        }
        default: l_o_second = l_o_first; break;
        }
    }

    std::cout.rdbuf(l_ptrOld);
    std::cout.flags(std::ios::dec | std::ios::skipws);
    std::cout.precision(6);
    return 0;
}

// The element report: sections, number layout and the format it leaves behind.
#include "element.h"

#include <gtest/gtest.h>

#include <string>

#include "capture_stdout.h"
#include "problem.h"

namespace
{

const std::string kBanner = "\n"
                            "*********************************************************\n"
                            "*                     Element info                      *\n"
                            "*********************************************************\n"
                            "\n";

const std::string kLinearHeader = "The element number is: 1\n"
                                  "The shape function type is: 0\n"
                                  "The data number is: 1\n"
                                  "The number of node is: 2\n"
                                  "The total length of the element is: 0.5\n"
                                  "The number of Gauss point are : 2\n"
                                  "The gauss point are : 2\n-0.57735\n0.57735\n\n\n"
                                  "The gauss weight are : 2\n1\n1\n\n\n";

TEST(ElementReport, WithoutIntegrandsPrintsNoSection)
{
    Element element(0, 2, 1, 0.5, 1);
    CaptureStdout out;
    element.Info();
    EXPECT_EQ(out.Take(), kBanner + kLinearHeader + "\n");
}

TEST(ElementReport, SectionsFollowTheInstalledIntegrandsNotTheComputations)
{
    Element element(0, 2, 1, 0.5, 1);
    element.set_FunctionCalculdK(nullptr); // the flag, not the pointer, gates the section
    element.set_FunctionCalculF(Problem::CalculF);
    CaptureStdout out;
    element.Info();
    EXPECT_EQ(out.Take(), kBanner + kLinearHeader +
                              "The derivative of matrix K is:\n"
                              "| 0.00    0.00    |\n"
                              "| 0.00    0.00    |\n"
                              "\n"
                              "The force vector is: \n"
                              "| 0.00    0.00    | \n"
                              "\n");
}

TEST(ElementReport, FormatSticksToStandardOutput)
{
    Element element(0, 2, 1, 0.5, 1);
    element.set_FunctionCalculM(Problem::CalculM);
    CaptureStdout out;
    element.Info();
    out.Take();
    element.Info();
    const std::string second = out.Take();
    EXPECT_NE(second.find("The total length of the element is: 0.500\n"), std::string::npos);
    EXPECT_NE(second.find("The gauss point are : 2\n-0.577\n0.577\n\n\n"), std::string::npos);
    EXPECT_NE(second.find("The gauss weight are : 2\n1.00\n1.00\n\n\n"), std::string::npos);
    // Integers are unaffected.
    EXPECT_NE(second.find("The number of node is: 2\n"), std::string::npos);
    std::cout << 0.25 << ' ' << 12345.0;
    EXPECT_EQ(out.Take(), "0.250 1.23e+04");
}

TEST(ElementReport, NumberLayoutsInTheFrame)
{
    Element element(0, 2, 1, 0.5, 1);
    element.set_FunctionCalculK(Problem::CalculK);
    element.set_FunctionCalculF(Problem::CalculF);
    element.get_m_mdb_K(0, 0) = -1000.0;
    element.get_m_mdb_K(0, 1) = 100.0;
    element.get_m_mdb_K(1, 0) = 2.0 / 3.0;
    element.get_m_mdb_K(1, 1) = -0.5;
    element.get_m_mdb_F()[0] = 1000.0;
    element.get_m_mdb_F()[1] = 0.000123456;
    CaptureStdout out;
    element.DisplayMatrix();
    element.DisplayForce();
    EXPECT_EQ(out.Take(), "The matrix K is:\n"
                          "| -1.00e+03 100.    |\n"
                          "| 0.667   -0.500  |\n"
                          "\n"
                          "The force vector is: \n"
                          "| 1.00e+03 0.000123 | \n");
}

TEST(ElementReport, EmptyMatricesAndVectors)
{
    struct Case
    {
        int rows, columns, entries;
        std::string expected;
    };
    for (const Case& c : {Case{0, 0, 0, "The matrix K is:\n\nThe force vector is: \n| | \n"},
                          Case{2, 0, 1, "The matrix K is:\n| | \nThe force vector is: \n| 0.00    | \n"}})
    {
        Element element(0, 2, 1, 0.5, 1);
        element.set_FunctionCalculK(Problem::CalculK);
        element.set_FunctionCalculF(Problem::CalculF);
        element.set_m_mdb_K(TNT::Array2D<double>(c.rows, c.columns, 0.0));
        element.set_m_mdb_F(TNT::Array1D<double>(c.entries, 0.0));
        CaptureStdout out;
        element.DisplayMatrixK();
        element.DisplayForce();
        EXPECT_EQ(out.Take(), c.expected) << c.rows << " by " << c.columns;
    }
}

} // namespace

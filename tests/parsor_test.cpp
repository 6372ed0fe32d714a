#include "parsor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace
{

std::string Translate(const std::string& input)
{
    std::istringstream in(input);
    std::istringstream out;
    Parsor<double> parsor;
    parsor.ReadStream(in, out);
    return out.str();
}

struct TranslationCase
{
    const char* name;
    std::string input;
    std::string expected;
};

void PrintTo(const TranslationCase& c, std::ostream* os) { *os << c.name; }

class TranslationTest : public ::testing::TestWithParam<TranslationCase>
{
};

TEST_P(TranslationTest, TranslatesByTheFormatRules) { EXPECT_EQ(Translate(GetParam().input), GetParam().expected); }

// A reader that keeps line numbers translates line by line; it must get
// what the whole stream gives, comments and parentheses carried across lines.
TEST_P(TranslationTest, LineByLineGivesTheSameTranslation)
{
    std::istringstream in(GetParam().input);
    Parsor<double>::State state;
    std::string line, words;
    while (std::getline(in, line))
        Parsor<double>::ReadLine(line, state, words);
    EXPECT_EQ(words, GetParam().expected);
}

const std::string kLine999 = std::string(998, 'x') + "y";
const std::string kLine5000 = std::string(2500, 'a') + "(" + std::string(2499, 'b');

INSTANTIATE_TEST_SUITE_P(
    Rules, TranslationTest,
    ::testing::Values(
        TranslationCase{"CommandWithParameters", "Commande2 (12, 5)\n", "Commande2\n12\n5\n"},
        TranslationCase{"HeaderThenParameters", "#Mon titre: (1, 2)\n", "Mon_titre\n1\n2\n"},
        TranslationCase{"HeaderThenWord", "#Nom du probleme: Poutre\n", "Nom_du_problemePoutre\n"},
        TranslationCase{"ColonInParentheses", "K(:, 1)\n", "K\n\n-1\n\n1\n"},
        TranslationCase{"ColonBetweenParameters", "(1: 2)\n", "\n1\n-1\n2\n"},
        TranslationCase{"EmptyParameter", "(a,,b)\n", "\na\n\nb\n"},
        TranslationCase{"SpacesJoinWords", "abc def\n", "abcdef\n"},
        TranslationCase{"CommaOutsideParentheses", "A,B C\n", "A\nBC\n"},
        TranslationCase{"TabAndCarriageReturnCopied", "a\tb\nc\r\n", "a\tb\nc\r\n"},
        TranslationCase{"LineComment", "a // b\n", "a\n"}, TranslationCase{"CommentOnlyLine", "// comment only\n", ""},
        TranslationCase{"InlineLongComment", "a /* b */ c\n", "ac\n"}, TranslationCase{"SharedStar", "/*/ a\n", "a\n"},
        TranslationCase{"LongCommentAcrossLines", "x /* y\nz */ w\n", "w\n"},
        TranslationCase{"StarAndSlashOnDifferentLines", "/* a *\n/ b\n*/ c\n", "c\n"},
        TranslationCase{"OpenAtEndOfLineDropsTheLine", "a/*b*/c /* d\n", ""},
        TranslationCase{"SlashDroppedOutsideParentheses", "a/b\n(a/b)\n", "ab\n\na/b\n"},
        TranslationCase{"SlashAtEndOfLine", "a/\n", "a\n"}, TranslationCase{"ClosingWithoutOpening", "a*/b\n", "a*b\n"},
        TranslationCase{"StrayClosingParenthesis", ")x\n", "x\n"},
        TranslationCase{"ParenthesesDoNotNest", "((a))b\n", "\n\nab\n"},
        TranslationCase{"ParenthesisCarriedAcrossLines", "x(y\np q\n#r s: t)u v\n", "x\ny\npq\nrs\n-1\ntuv\n"},
        TranslationCase{"CommentInsideParenthesesIsText", "(a//b /*c*/)\n", "\na//b/*c*/\n"},
        TranslationCase{"ColonOutsideHeaderDropped", "a:b\n", "ab\n"},
        TranslationCase{"LongCommentSwallowsTheRest", "keep\nlost /* never\nclosed\n(1, 2)\n", "keep\n"},
        TranslationCase{"EmptyAndBlankLines", "\n\n   \na\n\n  b\n", "a\nb\n"},
        TranslationCase{"NoFinalLineFeed", "a\nb (1)", "a\nb\n1\n"}, TranslationCase{"EmptyInput", "", ""},
        TranslationCase{"Latin1BytesCopied", "r\xE9sultat \xE8re\n", "r\xE9sultat\xE8re\n"},
        TranslationCase{"NulCopied", std::string("a\0b\nc\n", 6), std::string("a\0b\nc\n", 6)},
        TranslationCase{"Line999", kLine999 + "\nnext\n", kLine999 + "\nnext\n"},
        TranslationCase{"LongerLineTranslatedWhole", kLine5000 + "\nnext\n",
                        std::string(2500, 'a') + "\n" + std::string(2499, 'b') + "\nnext\n"}),
    [](const ::testing::TestParamInfo<TranslationCase>& info) { return info.param.name; });

TEST(Parsor, ReplacesTheCallersContentAndRewinds)
{
    std::istringstream out("old words 42");
    std::string word;
    out >> word;
    std::istringstream in("new (7)\n");
    Parsor<double> parsor;
    parsor.ReadStream(in, out);
    int value = 0;
    out >> word >> value;
    EXPECT_EQ(word, "new");
    EXPECT_EQ(value, 7);
    EXPECT_EQ(out.str(), "new\n7\n");
}

TEST(Parsor, ReadFileTranslatesANamedFile)
{
    const std::string path = ::testing::TempDir() + "parsor_test.fem";
    {
        std::ofstream file(path, std::ios::binary);
        file << "/* title */\nbeam (3, :)\n#load case: 2";
    }
    std::istringstream out;
    Parsor<double> parsor;
    parsor.ReadFile(path.c_str(), out);
    EXPECT_EQ(out.str(), "beam\n3\n\n-1\n\nload_case2\n");
    std::remove(path.c_str());
}

TEST(ParsorDeathTest, MissingFileEndsTheProcessWithStatusOne)
{
    Parsor<double> parsor;
    std::istringstream out;
    EXPECT_EXIT(parsor.ReadFile("no/such/file.fem", out), ::testing::ExitedWithCode(1),
                "^Ouverture du fichier impossible\\.\n$");
}

TEST(Parsor, DisplaysAndSavesArraysWithTheArrayOperators)
{
    TNT::Array1D<double> vector(2, 0.0);
    vector[0] = 1.5;
    vector[1] = -2.0;
    TNT::Array2D<double> matrix(1, 2, 3.0);
    Parsor<double> parsor;

    std::ostringstream saved;
    parsor.SaveVector(&vector, saved);
    EXPECT_EQ(saved.str(), "2\n1.5\n-2\n\n");

    std::streambuf* old = std::cout.rdbuf(saved.rdbuf());
    saved.str("");
    parsor.DisplayVector(&vector);
    parsor.DisplayMatrix(&matrix);
    std::cout.rdbuf(old);
    EXPECT_EQ(saved.str(), "2\n1.5\n-2\n\n1 2\n3 3 \n");
}

} // namespace

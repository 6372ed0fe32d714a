#include "statements.h"

#include <stdexcept>

#include "inputerror.h"
#include "parsor.h"

namespace
{

// What one line looks like beyond its words, found by the reader's own
// rules of comments and parentheses (parentheses hold text only).
struct LineShape
{
    bool m_b_Content = false;           // something outside comments
    bool m_b_ContentAfterClose = false; // something after the closing parenthesis
    bool m_b_SecondParenthesis = false; // a "(" after the first one
    bool m_b_OpenParenthesis = false;   // still open at the end of the line
    bool m_b_OpensLongComment = false;  // a long comment opened on this line
    bool m_b_Parenthesis = false;       // parameters were opened
};

LineShape ScanLine(const std::string& in_s_Line, bool& io_b_LongComment)
{
    LineShape l_o_Shape;
    bool l_b_Opened = false, l_b_Closed = false;
    const std::size_t n = in_s_Line.size();
    std::size_t i = 0;
    while (i < n)
    {
        const char c = in_s_Line[i];
        if (io_b_LongComment)
        {
            if (c == '*' && i + 1 < n && in_s_Line[i + 1] == '/')
            {
                io_b_LongComment = false;
                i += 2;
            }
            else
                ++i;
            continue;
        }
        if (l_o_Shape.m_b_OpenParenthesis)
        {
            if (c == ')')
            {
                l_o_Shape.m_b_OpenParenthesis = false;
                l_b_Closed = true;
            }
            else if (c == '(')
                l_o_Shape.m_b_SecondParenthesis = true;
            ++i;
            continue;
        }
        switch (c)
        {
        case '/':
            ++i;
            if (i >= n || in_s_Line[i] == '/')
                return l_o_Shape;
            // The star is examined inside the comment, so "/*/" closes at once.
            if (in_s_Line[i] == '*')
            {
                io_b_LongComment = true;
                l_o_Shape.m_b_OpensLongComment = true;
            }
            continue;
        case '(':
            if (l_b_Opened)
                l_o_Shape.m_b_SecondParenthesis = true;
            l_b_Opened = true;
            l_o_Shape.m_b_Parenthesis = true;
            l_o_Shape.m_b_OpenParenthesis = true;
            break;
        case ')': // dropped by the reader
        case ' ':
        case ':': break;
        default:
            l_o_Shape.m_b_Content = true;
            if (l_b_Closed)
                l_o_Shape.m_b_ContentAfterClose = true;
            break;
        }
        ++i;
    }
    return l_o_Shape;
}

std::vector<std::string> SplitWords(const std::string& in_s_Words)
{
    std::vector<std::string> l_v_Words;
    std::size_t l_l_Start = 0;
    while (l_l_Start < in_s_Words.size())
    {
        const std::size_t l_l_End = in_s_Words.find('\n', l_l_Start);
        l_v_Words.push_back(in_s_Words.substr(l_l_Start, l_l_End - l_l_Start));
        l_l_Start = l_l_End + 1;
    }
    return l_v_Words;
}

} // namespace

std::string Quoted(const std::string& in_s_Word) { return "'" + Printable(in_s_Word) + "'"; }

std::string Printable(const std::string& in_s_Word)
{
    constexpr std::size_t kLongest = 40;
    std::string l_s_Text;
    for (std::size_t i = 0; i < in_s_Word.size() && i < kLongest; ++i)
    {
        const unsigned char c = static_cast<unsigned char>(in_s_Word[i]);
        l_s_Text += (c >= 0x20 && c < 0x7f) ? static_cast<char>(c) : '?';
    }
    if (in_s_Word.size() > kLongest)
        l_s_Text += "...";
    return l_s_Text;
}

std::vector<Statement> ReadStatements(std::istream& in_o_Input)
{
    std::vector<Statement> l_v_Statements;
    Parsor<double>::State l_o_State;
    bool l_b_LongComment = false;
    int l_int_CommentLine = 0;
    std::string l_s_Line, l_s_Words;
    for (int l_int_Line = 1; std::getline(in_o_Input, l_s_Line); ++l_int_Line)
    {
        if (!l_s_Line.empty() && l_s_Line.back() == '\r')
            l_s_Line.pop_back();
        for (char& c : l_s_Line)
            if (c == '\t' || c == '\r' || c == '\v' || c == '\f')
                c = ' ';

        const bool l_b_CommentBefore = l_b_LongComment;
        const LineShape l_o_Shape = ScanLine(l_s_Line, l_b_LongComment);
        l_s_Words.clear();
        Parsor<double>::ReadLine(l_s_Line, l_o_State, l_s_Words);
        if (l_o_State.l_b_CommentaireLong != l_b_LongComment ||
            l_o_State.l_b_Paranthese != l_o_Shape.m_b_OpenParenthesis)
            throw std::logic_error("the line scanner and the command-file reader disagree on line " +
                                   std::to_string(l_int_Line));
        if (l_b_LongComment && (!l_b_CommentBefore || l_o_Shape.m_b_OpensLongComment))
            l_int_CommentLine = l_int_Line;

        const std::vector<std::string> l_v_Words = SplitWords(l_s_Words);
        const std::string l_s_Command = l_v_Words.empty() ? std::string() : Printable(l_v_Words[0]) + ": ";
        if (l_o_Shape.m_b_OpenParenthesis)
            throw InputError(l_int_Line, l_s_Command + "the parenthesis is not closed on this line (a command and its "
                                                       "parameters stand on one line)");
        if (l_b_LongComment && l_o_Shape.m_b_Content)
            throw InputError(l_int_Line, "the long comment opened on this line and not closed on it hides the "
                                         "command before it: close it on this line, or start it on a line of "
                                         "its own");
        if (l_v_Words.empty())
            continue;
        if (l_o_Shape.m_b_ContentAfterClose || l_o_Shape.m_b_SecondParenthesis)
            throw InputError(l_int_Line, l_s_Command + "text follows the parameters: one command per line, its "
                                                       "parameters in one pair of parentheses");

        Statement l_o_Statement{l_int_Line, l_v_Words[0], {}, l_o_Shape.m_b_Parenthesis};
        l_o_Statement.m_v_Parameters.assign(l_v_Words.begin() + 1, l_v_Words.end());
        // "Solve ()" has no parameter rather than an empty one.
        if (l_o_Statement.m_v_Parameters.size() == 1 && l_o_Statement.m_v_Parameters[0].empty())
            l_o_Statement.m_v_Parameters.clear();
        l_v_Statements.push_back(std::move(l_o_Statement));
    }
    if (l_b_LongComment)
        throw InputError(l_int_CommentLine, "the long comment opened here is never closed with */");
    return l_v_Statements;
}

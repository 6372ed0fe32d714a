#ifndef FEM1D_PARSOR_H
#define FEM1D_PARSOR_H

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "tntarrays.h"

// Reader of text command files. ReadFile translates a file into one word per
// line -- commands and parameters -- ready for formatted extraction:
//
//   //        line comment (outside parentheses)
//   /* */     long comment, across lines; "/*/" is a complete empty one
//   ( )       "(" separates the parameters that follow, ")" is dropped
//   ,         separator everywhere
//   :         inside parentheses the parameter value -1, elsewhere dropped
//   #         header up to ":" or the end of the line; its spaces become "_"
//   space     dropped (outside a header, or inside parentheses)
//
// Any other byte is copied unchanged. Only the line feed ends a line.
template <class T> class Parsor
{
public:
    // Translates the file at path into stringOutput. A file that cannot be
    // opened ends the process with status 1 after a message on standard error.
    void ReadFile(const char* path, std::istringstream& stringOutput);

    // Translates in_o_Input into stringOutput: its content is replaced and
    // its read position set to the start; its state flags are left as they were.
    void ReadStream(std::istream& in_o_Input, std::istringstream& stringOutput);

    // What the reading carries from one line to the next.
    struct State
    {
        bool l_b_CommentaireLong = false; // a long comment is open
        bool l_b_Paranthese = false;      // a parenthesis is open
    };

    // Appends the translation of one line (given without its line feed) to
    // out_s_Words, exactly as ReadStream translates each line of a file, so
    // that a caller can keep line numbers. Start a file with State{} and
    // pass the same State for each following line.
    static void ReadLine(const std::string& in_s_Line, State& io_o_State, std::string& out_s_Words)
    {
        std::string l_s_Buffer;
        TranslateLine(in_s_Line, io_o_State, l_s_Buffer, out_s_Words);
    }

    // The array on standard output, through the array output operator.
    void DisplayMatrix(TNT::Array2D<T>* in_mdb_ptrMatrix);
    void DisplayVector(TNT::Array1D<T>* in_vdb_ptrVector);
    // The array on out_Stream, through the array output operator.
    void SaveVector(TNT::Array1D<T>* in_vdb_ptrVector, std::ostream& out_Stream);

private:
    // The characters with a meaning of their own outside a long comment.
    struct SpecialCharacters
    {
        bool m_b_Special[256];
        constexpr SpecialCharacters() : m_b_Special()
        {
            for (unsigned char l_c_Char : {'/', '(', ')', ' ', ':', ',', '#'})
                m_b_Special[l_c_Char] = true;
        }
    };
    static bool IsSpecial(char in_c_Char)
    {
        static constexpr SpecialCharacters l_o_Table{};
        return l_o_Table.m_b_Special[static_cast<unsigned char>(in_c_Char)];
    }

    // io_s_Buffer is scratch space kept from line to line.
    static void TranslateLine(const std::string& l_s_Text, State& io_o_State, std::string& io_s_Buffer,
                              std::string& out_s_Result);
};

template <class T> void Parsor<T>::ReadFile(const char* path, std::istringstream& stringOutput)
{
    std::ifstream sortieData(path);
    if (sortieData.fail())
    {
        std::cerr << "Ouverture du fichier impossible." << std::endl;
        std::exit(1);
    }
    ReadStream(sortieData, stringOutput);
    sortieData.close();
}

template <class T> void Parsor<T>::ReadStream(std::istream& in_o_Input, std::istringstream& stringOutput)
{
    State l_o_State;
    std::string l_s_Text;
    std::string l_s_Buffer;
    std::string l_s_Result;
    // Whole lines, however long: no character of a long line is lost. A read
    // error ends the reading like the end of the input.
    while (std::getline(in_o_Input, l_s_Text))
        TranslateLine(l_s_Text, l_o_State, l_s_Buffer, l_s_Result);
    stringOutput.str(l_s_Result);
}

// Appends the translation of one line and its line feed to out_s_Result,
// unless the translation is empty or a long comment is still open at the end
// of the line (such a line contributes nothing, not even what came before
// the "/*"). A NUL byte is an ordinary character: it is copied.
template <class T>
void Parsor<T>::TranslateLine(const std::string& l_s_Text, State& io_o_State, std::string& io_s_Buffer,
                              std::string& out_s_Result)
{
    const std::size_t l_l_Size = l_s_Text.size();
    // No character yields more than four ("\n-1\n"), plus the final line feed.
    if (io_s_Buffer.size() < 4 * l_l_Size + 1)
        io_s_Buffer.resize(4 * l_l_Size + 1);
    const char* l_c_Text = l_s_Text.data();
    char* const l_c_Begin = &io_s_Buffer[0];
    char* l_c_Out = l_c_Begin;
    bool l_b_header = false;
    std::size_t i = 0;
    while (i < l_l_Size)
    {
        if (!io_o_State.l_b_CommentaireLong)
        {
            // Ordinary characters are copied as they come.
            while (i < l_l_Size && !IsSpecial(l_c_Text[i]))
                *l_c_Out++ = l_c_Text[i++];
            if (i == l_l_Size)
                break;
        }
        const char l_c_Char = l_c_Text[i];
        if (io_o_State.l_b_CommentaireLong)
        {
            // Only a "*" followed by "/" on this line ends a long comment.
            if (l_c_Char == '*' && i + 1 < l_l_Size && l_c_Text[i + 1] == '/')
            {
                io_o_State.l_b_CommentaireLong = false;
                i += 2;
            }
            else
            {
                ++i;
            }
            continue;
        }
        switch (l_c_Char)
        {
        case '/':
            if (io_o_State.l_b_Paranthese)
            {
                *l_c_Out++ = l_c_Char;
                break;
            }
            // Dropped; what follows decides: "//" ends the line, "/*" opens a
            // long comment whose star is examined inside it (so "/*/" closes
            // at once), anything else is examined normally.
            ++i;
            if (i >= l_l_Size || l_c_Text[i] == '/')
            {
                i = l_l_Size;
                continue;
            }
            if (l_c_Text[i] == '*')
                io_o_State.l_b_CommentaireLong = true;
            continue;
        case '(':
            *l_c_Out++ = '\n';
            io_o_State.l_b_Paranthese = true;
            break;
        case ')': io_o_State.l_b_Paranthese = false; break;
        case ' ':
            if (l_b_header && !io_o_State.l_b_Paranthese)
                *l_c_Out++ = '_';
            break;
        case ':':
            if (io_o_State.l_b_Paranthese)
            {
                *l_c_Out++ = '\n';
                *l_c_Out++ = '-';
                *l_c_Out++ = '1';
                *l_c_Out++ = '\n';
            }
            l_b_header = false;
            break;
        case ',': *l_c_Out++ = '\n'; break;
        case '#': l_b_header = true; break;
        }
        ++i;
    }

    if (!io_o_State.l_b_CommentaireLong && l_c_Out != l_c_Begin)
    {
        *l_c_Out++ = '\n';
        out_s_Result.append(l_c_Begin, l_c_Out);
    }
}

template <class T> void Parsor<T>::DisplayMatrix(TNT::Array2D<T>* in_mdb_ptrMatrix) { std::cout << *in_mdb_ptrMatrix; }

template <class T> void Parsor<T>::DisplayVector(TNT::Array1D<T>* in_vdb_ptrVector) { std::cout << *in_vdb_ptrVector; }

template <class T> void Parsor<T>::SaveVector(TNT::Array1D<T>* in_vdb_ptrVector, std::ostream& out_Stream)
{
    out_Stream << *in_vdb_ptrVector;
}

#endif

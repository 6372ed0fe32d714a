#ifndef FEM1D_APP_OUTPUTFILES_H
#define FEM1D_APP_OUTPUTFILES_H

#include <stdexcept>
#include <string>
#include <vector>

// A file that cannot be written: its path and why.
class OutputError : public std::runtime_error
{
public:
    OutputError(const std::string& in_s_Path, const std::string& in_s_Message)
        : std::runtime_error(in_s_Message), m_s_Path(in_s_Path)
    {
    }
    const std::string& get_m_s_Path() const { return m_s_Path; }

private:
    std::string m_s_Path;
};

// The output files of a run, written whole or not at all: each goes first
// to a temporary file beside its target, and only Commit renames them all
// into place. Temporary files not committed are removed with the object.
class OutputFiles
{
public:
    OutputFiles() = default;
    OutputFiles(const OutputFiles&) = delete;
    OutputFiles& operator=(const OutputFiles&) = delete;
    ~OutputFiles();

    void Write(const std::string& in_s_Path, const std::string& in_s_Content);
    // A new empty temporary file for another program to fill, renamed to
    // in_s_Path by Commit.
    std::string Reserve(const std::string& in_s_Path);
    void Commit();
    // The targets, in the order given.
    std::vector<std::string> Targets() const;

private:
    struct Staged
    {
        std::string m_s_Target;
        std::string m_s_Temporary;
    };
    std::vector<Staged> m_v_Staged;

    int CreateTemporary(const std::string& in_s_Path);
};

#endif

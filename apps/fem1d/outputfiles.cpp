#include "outputfiles.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

std::string Reason() { return std::strerror(errno); }

// The permissions a newly created file gets, as open(2) would give them.
mode_t CreationMode()
{
    const mode_t l_o_Mask = umask(0);
    umask(l_o_Mask);
    return 0666 & ~l_o_Mask;
}

} // namespace

OutputFiles::~OutputFiles()
{
    for (const Staged& l_o_File : m_v_Staged)
        if (!l_o_File.m_s_Temporary.empty())
            std::remove(l_o_File.m_s_Temporary.c_str());
}

int OutputFiles::CreateTemporary(const std::string& in_s_Path)
{
    // A rename onto a directory would fail only at Commit, after others took their place.
    struct stat l_o_Status;
    if (stat(in_s_Path.c_str(), &l_o_Status) == 0 && S_ISDIR(l_o_Status.st_mode))
        throw OutputError(in_s_Path, "cannot be written: it is a directory");
    std::string l_s_Template = in_s_Path + ".tmp-XXXXXX";
    const int l_int_File = mkstemp(&l_s_Template[0]);
    if (l_int_File < 0)
        throw OutputError(in_s_Path, "cannot be written: " + Reason());
    m_v_Staged.push_back({in_s_Path, l_s_Template});
    if (fchmod(l_int_File, CreationMode()) != 0)
    {
        const std::string l_s_Reason = Reason();
        close(l_int_File);
        throw OutputError(in_s_Path, "cannot be written: " + l_s_Reason);
    }
    return l_int_File;
}

void OutputFiles::Write(const std::string& in_s_Path, const std::string& in_s_Content)
{
    const int l_int_File = CreateTemporary(in_s_Path);
    const char* l_c_Data = in_s_Content.data();
    std::size_t l_l_Left = in_s_Content.size();
    while (l_l_Left > 0)
    {
        const ssize_t l_l_Written = write(l_int_File, l_c_Data, l_l_Left);
        if (l_l_Written < 0 && errno == EINTR)
            continue;
        if (l_l_Written <= 0)
        {
            const std::string l_s_Reason = Reason();
            close(l_int_File);
            throw OutputError(in_s_Path, "cannot be written: " + l_s_Reason);
        }
        l_c_Data += l_l_Written;
        l_l_Left -= static_cast<std::size_t>(l_l_Written);
    }
    if (close(l_int_File) != 0)
        throw OutputError(in_s_Path, "cannot be written: " + Reason());
}

std::string OutputFiles::Reserve(const std::string& in_s_Path)
{
    const int l_int_File = CreateTemporary(in_s_Path);
    close(l_int_File);
    return m_v_Staged.back().m_s_Temporary;
}

void OutputFiles::Commit()
{
    for (Staged& l_o_File : m_v_Staged)
    {
        if (std::rename(l_o_File.m_s_Temporary.c_str(), l_o_File.m_s_Target.c_str()) != 0)
            throw OutputError(l_o_File.m_s_Target, "cannot be written: " + Reason());
        l_o_File.m_s_Temporary.clear();
    }
}

std::vector<std::string> OutputFiles::Targets() const
{
    std::vector<std::string> l_v_Targets;
    for (const Staged& l_o_File : m_v_Staged)
        l_v_Targets.push_back(l_o_File.m_s_Target);
    return l_v_Targets;
}

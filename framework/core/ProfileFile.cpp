#include "core/ProfileFile.h"

#include <utility>

#include "core/AtomicFile.h"
#include "core/ConfigDir.h"
#include "core/ProfileFile_p.h"

namespace fw {

ProfileFile::ProfileFile(std::string path) : m_path(std::move(path))
{
    std::string bytes;
    m_readable = detail::MayBeSaved(detail::ReadProfileBytes(m_path, bytes));
    m_text = profile::FileText(std::move(bytes));
}

ProfileFile::ProfileFile(std::string path, std::string bytes, bool readable)
    : m_path(std::move(path)), m_text(std::move(bytes)), m_readable(readable)
{
}

ByteString ProfileFile::Get(std::string_view section, std::string_view key,
                            std::string_view defaultValue) const
{
    return m_text.Read(section, key, defaultValue);
}

void ProfileFile::Set(std::string_view section, std::string_view key, std::string_view value)
{
    m_text.Write(section, key, value, detail::NewFileLineBreak());
}

bool ProfileFile::Save()
{
    if (!m_readable)
        return false;
    if (SaveAt(m_path))
        return true;
    // Never over a per-user file that was not the one read.
    std::string there;
    return !m_perUser.empty() &&
           detail::ReadProfileBytes(m_perUser, there) == detail::ReadResult::Missing &&
           SaveAt(m_perUser);
}

bool ProfileFile::SaveAt(const std::string& path) const
{
    if (!detail::MayWrite(path))
        return false;
    // The per-user place may not exist yet on a first save; anywhere else
    // a missing directory is the caller's to make.
    const std::string dir = DirectoryOf(FollowSymlinks(path));
    if (dir == UserConfigDir() && !MakeDirectories(dir))
        return false;
    return ReplaceFileAtomically(path, m_text.bytes());
}

ByteString GetPrivateProfileString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue, const std::string& path)
{
    return ProfileFile::Open(path).Get(section, key, defaultValue);
}

bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path)
{
    ProfileFile file = ProfileFile::Open(path);
    file.Set(section, key, value);
    return file.Save();
}

}  // namespace fw

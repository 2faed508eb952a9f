// Where a profile named by a path lives, the same on every platform.
#include "core/AtomicFile.h"
#include "core/ProfileFile.h"
#include "core/ProfileFile_p.h"

#include <utility>

namespace fw {

namespace {

using detail::ReadResult;

ReadResult Probe(const std::string& path)
{
    std::string ignored;
    return detail::ReadProfileBytes(path, ignored);
}

}  // namespace

std::string ResolveProfilePath(const std::string& path)
{
    const std::string perUser = detail::PerUserPathOf(path);
    if (detail::IsBareName(path) || Probe(perUser) == ReadResult::Read)
        return perUser;
    switch (Probe(path)) {
    case ReadResult::Read:
    case ReadResult::Failed:   // the user's file all the same: read as nothing, never replaced
        return path;
    case ReadResult::NotAFile:
        return perUser;
    case ReadResult::Missing:
        break;
    }
    return detail::CanCreateFileIn(DirectoryOf(path)) ? path : perUser;
}

ProfileFile ProfileFile::Open(const std::string& path)
{
    ProfileFile file(ResolveProfilePath(path));
    if (std::string perUser = detail::PerUserPathOf(path); file.m_path != perUser)
        file.m_perUser = std::move(perUser);
    return file;
}

}  // namespace fw

// Where a profile named by a path lives, the same on every platform.
#include "core/AtomicFile.h"
#include "core/ProfileFile.h"
#include "core/ProfileFile_p.h"

#include <utility>

namespace fw {

namespace {

using detail::ReadResult;

// A place a profile may live, with what reading it there gave, so that the
// file chosen is read once.
struct Place {
    std::string path;
    std::string bytes;
    ReadResult read = ReadResult::Missing;
};

Place ReadPlace(std::string path)
{
    Place place{std::move(path), {}, ReadResult::Missing};
    place.read = detail::ReadProfileBytes(place.path, place.bytes);
    return place;
}

Place Locate(const std::string& path)
{
    Place perUser = ReadPlace(detail::PerUserPathOf(path));
    if (detail::IsBareName(path) || perUser.read == ReadResult::Read)
        return perUser;
    Place named = ReadPlace(path);
    switch (named.read) {
    case ReadResult::Read:
    case ReadResult::Failed:   // the user's file all the same: read as nothing, never replaced
        return named;
    case ReadResult::NotAFile:
        return perUser;
    case ReadResult::Missing:
        break;
    }
    return detail::CanCreateFileIn(DirectoryOf(path)) ? named : perUser;
}

}  // namespace

std::string ResolveProfilePath(const std::string& path)
{
    return Locate(path).path;
}

ProfileFile ProfileFile::Open(const std::string& path)
{
    Place place = Locate(path);
    ProfileFile file(std::move(place.path), std::move(place.bytes), detail::MayBeSaved(place.read));
    if (std::string perUser = detail::PerUserPathOf(path); file.m_path != perUser)
        file.m_perUser = std::move(perUser);
    return file;
}

}  // namespace fw

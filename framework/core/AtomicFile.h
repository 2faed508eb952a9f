// Replacing a whole file so that a reader, or a crash, only ever sees the
// old contents or the new ones.
#pragma once

#include <string>
#include <string_view>

namespace fw {

// The directory part of a path: "." for a bare name, "/" for "/name" (on
// Windows also a backslash ends a directory, and C:\name gives C:\ itself).
std::string DirectoryOf(const std::string& path);

// The file a path finally names, following symbolic links (also one that
// points to a file not yet made); `path` itself when it is none. Empty
// after too many links (a loop).
std::string FollowSymlinks(const std::string& path);

// Writes `contents` to a new file in the same directory as the target of
// `path` (symbolic links followed, so a link stays a link), flushes it to
// disk and renames it over the target. The new file takes the old one's
// permission bits (and, where allowed, its owner); a new one gets 0666 less
// the umask. False on any failure, with the target untouched and no
// temporary file left behind. On Windows the new file is moved over the
// old one with MoveFileExW (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH),
// links are not followed, and a file marked read-only is not replaced.
bool ReplaceFileAtomically(const std::string& path, std::string_view contents);

}  // namespace fw

// The platform's half of profile files.
#pragma once

#include <string>
#include <string_view>

namespace fw::detail {

// NotAFile: something else stands at the path (a directory, a FIFO, a
// device); Failed: a file that is there but could not be read.
enum class ReadResult { Read, Missing, NotAFile, Failed };

// The whole file into `out`. Only a regular file counts: anything else in
// its place is NotAFile, and neither it nor a Failed file is ever replaced.
ReadResult ReadProfileBytes(const std::string& path, std::string& out);

// Whether a profile read so may be saved: a file read whole, or none yet.
inline bool MayBeSaved(ReadResult read)
{
    return read == ReadResult::Read || read == ReadResult::Missing;
}

// How the lines of a file made from nothing end.
std::string_view NewFileLineBreak();

// A path without any folder in it.
bool IsBareName(const std::string& path);

// The file of the same name in the per-user place (UserConfigDir).
std::string PerUserPathOf(const std::string& path);

// Whether a new file can be made in `dir`: its rights, a read-only mount.
bool CanCreateFileIn(const std::string& dir);

// Whether the user may write the file at `path` (links followed): its mode
// or read-only attribute, its owner, a read-only mount. True where nothing
// is; whether its folder lets it be replaced only the replace itself tells.
bool MayWrite(const std::string& path);

}  // namespace fw::detail

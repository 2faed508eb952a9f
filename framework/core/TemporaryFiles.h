// The hidden temporary files that a replace writes beside its target before
// moving them over it, named ".<target's name>.tmp<number>".
#pragma once

#include <string>
#include <string_view>

namespace fw {

// How many numbers a temporary name draws from: 0 ... kTemporaryNumbers - 1.
inline constexpr unsigned kTemporaryNumbers = 1000000;

// Whether the file name `name` (no folder) is one of the temporary names
// that start with `prefix` (".<target's name>.tmp"): the prefix, then 1 to
// 6 digits.
bool IsTemporaryName(std::string_view name, std::string_view prefix);

// The temporary file `number` for `target`, in the target's directory.
std::string TemporaryPathFor(const std::string& target, unsigned number);

// A save killed between creating its temporary file and moving it leaves
// that file behind; a good save clears them with this. Only regular files
// with exactly such a name go; links, folders and other names stay.
void RemoveStaleTemporaries(const std::string& target);

}  // namespace fw

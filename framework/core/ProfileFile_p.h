// The platform's half of profile files.
#pragma once

#include <string>
#include <string_view>

namespace fw::detail {

enum class ReadResult { Read, Missing, Failed };

// The whole file into `out`. Only a regular file counts: anything else in
// its place (a directory, a device) is Failed and so never replaced.
ReadResult ReadProfileBytes(const std::string& path, std::string& out);

// How the lines of a file made from nothing end.
std::string_view NewFileLineBreak();

}  // namespace fw::detail

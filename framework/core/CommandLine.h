// What the program learns about itself at start-up: the arguments after
// its name, and the name of its own file.
#pragma once

#include <string>
#include <string_view>

#include "core/Text.h"

namespace fw {

// argv[1..] joined by single spaces, with the leading characters of codes
// 1 to 32 removed, in CP932. Empty when the program got no arguments or only
// blank ones; any other text means "started with an argument".
ByteString CommandTail(int argc, char** argv);

// The program file's base name without its extension, as file-system bytes
// (UTF-8): "/usr/bin/prog" and "/x/prog.bin" both give "prog". Only a
// dot inside the base name starts an extension, and a leading dot does not.
std::string ExeName(std::string_view programPath);

// ExeName as the program's text (CP932): the caption of its message boxes.
ByteString AppTitle(std::string_view programPath);

// The running program's file, from /proc/self/exe; `argv0` when the kernel
// cannot tell (no /proc mounted).
std::string ProgramFilePath(const char* argv0);

}  // namespace fw

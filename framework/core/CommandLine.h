// What the program learns about itself at start-up: the arguments after
// its name, and the name of its own file.
#pragma once

#include <string>
#include <string_view>

#include "core/Text.h"

namespace fw {

// The arguments after the program's name, in CP932: on Linux argv[1..]
// joined by single spaces, on Windows the process's own command line through
// CommandTailOf (argv is not looked at there); in both with the leading
// characters of codes 1 to 32 removed. Empty when the program got no
// arguments or only blank ones; any other text means "started with an
// argument".
ByteString CommandTail(int argc, char** argv);

// A whole command line (CP932) less the program's name in front of it: a
// name that starts with a double quote reaches to the matching closing one,
// any other to the first character of code 32 or less; the characters of
// codes 1 to 32 after it go too. A double-byte character is stepped over
// whole, so its second byte is never taken for a quote.
ByteString CommandTailOf(std::string_view commandLine);

// The program file's base name without its extension, as file-system bytes
// (UTF-8): "/usr/bin/prog" and "/x/prog.bin" both give "prog". Only a
// dot inside the base name starts an extension, and a leading dot does not.
std::string ExeName(std::string_view programPath);

// ExeName as the program's text (CP932): the caption of its message boxes.
ByteString AppTitle(std::string_view programPath);

// The running program's file: on Linux from /proc/self/exe, `argv0` when
// the kernel cannot tell (no /proc mounted); on Windows the module's file
// name. File-system bytes (UTF-8 on both).
std::string ProgramFilePath(const char* argv0);

// The program's path as its command line names it, which the settings file's
// place is read from: argv[0] on Linux; on Windows the whole command line as
// UTF-8 (the program runs only without arguments, so its last backslash is
// the one before the program's name).
std::string CommandLineProgramPath(const char* argv0);

// The byte that ends a directory name in such a path: a slash on Linux, a
// backslash on Windows.
char DirectorySeparator();

}  // namespace fw

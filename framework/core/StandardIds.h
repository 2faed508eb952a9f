// The numbers a program and the framework share: the commands of the
// standard buttons and Help, and the strings that the framework loads by its
// own numbers, which a program's string table fills in.
#pragma once

namespace fw {

// Commands of the standard buttons and of Help.
inline constexpr unsigned IDOK = 1;
inline constexpr unsigned IDCANCEL = 2;
inline constexpr unsigned ID_HELP = 57670;

// Strings the framework asks for.
inline constexpr int IDS_APP_TITLE = 57344;               // message boxes' caption; the file name without it
inline constexpr int IDS_NO_RESOURCE = 61474;
inline constexpr int IDS_NO_MEMORY = 61475;
inline constexpr int IDS_HELP_FAILED = 61703;
inline constexpr int IDS_INTERNAL_ERROR = 61704;
inline constexpr int IDS_NOT_AN_INTEGER = 61712;
inline constexpr int IDS_INTEGER_OUT_OF_RANGE = 61714;   // %1, %2: the bounds
inline constexpr int IDS_TEXT_TOO_LONG = 61716;          // %1: the limit in bytes
inline constexpr int IDS_NOT_A_POSITIVE_INTEGER = 61719;

}  // namespace fw

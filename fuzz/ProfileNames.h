// The section and key names that the profile fuzzer and the differential
// check under Wine pick from with the first two bytes of a corpus file; the
// third byte, times two, is the length of the value that follows, and the
// rest is the profile text.
#pragma once

#include <string_view>

namespace profile_names {

struct Name {
    std::string_view text;
    int id;   // equal ids are the same name to the reader
};

// Spellings that must meet (case, blanks), CP932 names whose trail byte is
// ']' or '\\', and two kana whose trail bytes are 'A' and 'a' but which
// must not meet.
inline constexpr Name kSections[] = {
    {"YRK", 0}, {"yrk", 0}, {" Yrk\t", 0}, {"Other", 1}, {"\x83\x5d", 2}, {"\x95\x5c", 3},
};
inline constexpr Name kKeys[] = {
    {"TITLE", 0}, {"title", 0}, {"POS", 1},      {"\x83\x5d", 2},
    {"k", 3},     {" K ", 3},   {"\x83\x41", 4}, {"\x83\x61", 5},
};

}  // namespace profile_names

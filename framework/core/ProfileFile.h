// Private-profile (INI) files with the behaviour of the platform's
// GetPrivateProfileString / WritePrivateProfileString:
//  - section and key names match without regard to case; spaces and tabs
//    around section names, keys and values are dropped;
//  - a value whose first and last characters are the same quote (" or ')
//    loses that one pair; a value is read whole (no trailing comments);
//  - a line whose first non-blank character is ';' is a comment; a line
//    without '=' holds no key; text after ']' on a section line is ignored;
//    lines before the first section belong to none;
//  - of two equal keys the first counts; of two equal sections only the
//    first is searched;
//  - a write replaces the value of the first matching key in place, keeping
//    the key's own spelling; a new key goes after the last line of its
//    section, a new section at the end of the file; a missing last newline
//    is added; every other byte of the file stays as it was;
//  - the file is replaced atomically (temporary file in the same directory,
//    flush, rename): a crash never leaves it half written, and a write that
//    fails leaves the old file whole. A file that exists but cannot be read
//    is never replaced.
//  - a file whose byte-order mark says UTF-8, UTF-16 LE or UTF-16 BE is read
//    in that encoding and written back in it, with its mark; a file without
//    one is CP932 (ProfileFileText.h).
// Names and values are CP932 bytes; paths are in the file system's encoding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/ProfileFileText.h"
#include "core/Text.h"

namespace fw {

// Where the profile named by `path` lives. A bare file name (no directory)
// lives in the program's per-user configuration directory (UserConfigDir; on
// Windows under %APPDATA%). Any other path: the per-user copy of its base
// name where one can be read; else `path` where a file is (read or not);
// else, where nothing is or something that is no file (a directory, a
// FIFO), wherever a first save would make it: `path` when its directory can
// be written, the per-user place when not.
std::string ResolveProfilePath(const std::string& path);

// The whole file in memory, read once, changed by Set, written by Save.
class ProfileFile {
public:
    // Reads `path` (already resolved). A missing file is an empty profile.
    // Any other failure to read marks the profile unreadable: Get still
    // answers defaults, and Save refuses, so the user's file is never
    // replaced by one that lost its lines.
    explicit ProfileFile(std::string path);

    // The profile named by `path`, read where it lives (ResolveProfilePath).
    // A save that cannot go there (the file or its directory may not be
    // written) goes to the per-user place instead, the whole file with all
    // its other lines, so that nothing of it is lost and later reads find
    // it there; but never over anything already there.
    static ProfileFile Open(const std::string& path);

    // The value, or `defaultValue` when the section, the key or the file is
    // absent; at most 255 bytes, as the platform's 256-byte buffer gives,
    // never ending in half a double-byte character. As on the platform, the
    // default loses its trailing spaces.
    ByteString Get(std::string_view section, std::string_view key,
                   std::string_view defaultValue) const;

    // Replaces or adds the key in memory. A value holds one line: it ends at
    // its first '\r', '\n' or NUL, so it can never break into the lines
    // around it.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Atomically replaces the file with the current contents. False when it
    // could not be written; the file on disk is then unchanged. A file the
    // user may not write (its mode or read-only attribute, its owner, a
    // read-only mount) is never replaced.
    bool Save();

    bool readable() const { return m_readable; }
    const std::string& contents() const { return m_text.bytes(); }

private:
    ProfileFile(std::string path, std::string bytes, bool readable);
    bool SaveAt(const std::string& path) const;

    std::string m_path;
    std::string m_perUser;      // where Open's save goes that cannot go to m_path
    profile::FileText m_text;   // the bytes as read, changed in place by Set
    bool m_readable = true;
};

// One-call forms, as the platform offers them. Both open the profile named
// by `path` (ProfileFile::Open).
ByteString GetPrivateProfileString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue, const std::string& path);
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path);

}  // namespace fw

// Our profile reader and writer against the system's own
// GetPrivateProfileStringA and WritePrivateProfileStringA, over the profile
// fuzzer's corpus: for every file, every section and key name of the
// fuzzer's lists is read both ways, and the file's own write (its first
// three bytes pick it) is made both ways. The values read must be equal, and
// the two written files must be in the same encoding (a file with a
// byte-order mark keeps it) and read the same for every name; where their
// bytes differ anyway (the system's writer lays the whole file out anew)
// that is printed and counted as a layout difference. A value that ends in
// half a double-byte character is the one named exception: the system's
// conversion drops that byte, ours writes what it is given (the program
// never hands it half a character). The exit status is the number of files
// with any other difference in values (at most 125).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "ProfileNames.h"
#include "core/ProfileFileText.h"
#include "core/Text.h"

namespace {

namespace fs = std::filesystem;
using profile_names::kKeys;
using profile_names::kSections;

struct Case {
    std::string section, key, value, text;
};

std::string ReadBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// The fuzzer's reading of a corpus file.
bool Decode(const std::string& data, Case& out)
{
    if (data.size() < 3)
        return false;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(data[i]); };
    const std::size_t valueLength = std::min<std::size_t>(byte(2) * 2u, data.size() - 3);
    out.section = std::string(kSections[byte(0) % std::size(kSections)].text);
    out.key = std::string(kKeys[byte(1) % std::size(kKeys)].text);
    out.value = data.substr(3, valueLength);
    out.text = data.substr(3 + valueLength);
    return true;
}

std::string Printable(const std::string& bytes)
{
    std::string out;
    for (unsigned char c : bytes) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

std::string SystemRead(const std::string& section, const std::string& key, const fs::path& file)
{
    char buffer[256] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "(default)", buffer, sizeof buffer,
                             file.string().c_str());
    return buffer;
}

struct Counts {
    int reads = 0, readDifferences = 0, writes = 0, layoutDifferences = 0, readBackDifferences = 0;
    int halfCharacterValues = 0;
};

bool EndsInHalfCharacter(std::string_view text)
{
    std::size_t i = 0;
    while (i + 1 < text.size())
        i += fw::cp932::IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    return i + 1 == text.size() && fw::cp932::IsLeadByte(static_cast<unsigned char>(text[i]));
}

// Whether both files are in one encoding and every name of the lists reads
// the same from them.
bool ReadTheSame(const std::string& a, const std::string& b)
{
    const fw::profile::FileText first(a), second(b);
    if (first.encoding() != second.encoding())
        return false;
    for (const auto& section : kSections)
        for (const auto& key : kKeys)
            if (first.Read(section.text, key.text, "-") != second.Read(section.text, key.text, "-"))
                return false;
    return true;
}

// A fresh name for every system call on a changed file: the system keeps
// a parsed copy of the last profile it touched.
fs::path FreshName(const fs::path& dir, const std::string& stem)
{
    static int serial = 0;
    return dir / (stem + "-" + std::to_string(++serial) + ".ini");
}

bool CompareReads(const std::string& name, const Case& c, const fs::path& dir, Counts& counts)
{
    const fs::path file = FreshName(dir, name);
    WriteBytes(file, c.text);
    const fw::profile::FileText ourFile(c.text);
    bool same = true;
    for (const auto& section : kSections) {
        for (const auto& key : kKeys) {
            const std::string s(section.text), k(key.text);
            const std::string ours = ourFile.Read(s, k, "(default)");
            const std::string system = SystemRead(s, k, file);
            ++counts.reads;
            if (ours == system)
                continue;
            ++counts.readDifferences;
            same = false;
            std::printf("READ  %s [%s] %s: ours \"%s\", system \"%s\"\n", name.c_str(),
                        Printable(s).c_str(), Printable(k).c_str(), Printable(ours).c_str(),
                        Printable(system).c_str());
        }
    }
    return same;
}

bool CompareWrite(const std::string& name, const Case& c, const fs::path& dir, Counts& counts)
{
    // Neither writer can carry a line break or a NUL inside a value.
    const std::string value = c.value.substr(0, c.value.find_first_of(std::string("\r\n\0", 3)));
    fw::profile::FileText ourFile(c.text);
    ourFile.Write(c.section, c.key, value, "\r\n");
    const std::string& ours = ourFile.bytes();
    const fs::path file = FreshName(dir, name);
    WriteBytes(file, c.text);
    WritePrivateProfileStringA(c.section.c_str(), c.key.c_str(), value.c_str(), file.string().c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.string().c_str());   // flush
    const std::string system = ReadBytes(file);
    ++counts.writes;
    if (ours == system)
        return true;
    const bool sameValues = ReadTheSame(ours, system);
    const bool halfCharacter = !sameValues && EndsInHalfCharacter(value);
    ++(sameValues ? counts.layoutDifferences
                  : halfCharacter ? counts.halfCharacterValues : counts.readBackDifferences);
    std::printf("WRITE %s [%s] %s=%s (%s)\n  ours   \"%s\"\n  system \"%s\"\n", name.c_str(),
                Printable(c.section).c_str(), Printable(c.key).c_str(), Printable(value).c_str(),
                sameValues ? "layout only" : halfCharacter ? "half character" : "values differ",
                Printable(ours).c_str(), Printable(system).c_str());
    return sameValues || halfCharacter;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <corpus folder> <work folder>\n", argv[0]);
        return 126;
    }
    const fs::path work = fs::absolute(argv[2]);
    fs::create_directories(work);
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(argv[1]))
        files.push_back(entry.path());
    std::sort(files.begin(), files.end());

    Counts counts;
    int filesDiffering = 0;
    for (const fs::path& path : files) {
        Case c;
        if (!Decode(ReadBytes(path), c))
            continue;
        const std::string name = path.filename().string();
        const bool readsSame = CompareReads(name, c, work, counts);
        const bool writeSame = CompareWrite(name, c, work, counts);
        filesDiffering += (readsSame && writeSame) ? 0 : 1;
    }
    std::printf("files %zu, reads compared %d, read differences %d, writes compared %d, "
                "layout differences %d, half-character values %d, read-back differences %d\n",
                files.size(), counts.reads, counts.readDifferences, counts.writes,
                counts.layoutDifferences, counts.halfCharacterValues, counts.readBackDifferences);
    return std::min(filesDiffering, 125);
}

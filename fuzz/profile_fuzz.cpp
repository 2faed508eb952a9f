// Feeds arbitrary bytes to the profile reader and writer. The first three
// bytes pick a section, a key and the length of a value; the value and then
// the profile file follow, in the encoding its byte-order mark names. After
// one write it checks that:
//  - the key reads back as the value, as a read gives it (in a file with a
//    mark, as the value comes back from the file's encoding);
//  - every other key reads as before;
//  - the file keeps its encoding, and changed inside one line only (or grew
//    by whole lines);
//  - writing the same again changes nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "ProfileNames.h"
#include "core/ProfileFileText.h"
#include "core/ProfileParse.h"
#include "core/Text.h"
#include "core/TextEncoding.h"

namespace {

using profile_names::kKeys;
using profile_names::kSections;
using profile_names::Name;

template <std::size_t N>
const Name& Pick(const Name (&names)[N], std::uint8_t byte)
{
    return names[byte % N];
}

void Fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

// What a read should give for a value just written: one line, blanks and
// one pair of quotes dropped, at most 255 bytes on a character boundary.
std::string Expected(std::string_view value)
{
    value = value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
        value.remove_suffix(1);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(fw::cp932::CutToBytes(value, fw::profile::kValueLimit));
}

void CheckOneLineChanged(const std::string& before, const std::string& after)
{
    std::size_t prefix = 0;
    const std::size_t shorter = std::min(before.size(), after.size());
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const std::string_view removed(before.data() + prefix, before.size() - prefix - suffix);
    if (removed.find('\n') != std::string_view::npos)
        Fail("bytes changed across a line break");
}

// A file with a mark: only whole lines of its own encoding change.
void CheckOneEncodedLineChanged(const std::string& before, const std::string& after,
                                fw::text::Encoding encoding)
{
    const std::size_t mark = fw::text::MarkOf(encoding).size();
    const auto a = fw::text::SplitLines(std::string_view(before).substr(mark), encoding);
    const auto b = fw::text::SplitLines(std::string_view(after).substr(mark), encoding);
    const auto same = [](const fw::text::Line& x, const fw::text::Line& y) {
        return x.content == y.content && x.lineBreak == y.lineBreak;
    };
    std::size_t head = 0, tail = 0;
    while (head < a.size() && head < b.size() && same(a[head], b[head]))
        ++head;
    while (tail < std::min(a.size(), b.size()) - head && same(a[a.size() - 1 - tail], b[b.size() - 1 - tail]))
        ++tail;
    if (a.size() - head - tail > 1)
        Fail("more than one line of a marked file changed");
}

void CheckCut(std::string_view text, std::size_t limit)
{
    const std::string_view cut = fw::cp932::CutToBytes(text, limit);
    if (cut.size() > limit && cut.size() != text.size())
        Fail("cut longer than its limit");
    if (cut.size() == text.size())
        return;
    const bool pair = fw::cp932::IsLeadByte(static_cast<unsigned char>(text[cut.size()])) &&
                      cut.size() + 1 < text.size();
    if (cut.size() + (pair ? 2 : 1) <= limit)
        Fail("cut shorter than needed");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 3)
        return 0;
    const Name& section = Pick(kSections, data[0]);
    const Name& key = Pick(kKeys, data[1]);
    const std::size_t valueLength = std::min<std::size_t>(data[2] * 2u, size - 3);
    const std::string value(reinterpret_cast<const char*>(data + 3), valueLength);
    const std::string before(reinterpret_cast<const char*>(data + 3 + valueLength),
                             size - 3 - valueLength);

    const fw::profile::FileText file(before);
    const fw::text::Encoding encoding = file.encoding();
    std::optional<fw::ByteString> old[std::size(kSections)][std::size(kKeys)];
    for (std::size_t s = 0; s < std::size(kSections); ++s)
        for (std::size_t k = 0; k < std::size(kKeys); ++k)
            old[s][k] = file.Find(kSections[s].text, kKeys[k].text);

    fw::profile::FileText written = file;
    written.Write(section.text, key.text, value, "\n");
    const std::string& after = written.bytes();

    const std::string cameBack = fw::text::ToCp932(fw::text::FromCp932(value, encoding), encoding);
    if (fw::profile::FileText(after).Find(section.text, key.text) != Expected(cameBack))
        Fail("value does not read back");
    for (std::size_t s = 0; s < std::size(kSections); ++s)
        for (std::size_t k = 0; k < std::size(kKeys); ++k) {
            if (kSections[s].id == section.id && kKeys[k].id == key.id)
                continue;
            if (written.Find(kSections[s].text, kKeys[k].text) != old[s][k])
                Fail("another key changed");
        }
    if (fw::text::DetectEncoding(after) != encoding)
        Fail("the file's encoding changed");
    if (encoding == fw::text::Encoding::Cp932)
        CheckOneLineChanged(before, after);
    else
        CheckOneEncodedLineChanged(before, after, encoding);

    fw::profile::FileText again = written;
    again.Write(section.text, key.text, value, "\n");
    if (again.bytes() != after)
        Fail("writing the same value twice differs");

    CheckCut(value, data[2]);
    fw::cp932::FromUtf8(fw::cp932::ToUtf8(value));
    return 0;
}

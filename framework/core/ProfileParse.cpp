#include "core/ProfileParse.h"

namespace fw::profile {

namespace {

constexpr std::size_t npos = std::string_view::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimLeft(std::string_view s)
{
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    return s;
}

std::string_view Trim(std::string_view s)
{
    s = TrimLeft(s);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// What a caller's name or value may carry: its first line, up to any NUL.
std::string_view FirstLine(std::string_view s)
{
    return s.substr(0, s.find_first_of(std::string_view("\r\n\0", 3)));
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Case-insensitive for single-byte characters only: folding a trail byte
// would make two different kanji equal.
bool SameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        const bool twoBytes = cp932::IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size();
        if (twoBytes) {
            if (a.substr(i, 2) != b.substr(i, 2))
                return false;
            i += 2;
        } else {
            if (AsciiLower(a[i]) != AsciiLower(b[i]))
                return false;
            ++i;
        }
    }
    return true;
}

// One line of the text: [begin, contentEnd) is what it says, [contentEnd,
// next) its line break ("", "\n", "\r\n" or a lone "\r": files written by
// old editors end their lines with CR alone, and the platform reads them so).
struct Line {
    std::size_t begin;
    std::size_t contentEnd;
    std::size_t next;
};

Line LineAt(std::string_view text, std::size_t begin)
{
    const std::size_t lineEnd = text.find_first_of("\r\n", begin);
    if (lineEnd == npos)
        return {begin, text.size(), text.size()};
    const bool crlf = text.substr(lineEnd).starts_with("\r\n");
    return {begin, lineEnd, lineEnd + (crlf ? 2 : 1)};
}

enum class Kind { Blank, Comment, Section, Key, Nothing };

struct Parsed {
    Kind kind = Kind::Nothing;
    std::string_view name;         // section or key name, trimmed
    std::size_t valueBegin = 0;    // for a key: offset of the byte after '='
};

Parsed ParseSectionLine(std::string_view rest)
{
    const std::size_t close = cp932::FindFirst(rest, ']');
    if (close == npos)
        return {};   // a damaged header starts no section and holds no key
    return {Kind::Section, Trim(rest.substr(1, close - 1)), 0};
}

// `offset` is where `content` starts in the whole text.
Parsed ParseLine(std::string_view content, std::size_t offset)
{
    const std::string_view rest = TrimLeft(content);
    if (rest.empty())
        return {Kind::Blank, {}, 0};
    if (rest.front() == ';')
        return {Kind::Comment, {}, 0};
    if (rest.front() == '[')
        return ParseSectionLine(rest);
    const std::size_t equals = cp932::FindFirst(rest, '=');
    if (equals == npos)
        return {};
    const std::size_t restOffset = offset + (content.size() - rest.size());
    return {Kind::Key, Trim(rest.substr(0, equals)), restOffset + equals + 1};
}

struct Section {
    std::size_t bodyBegin;     // the line after the header
    std::size_t end;           // the next header, or the end of the text
    std::size_t lastLineEnd;   // `next` of its last non-blank line (header included)
};

std::optional<Section> FindSection(std::string_view text, std::string_view name)
{
    std::optional<Section> found;
    for (std::size_t pos = 0; pos < text.size();) {
        const Line line = LineAt(text, pos);
        const Parsed parsed = ParseLine(text.substr(line.begin, line.contentEnd - line.begin), line.begin);
        if (parsed.kind == Kind::Section) {
            if (found) {
                found->end = line.begin;
                return found;
            }
            if (SameName(parsed.name, name))
                found = Section{line.next, text.size(), line.next};
        } else if (found && parsed.kind != Kind::Blank) {
            found->lastLineEnd = line.next;
        }
        pos = line.next;
    }
    return found;
}

struct KeyLine {
    std::size_t valueBegin;
    std::size_t valueEnd;   // the line's content end
};

std::optional<KeyLine> FindKey(std::string_view text, const Section& section, std::string_view key)
{
    for (std::size_t pos = section.bodyBegin; pos < section.end;) {
        const Line line = LineAt(text, pos);
        const Parsed parsed = ParseLine(text.substr(line.begin, line.contentEnd - line.begin), line.begin);
        if (parsed.kind == Kind::Key && SameName(parsed.name, key))
            return KeyLine{parsed.valueBegin, line.contentEnd};
        pos = line.next;
    }
    return std::nullopt;
}

ByteString AsRead(std::string_view raw)
{
    std::string_view value = Trim(raw.substr(0, raw.find('\0')));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return ByteString(cp932::CutToBytes(value, kValueLimit));
}

// The first line's break; `newTextBreak` for a text that has none yet.
std::string LineBreakOf(std::string_view text, std::string_view newTextBreak)
{
    const Line first = LineAt(text, 0);
    if (first.next == first.contentEnd)
        return std::string(newTextBreak);
    return std::string(text.substr(first.contentEnd, first.next - first.contentEnd));
}

// Completes an unfinished last line before something is appended; in a file
// of CR line ends a final '\r' is complete, elsewhere it is the first half
// of a CRLF and gets only its '\n'.
void EndLastLine(std::string& text, const std::string& lineBreak)
{
    if (text.empty() || text.back() == '\n' || (text.back() == '\r' && lineBreak == "\r"))
        return;
    text += (text.back() == '\r') ? "\n" : lineBreak;
}

}  // namespace

std::optional<ByteString> Find(std::string_view text, std::string_view section,
                               std::string_view key)
{
    const auto found = FindSection(text, Trim(section));
    if (!found)
        return std::nullopt;
    const auto line = FindKey(text, *found, Trim(key));
    if (!line)
        return std::nullopt;
    return AsRead(text.substr(line->valueBegin, line->valueEnd - line->valueBegin));
}

ByteString Read(std::string_view text, std::string_view section, std::string_view key,
                std::string_view defaultValue)
{
    if (auto value = Find(text, section, key))
        return *value;
    while (!defaultValue.empty() && defaultValue.back() == ' ')
        defaultValue.remove_suffix(1);
    return ByteString(cp932::CutToBytes(defaultValue, kValueLimit));
}

void Write(std::string& text, std::string_view section, std::string_view key,
           std::string_view value, std::string_view newTextBreak)
{
    section = Trim(FirstLine(section));
    key = Trim(FirstLine(key));
    value = FirstLine(value);
    const std::string lineBreak = LineBreakOf(text, newTextBreak);
    const std::string keyLine = std::string(key) + "=" + std::string(value);

    const auto found = FindSection(text, section);
    if (!found) {
        EndLastLine(text, lineBreak);
        // Appended piece by piece: GCC 12 at -O2 warns falsely (-Wrestrict)
        // about one chain of string additions here.
        text.append("[").append(section).append("]").append(lineBreak);
        text.append(keyLine).append(lineBreak);
        return;
    }
    if (const auto line = FindKey(text, *found, key)) {
        text.replace(line->valueBegin, line->valueEnd - line->valueBegin, value);
        return;
    }
    if (found->lastLineEnd == text.size()) {
        EndLastLine(text, lineBreak);
        text += keyLine + lineBreak;
        return;
    }
    text.insert(found->lastLineEnd, keyLine + lineBreak);
}

}  // namespace fw::profile

#include "core/CommandLine.h"

#include "core/CommandLine_p.h"

namespace fw {

namespace {

bool IsBlank(char ch)
{
    const auto code = static_cast<unsigned char>(ch);
    return code >= 1 && code <= 32;
}

std::size_t CharLength(std::string_view text, std::size_t pos)
{
    const bool lead = cp932::IsLeadByte(static_cast<unsigned char>(text[pos]));
    return (lead && pos + 1 < text.size()) ? 2 : 1;
}

// Where the program's name ends: after its closing quote, or at the first
// blank (or control character) of an unquoted name.
std::size_t EndOfProgramName(std::string_view line)
{
    const bool quoted = !line.empty() && line.front() == '"';
    std::size_t pos = quoted ? 1 : 0;
    while (pos < line.size()) {
        const std::size_t length = CharLength(line, pos);
        if (length == 1 && quoted && line[pos] == '"')
            return pos + 1;
        if (length == 1 && !quoted && static_cast<unsigned char>(line[pos]) <= 32)
            return pos;
        pos += length;
    }
    return line.size();
}

// Paths are UTF-8 bytes on both platforms, in which '/', '\\', ':' and '.'
// never occur inside a multibyte character, so a plain byte scan is safe.
std::string_view BaseName(std::string_view path)
{
    const std::size_t sep = path.find_last_of("/\\:");
    return sep == std::string_view::npos ? path : path.substr(sep + 1);
}

}  // namespace

ByteString detail::StripLeadingBlanks(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && IsBlank(text[start]))
        ++start;
    return ByteString(text.substr(start));
}

ByteString CommandTailOf(std::string_view commandLine)
{
    return detail::StripLeadingBlanks(commandLine.substr(EndOfProgramName(commandLine)));
}

std::string ExeName(std::string_view programPath)
{
    std::string_view base = BaseName(programPath);
    const std::size_t dot = base.rfind('.');
    if (dot != std::string_view::npos && dot > 0)
        base = base.substr(0, dot);
    return std::string(base);
}

ByteString AppTitle(std::string_view programPath)
{
    return cp932::FromUtf8(ExeName(programPath));
}

}  // namespace fw

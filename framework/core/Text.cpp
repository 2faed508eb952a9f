#include "core/Text.h"

namespace fw::cp932 {

namespace {

// Length of the character starting at `pos`: 2 for a lead byte with a byte
// after it, else 1.
std::size_t CharLength(std::string_view text, std::size_t pos)
{
    const bool lead = IsLeadByte(static_cast<unsigned char>(text[pos]));
    return (lead && pos + 1 < text.size()) ? 2 : 1;
}

}  // namespace

bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t FindFirst(std::string_view text, char ch)
{
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (CharLength(text, i) == 1 && text[i] == ch)
            return i;
    }
    return std::string_view::npos;
}

std::size_t FindLast(std::string_view text, char ch)
{
    std::size_t found = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (CharLength(text, i) == 1 && text[i] == ch)
            found = i;
    }
    return found;
}

std::string_view CutToBytes(std::string_view text, std::size_t limit)
{
    if (text.size() <= limit)
        return text;
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + CharLength(text, end);
        if (next > limit)
            break;
        end = next;
    }
    return text.substr(0, end);
}

}  // namespace fw::cp932

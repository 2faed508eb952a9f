#include "core/ProfileFileText.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/ProfileParse.h"

namespace fw::profile {

namespace {

using text::Encoding;
using text::Line;

bool SameLine(const Line& a, const Line& b)
{
    return a.content == b.content && a.lineBreak == b.lineBreak;
}

// How many lines from the start, and then from the end, two texts share.
struct Shared {
    std::size_t head;
    std::size_t tail;
};

Shared SharedLines(const std::vector<Line>& a, const std::vector<Line>& b)
{
    Shared shared{0, 0};
    while (shared.head < a.size() && shared.head < b.size() && SameLine(a[shared.head], b[shared.head]))
        ++shared.head;
    const std::size_t rest = std::min(a.size(), b.size()) - shared.head;
    while (shared.tail < rest && SameLine(a[a.size() - 1 - shared.tail], b[b.size() - 1 - shared.tail]))
        ++shared.tail;
    return shared;
}

void AppendLine(std::string& out, const Line& line)
{
    out.append(line.content).append(line.lineBreak);
}

// `body` (in `encoding`, without its mark) after its CP932 rendering went
// from `before` to `after`. The lines that stayed keep their own bytes; the
// others are converted from `after`. A line whose break alone changed (the
// last line, completed before something is added) keeps its own content,
// unless that ends in half a UTF-16 unit, which would shift all that follows.
std::string Rewrite(std::string_view body, std::string_view before, std::string_view after,
                    Encoding encoding)
{
    // Line i of `before` is line i of `body` converted: breaks are the same
    // characters in both, and no other character converts to one.
    const std::vector<Line> own = text::SplitLines(body, encoding);
    const std::vector<Line> old = text::SplitLines(before, Encoding::Cp932);
    const std::vector<Line> now = text::SplitLines(after, Encoding::Cp932);
    const Shared shared = SharedLines(old, now);
    const std::size_t oldChangedEnd = old.size() - shared.tail;

    std::string out;
    for (std::size_t i = 0; i < shared.head; ++i)
        AppendLine(out, own[i]);
    for (std::size_t i = shared.head; i < now.size() - shared.tail; ++i) {
        const bool keepContent = i < oldChangedEnd && old[i].content == now[i].content &&
                                 own[i].content.size() % text::UnitSize(encoding) == 0;
        if (keepContent)
            out.append(own[i].content);
        else
            out += text::FromCp932(now[i].content, encoding);
        out += text::FromCp932(now[i].lineBreak, encoding);
    }
    for (std::size_t i = oldChangedEnd; i < own.size(); ++i)
        AppendLine(out, own[i]);
    return out;
}

}  // namespace

FileText::FileText(std::string bytes)
    : m_bytes(std::move(bytes)), m_encoding(text::DetectEncoding(m_bytes))
{
    const std::size_t mark = text::MarkOf(m_encoding).size();
    m_text = text::ToCp932(std::string_view(m_bytes).substr(mark), m_encoding);
}

std::optional<ByteString> FileText::Find(std::string_view section, std::string_view key) const
{
    return profile::Find(m_text, section, key);
}

ByteString FileText::Read(std::string_view section, std::string_view key,
                          std::string_view defaultValue) const
{
    return profile::Read(m_text, section, key, defaultValue);
}

void FileText::Write(std::string_view section, std::string_view key, std::string_view value,
                     std::string_view newTextBreak)
{
    ByteString changed = m_text;
    profile::Write(changed, section, key, value, newTextBreak);
    if (m_encoding == Encoding::Cp932) {
        m_bytes = m_text = std::move(changed);
        return;
    }
    const std::string_view mark = text::MarkOf(m_encoding);
    const std::string_view body = std::string_view(m_bytes).substr(mark.size());
    m_bytes = std::string(mark) + Rewrite(body, m_text, changed, m_encoding);
    // Read back, not taken from `changed`: a byte that is not CP932 comes
    // back from the file's encoding as "?".
    m_text = text::ToCp932(std::string_view(m_bytes).substr(mark.size()), m_encoding);
}

}  // namespace fw::profile

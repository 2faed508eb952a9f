// The field exchange's fields and checks.
#include "gui/DataExchange.h"
#include "gui/QtHandles_p.h"

#include <limits>
#include <string>

#include "core/DialogTemplate.h"
#include "gui/ControlWidgets_p.h"
#include "gui/Dialog.h"
#include "gui/EditWidget_p.h"
#include "gui/MessageBox.h"

namespace fw {

namespace {

constexpr unsigned kSignedRefused = 61712;
constexpr unsigned kOutOfRange = 61714;
constexpr unsigned kTooLong = 61716;
constexpr unsigned kUnsignedRefused = 61719;

// A field's text is read from its first 31 characters only.
constexpr std::size_t kReadLength = 31;

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

struct Scan {
    bool negative = false;
    std::uint64_t magnitude = 0;   // saturates well past any 32-bit value
};

// Blanks, an optional sign, digits, blanks; nothing may follow. A text whose
// value is 0 must start (after the blanks) with the digit 0, so that an
// empty text, a lone sign or letters are not read as 0.
std::optional<Scan> ScanNumber(std::string_view text, bool signAllowed)
{
    text = text.substr(0, kReadLength);
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    const char first = at < text.size() ? text[at] : '\0';
    Scan scan;
    if (first == '-' && !signAllowed)
        return std::nullopt;
    if (first == '-' || first == '+') {
        scan.negative = first == '-';
        ++at;
    }
    constexpr std::uint64_t kSaturated = std::uint64_t{1} << 40;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        scan.magnitude = std::min(kSaturated, scan.magnitude * 10 + static_cast<unsigned>(text[at] - '0'));
        ++at;
    }
    if (scan.magnitude == 0 && first != '0')
        return std::nullopt;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    if (at != text.size())
        return std::nullopt;
    return scan;
}

ByteString FillPlaceholders(ByteString text, const ByteString& first, const ByteString& second = {})
{
    for (const auto& [mark, value] : {std::pair{std::string_view("%1"), &first}, {std::string_view("%2"), &second}}) {
        for (std::size_t at = text.find(mark); at != ByteString::npos; at = text.find(mark, at + value->size()))
            text.replace(at, mark.size(), *value);
    }
    return text;
}

[[noreturn]] void Refuse(CDataExchange* pDX, const ByteString& message)
{
    AfxMessageBox(message, pDX->m_pDlgWnd);
    pDX->Fail();
}

CWnd* Control(CDataExchange* pDX, int id)
{
    pDX->PrepareCtrl(id);
    return pDX->m_pDlgWnd ? pDX->m_pDlgWnd->GetDlgItem(id) : nullptr;
}

// Writes `text` into the field only when it shows something else.
void WriteField(CWnd& field, const ByteString& text)
{
    if (field.GetWindowText() != text)
        field.SetWindowText(text);
}

}  // namespace

std::optional<std::uint32_t> ReadUnsignedField(std::string_view text)
{
    const std::optional<Scan> scan = ScanNumber(text, false);
    if (!scan)
        return std::nullopt;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(scan->magnitude, std::numeric_limits<std::uint32_t>::max()));
}

std::optional<std::int32_t> ReadSignedField(std::string_view text)
{
    const std::optional<Scan> scan = ScanNumber(text, true);
    if (!scan)
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(scan->magnitude);
    constexpr std::int64_t kLowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHighest = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(scan->negative ? std::max(-value, kLowest) : std::min(value, kHighest));
}

namespace {

// Both number fields: written as plain decimal, read by `read`, refused
// with the string `refusedMessage`.
template <typename Number, typename Reader>
void ExchangeNumber(CDataExchange* pDX, int id, Number& value, Reader read, unsigned refusedMessage)
{
    CWnd* field = Control(pDX, id);
    if (!field)
        return;
    if (!pDX->m_bSaveAndValidate) {
        WriteField(*field, std::to_string(value));
        return;
    }
    const std::optional<Number> number = read(field->GetWindowText());
    if (!number)
        Refuse(pDX, LoadString(static_cast<int>(refusedMessage)));
    value = *number;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int id, std::uint32_t& value)
{
    ExchangeNumber(pDX, id, value, ReadUnsignedField, kUnsignedRefused);
}

void DDX_Text(CDataExchange* pDX, int id, std::int32_t& value)
{
    ExchangeNumber(pDX, id, value, ReadSignedField, kSignedRefused);
}

void DDX_Text(CDataExchange* pDX, int id, ByteString& value)
{
    CWnd* field = Control(pDX, id);
    if (!field)
        return;
    if (pDX->m_bSaveAndValidate)
        value = field->GetWindowText();
    else
        WriteField(*field, value);
}

void DDV_MinMaxUInt(CDataExchange* pDX, std::uint32_t value, std::uint32_t minValue, std::uint32_t maxValue)
{
    if (!pDX->m_bSaveAndValidate || (value >= minValue && value <= maxValue))
        return;
    Refuse(pDX, FillPlaceholders(LoadString(static_cast<int>(kOutOfRange)), std::to_string(minValue),
                                 std::to_string(maxValue)));
}

void DDV_MaxChars(CDataExchange* pDX, const ByteString& value, int limitBytes)
{
    if (pDX->m_bSaveAndValidate && value.size() > static_cast<std::size_t>(std::max(limitBytes, 0)))
        Refuse(pDX, FillPlaceholders(LoadString(static_cast<int>(kTooLong)), std::to_string(limitBytes)));
    CWnd* field = pDX->m_pDlgWnd ? pDX->m_pDlgWnd->GetDlgItem(pDX->LastControlId()) : nullptr;
    if (auto* edit = field ? dynamic_cast<EditWidget*>(WidgetOf(field)) : nullptr)
        edit->SetByteLimit(limitBytes);
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    CWnd* field = Control(pDX, id);
    if (!field || !WidgetOf(field))
        return;
    if (pDX->m_bSaveAndValidate) {
        value = CheckOf(WidgetOf(field)) == 1 ? 1 : 0;
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    SetCheckOf(WidgetOf(field), value);
}

}  // namespace fw

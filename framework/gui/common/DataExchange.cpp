// The field exchange's fields and checks, on either back end's controls
// (common/BackEnd_p.h has what differs).
#include "gui/DataExchange.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/FieldNumbers.h"
#include "core/Resources.h"
#include "core/StandardIds.h"
#include "gui/Dialog.h"
#include "gui/MessageBox.h"
#include "gui/common/BackEnd_p.h"

namespace fw {

namespace {

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

// Both number fields: written as plain decimal, read by `read`, refused
// with the string `refusedMessage`.
template <typename Number, typename Reader>
void ExchangeNumber(CDataExchange* pDX, int id, Number& value, Reader read, int refusedMessage)
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
        Refuse(pDX, LoadString(refusedMessage));
    value = *number;
}

}  // namespace

void DDX_Text(CDataExchange* pDX, int id, std::uint32_t& value)
{
    ExchangeNumber(pDX, id, value, ReadUnsignedField, IDS_NOT_A_POSITIVE_INTEGER);
}

void DDX_Text(CDataExchange* pDX, int id, std::int32_t& value)
{
    ExchangeNumber(pDX, id, value, ReadSignedField, IDS_NOT_AN_INTEGER);
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
    Refuse(pDX, FillPlaceholders(LoadString(IDS_INTEGER_OUT_OF_RANGE), std::to_string(minValue),
                                 std::to_string(maxValue)));
}

void DDV_MaxChars(CDataExchange* pDX, const ByteString& value, int limitBytes)
{
    if (pDX->m_bSaveAndValidate && value.size() > static_cast<std::size_t>(std::max(limitBytes, 0)))
        Refuse(pDX, FillPlaceholders(LoadString(IDS_TEXT_TOO_LONG), std::to_string(limitBytes)));
    if (CWnd* field = pDX->m_pDlgWnd ? pDX->m_pDlgWnd->GetDlgItem(pDX->LastControlId()) : nullptr)
        LimitFieldText(*field, limitBytes);
}

void DDX_Check(CDataExchange* pDX, int id, int& value)
{
    CWnd* field = Control(pDX, id);
    const std::optional<int> check = field ? FieldCheck(*field) : std::nullopt;
    if (!check)
        return;
    if (pDX->m_bSaveAndValidate) {
        value = *check == 1 ? 1 : 0;
        return;
    }
    if (value < 0 || value > 2)
        value = 0;
    SetFieldCheck(*field, value);
}

}  // namespace fw

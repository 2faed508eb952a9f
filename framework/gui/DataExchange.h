// The field exchange's kinds of field: numbers, strings and check boxes
// moved between a dialog's members and its controls, with their checks.
// Each DDX_ / DDV_ call belongs inside a dialog's DoDataExchange; a check
// that refuses a field shows its message, puts the focus on the field with
// its whole text selected and ends the exchange there.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "core/Text.h"

namespace fw {

class CDataExchange;

// The number-reading rule of a field's text: its first 31 characters, blanks
// (spaces, tabs) around, an optional plus sign, decimal digits. A value
// beyond the range becomes the range's end; an empty text, letters, a lone
// sign or anything after the number refuse it. The unsigned reading refuses
// a minus sign.
std::optional<std::uint32_t> ReadUnsignedField(std::string_view text);
std::optional<std::int32_t> ReadSignedField(std::string_view text);

// Numbers: read with the rule above (refused with 61719 unsigned, 61712
// signed; the member keeps its value); written as plain decimal.
void DDX_Text(CDataExchange* pDX, int id, std::uint32_t& value);
void DDX_Text(CDataExchange* pDX, int id, std::int32_t& value);
// Strings, CP932, as they are.
void DDX_Text(CDataExchange* pDX, int id, ByteString& value);

// After a DDX_Text of an unsigned member: when reading, a value outside
// [minValue, maxValue] (compared unsigned) is refused with 61714 and the
// bounds; it stays in the member. Nothing happens when writing.
void DDV_MinMaxUInt(CDataExchange* pDX, std::uint32_t value, std::uint32_t minValue, std::uint32_t maxValue);
// After a DDX_Text of a string: when reading, more than `limitBytes` bytes
// are refused with 61716 and the limit. When it passes, and whenever the
// string is written, the edit's input limit becomes `limitBytes` bytes.
void DDV_MaxChars(CDataExchange* pDX, const ByteString& value, int limitBytes);

// A check box: read as 1 when checked, 0 otherwise; written as its state
// (0 unchecked, 1 checked, 2 indeterminate; any other member becomes 0 first).
void DDX_Check(CDataExchange* pDX, int id, int& value);

}  // namespace fw

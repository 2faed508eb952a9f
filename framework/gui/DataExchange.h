// The field exchange's kinds of field: numbers, strings and check boxes
// moved between a dialog's members and its controls, with their checks.
// Each DDX_ / DDV_ call belongs inside a dialog's DoDataExchange; a check
// that refuses a field shows its message, puts the focus on the field with
// its whole text selected and ends the exchange there.
#pragma once

#include <cstdint>

#include "core/FieldNumbers.h"
#include "core/Text.h"

namespace fw {

class CDataExchange;

// Numbers: read with the rule of ReadUnsignedField and ReadSignedField
// (refused with IDS_NOT_A_POSITIVE_INTEGER unsigned, IDS_NOT_AN_INTEGER
// signed; the member keeps its value); written as plain decimal.
void DDX_Text(CDataExchange* pDX, int id, std::uint32_t& value);
void DDX_Text(CDataExchange* pDX, int id, std::int32_t& value);
// Strings, CP932, as they are.
void DDX_Text(CDataExchange* pDX, int id, ByteString& value);

// After a DDX_Text of an unsigned member: when reading, a value outside
// [minValue, maxValue] (compared unsigned) is refused with
// IDS_INTEGER_OUT_OF_RANGE and the bounds; it stays in the member. Nothing
// happens when writing.
void DDV_MinMaxUInt(CDataExchange* pDX, std::uint32_t value, std::uint32_t minValue, std::uint32_t maxValue);
// After a DDX_Text of a string: when reading, more than `limitBytes` bytes
// are refused with IDS_TEXT_TOO_LONG and the limit. When it passes, and
// whenever the string is written, the edit's input limit becomes
// `limitBytes` bytes.
void DDV_MaxChars(CDataExchange* pDX, const ByteString& value, int limitBytes);

// A check box: read as 1 when checked, 0 otherwise; written as its state
// (0 unchecked, 1 checked, 2 indeterminate; any other member becomes 0 first).
void DDX_Check(CDataExchange* pDX, int id, int& value);

}  // namespace fw

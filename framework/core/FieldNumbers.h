// How a dialog's number field reads its text: a pure rule, apart from the
// controls that hold the text.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace fw {

// The number-reading rule of a field's text: its first 31 characters, blanks
// (spaces, tabs) around, an optional plus sign, decimal digits. A value
// beyond the range becomes the range's end; an empty text, letters, a lone
// sign or anything after the number refuse it. The unsigned reading refuses
// a minus sign.
std::optional<std::uint32_t> ReadUnsignedField(std::string_view text);
std::optional<std::int32_t> ReadSignedField(std::string_view text);

}  // namespace fw

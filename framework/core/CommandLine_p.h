// Shared by the platforms' command-line code.
#pragma once

#include <string_view>

#include "core/Text.h"

namespace fw::detail {

// `text` without the characters of codes 1 to 32 at its front.
ByteString StripLeadingBlanks(std::string_view text);

}  // namespace fw::detail

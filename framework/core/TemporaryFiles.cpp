// The temporaries' naming rule, the same on every platform; each platform
// lists its folders in core/<platform>/TemporaryFiles.cpp.
#include "core/TemporaryFiles.h"

namespace fw {

bool IsTemporaryName(std::string_view name, std::string_view prefix)
{
    if (!name.starts_with(prefix))
        return false;
    const std::string_view number = name.substr(prefix.size());
    return !number.empty() && number.size() <= std::to_string(kTemporaryNumbers - 1).size()
        && number.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace fw

#include "core/DisplayPlatform.h"

#include <cstdlib>

namespace fw {

namespace {

bool IsSet(const char* value)
{
    return value && value[0];
}

}  // namespace

std::string ChooseDisplayPlatform(const DisplayEnvironment& environment)
{
    if (IsSet(environment.qtPlatform) || !IsSet(environment.x11Display))
        return {};
    return "xcb";
}

std::string ChooseDisplayPlatform()
{
    return ChooseDisplayPlatform({std::getenv("QT_QPA_PLATFORM"), std::getenv("DISPLAY")});
}

}  // namespace fw

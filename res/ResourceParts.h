// The pieces of ProgramResources(), one per source file.
#pragma once

#include <vector>

#include "core/Resources.h"

namespace res {

std::vector<fw::DialogTemplate> ProgramDialogs();
std::vector<fw::MenuTemplate> ProgramMenus();
std::vector<fw::StringResource> ProgramStrings();
std::vector<fw::IconResource> ProgramIcons();

}  // namespace res

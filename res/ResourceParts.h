// The pieces of ProgramResources(), one per source file.
#pragma once

#include <vector>

#include "core/DialogTemplate.h"

namespace res {

std::vector<fw::DialogTemplate> ProgramDialogs();
std::vector<fw::MenuTemplate> ProgramMenus();
std::vector<fw::StringResource> ProgramStrings();
std::vector<fw::IconResource> ProgramIcons();

}  // namespace res

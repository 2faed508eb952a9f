// Who the running program is, as far as the framework needs to know: the
// program hands this over once at start, and the framework takes every name
// that it must not invent itself from here.
#pragma once

#include <string>

namespace fw {

struct AppIdentity {
    std::string name;           // the program's name: the toolkit's argv[0] and <prefix>/share/<name>/
    std::string configFolder;   // the per-user configuration folder under $XDG_CONFIG_HOME
    std::string helpFile;       // the installed help file's name in <prefix>/share/<name>/
    std::string desktopId;      // the desktop file's name without ".desktop" (the application id)
    std::string language;       // the user interface's language ("ja"): the toolkit's own texts follow it
};

// Stores the identity; call it before anything else of the framework.
void SetAppIdentity(AppIdentity identity);

// The identity as set, with an empty name, configuration folder or help file
// filled in from the running program file's base name (a program that never
// set them still gets folders of its own).
const AppIdentity& TheAppIdentity();

}  // namespace fw

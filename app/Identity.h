// The names by which the desktop and the file system know the program,
// handed to the framework once at start.
#pragma once

#include "core/AppIdentity.h"

inline fw::AppIdentity ProgramIdentity()
{
    return {
        .name = "yoruka",
        .configFolder = "yoruka",
        .helpFile = "yoruka.html",
        .desktopId = "io.github.yoruka.Yoruka",
        .language = "ja",
    };
}

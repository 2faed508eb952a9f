// A function of a system library looked up by name when first needed: one
// that only some versions of Windows have (the per-monitor DPI functions,
// Windows 10 on), or one of a library that a seldom used command alone
// needs, which an import would load at every start. System libraries are
// found by name in the system's own folder; a loaded one stays loaded.
// Null where the library or the function is missing.
#pragma once

#include "gui/win32/WinApi.h"

namespace fw::win32 {

template <typename Function>
Function* SystemFunction(const wchar_t* library, const char* name)
{
    const HMODULE module = LoadLibraryW(library);
    // Through the generic function type, which converts to any other
    // without a warning.
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)))
                  : nullptr;
}

}  // namespace fw::win32

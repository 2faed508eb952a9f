// Opaque handles of the platform's objects a caller may hold: a window and
// a drawing surface. Each back end gives them their meaning; on Windows they
// are the platform's own HWND and HDC, declared the way its headers do.
#pragma once

struct HWND__;
struct HDC__;

namespace fw {

using HWND = ::HWND__*;
using HDC = ::HDC__*;

}  // namespace fw

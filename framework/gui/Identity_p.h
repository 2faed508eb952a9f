// The program's identity as the toolkit and the desktop see it.
#pragma once

namespace fw {

// Tells the toolkit the program's desktop file name, so that compositors and
// docks match its windows with their menu entry. Needs the toolkit; call once.
void InstallAppIdentity();

}  // namespace fw

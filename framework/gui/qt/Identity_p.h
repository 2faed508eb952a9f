// The program's identity as the toolkit and the desktop see it.
#pragma once

namespace fw {

// Tells the toolkit the program's desktop file name, so that compositors and
// docks match its windows with their menu entry, and loads the toolkit's own
// texts (edit menus, standard buttons) in the program's language. Needs the
// toolkit; call once.
void InstallAppIdentity();

}  // namespace fw

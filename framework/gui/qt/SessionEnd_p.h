// The end of the session on Linux: the desktop's commit-data request and
// SIGTERM / SIGHUP.
#pragma once

namespace fw {

// Installs the signals' self-pipe and the desktop's commit-data request.
void InstallSessionEndHandlers();

}  // namespace fw

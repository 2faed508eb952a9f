// The toolkit's part of the application on Windows: there is none to start
// or end, as the platform's windows need no toolkit.
#include "gui/App.h"

#include "gui/common/BackEnd_p.h"

namespace fw {

// Dialogs register the common controls they use themselves.
void EnsureToolkit() {}

void RememberProgramName(const char* /*argv0*/) {}

void EndToolkit() {}

}  // namespace fw

// The application object and the process entry on Windows. The common
// controls' classes are registered with the first dialog.
#include "gui/App.h"

#include <string>

#include "core/AppIdentity.h"
#include "core/CommandLine.h"
#include "core/Resources.h"
#include "core/StandardIds.h"
#include "gui/win32/ModalRuns_p.h"

namespace fw {

int CWinApp::ExitInstance()
{
    return LastQuitCode();
}

int AfxWinMain(CWinApp& app, int argc, char** argv)
{
    const char* argv0 = argc > 0 && argv[0] ? argv[0] : "";
    const std::string programFile = ProgramFilePath(argv0);
    app.m_programPath = CommandLineProgramPath(argv0);
    app.m_programFile = programFile;
    app.m_commandTail = CommandTail(argc, argv);
    app.m_exeName = AppTitle(programFile);
    const ByteString title = LoadString(IDS_APP_TITLE);
    app.m_appTitle = title.empty() ? app.m_exeName : title;
    app.InitInstance();
    return app.ExitInstance();
}

// The platform's windows need no toolkit; dialogs register the common
// controls they use themselves.
void EnsureToolkit() {}

}  // namespace fw

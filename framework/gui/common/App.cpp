// The one application object and the process entry, the same on both back
// ends.
#include "gui/App.h"

#include <string>

#include "core/CommandLine.h"
#include "core/Resources.h"
#include "core/StandardIds.h"
#include "gui/common/BackEnd_p.h"
#include "gui/common/ModalRuns_p.h"

namespace fw {

namespace {

CWinApp* g_app = nullptr;

}  // namespace

CWinApp::CWinApp()
{
    g_app = this;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

bool CWinApp::InitInstance()
{
    return false;
}

int CWinApp::ExitInstance()
{
    return LastQuitCode();
}

CWinApp* AfxGetApp()
{
    return g_app;
}

CWnd* AfxGetMainWnd()
{
    return g_app ? g_app->m_pMainWnd : nullptr;
}

int AfxWinMain(CWinApp& app, int argc, char** argv)
{
    const char* argv0 = argc > 0 && argv[0] ? argv[0] : "";
    RememberProgramName(argv0);
    const std::string programFile = ProgramFilePath(argv0);
    app.m_programPath = CommandLineProgramPath(argv0);
    app.m_programFile = programFile;
    app.m_commandTail = CommandTail(argc, argv);
    app.m_exeName = AppTitle(programFile);
    const ByteString title = LoadString(IDS_APP_TITLE);
    app.m_appTitle = title.empty() ? app.m_exeName : title;
    app.InitInstance();
    const int status = app.ExitInstance();
    EndToolkit();
    return status;
}

}  // namespace fw

// The application object, the process entry and the toolkit's lazy start.
#include "gui/App.h"

#include <QApplication>

#include <memory>
#include <string>

#include "core/CommandLine.h"
#include "core/Resources.h"
#include "core/StandardIds.h"
#include "gui/Accessibility_p.h"
#include "gui/Fonts_p.h"
#include "gui/ModalRuns_p.h"

namespace fw {

namespace {

CWinApp* g_app = nullptr;
std::string g_programName = "yoruka";
std::unique_ptr<QApplication> g_ownApplication;

void StartQApplication()
{
    // Qt sees only the program's name: arguments never reach it, since any
    // argument ends the program before a window opens.
    static std::string name = g_programName;
    static int argc = 1;
    static char* argv[] = {name.data(), nullptr};
    g_ownApplication = std::make_unique<QApplication>(argc, argv);
}

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
    g_programName = argv0[0] ? argv0 : "yoruka";
    const std::string programFile = ProgramFilePath(argv0);
    app.m_programPath = argv0;
    app.m_programFile = programFile;
    app.m_commandTail = CommandTail(argc, argv);
    app.m_exeName = AppTitle(programFile);
    const ByteString title = LoadString(IDS_APP_TITLE);
    app.m_appTitle = title.empty() ? app.m_exeName : title;
    app.InitInstance();
    const int status = app.ExitInstance();
    g_ownApplication.reset();
    return status;
}

void EnsureToolkit()
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    if (!QApplication::instance())
        StartQApplication();
    QApplication::setQuitOnLastWindowClosed(false);
    InstallFaceSubstitutions();
    InstallAccessibility();
    InstallSessionEndHandlers();
}

}  // namespace fw

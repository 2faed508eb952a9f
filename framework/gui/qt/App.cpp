// The application object, the process entry and the toolkit's lazy start.
#include "gui/App.h"

#include <QApplication>
#include <QLoggingCategory>

#include <string>

#include "core/AppIdentity.h"
#include "core/DisplayPlatform.h"
#include "gui/common/BackEnd_p.h"
#include "gui/qt/Accessibility_p.h"
#include "gui/qt/Fonts_p.h"
#include "gui/qt/Identity_p.h"
#include "gui/qt/SessionEnd_p.h"
#include "gui/qt/ToolkitLook_p.h"
#include "gui/qt/ToolkitStart_p.h"

namespace fw {

namespace {

std::string g_programName;
// A plain pointer, not an owning static: when the display goes away, Qt
// ends the process with exit() from inside a modal run, and exit handlers
// must not destroy the application object under the run's live windows.
QApplication* g_ownApplication = nullptr;

// Natively on Wayland the window cannot be placed, raised or asked where it
// is; the program already does without those there, so Qt need not say so.
// A user's QT_LOGGING_RULES still overrides this.
void QuietenWaylandLimits()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.qpa.wayland.warning=false"));
}

void StartQApplication()
{
    // Qt sees only the program's name and the display platform chosen for
    // it: the user's arguments never reach it, since any argument ends the
    // program before a window opens. The choice goes in as an argument, not
    // into the environment, so that programs started from here (the help's
    // browser) choose for themselves.
    static std::string name = g_programName.empty() ? TheAppIdentity().name : g_programName;
    static std::string platformOption = "-platform";
    static std::string platform = ChooseDisplayPlatform();
    static int argc = platform.empty() ? 1 : 3;
    static char* argv[] = {name.data(), platformOption.data(), platform.data(), nullptr};
    QuietenWaylandLimits();
    static std::string shownName = name.substr(name.find_last_of('/') + 1);
    g_ownApplication = StartToolkitOrExit(argc, argv, shownName.c_str());
}

}  // namespace

void RememberProgramName(const char* argv0)
{
    g_programName = argv0[0] ? argv0 : TheAppIdentity().name;
}

// A QApplication made by a test is the test's to end.
void EndToolkit()
{
    delete g_ownApplication;
    g_ownApplication = nullptr;
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
    InstallFixedLook();
    InstallAppIdentity();
    InstallFaceSubstitutions();
    InstallAccessibility();
    InstallSessionEndHandlers();
}

}  // namespace fw

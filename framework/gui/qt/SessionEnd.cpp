// The end of the session: the desktop's commit-data request and SIGTERM /
// SIGHUP ask the main window (OnQueryEndSession); when it agrees, every
// modal run ends without OnDestroy and the process ends with them. Signals
// only write a byte into a pipe; the event loop does the rest.
#include "gui/qt/SessionEnd_p.h"

#include <QApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/common/ModalRuns_p.h"
#include "gui/qt/Dispatch_p.h"
#include "gui/qt/QtHandles_p.h"

namespace fw {

namespace {

int g_signalPipe[2] = {-1, -1};

// Asks the main window (else the outermost dialog) whether the session
// may end; with no window to ask, it may.
bool AskMainWindowToEndSession()
{
    CWnd* main = AfxGetMainWnd();
    if (!main || !WidgetOf(main))
        main = OutermostModalDialog();
    return !main || dispatch::QueryEndSession(*main);
}

// Without a window to ask, the process ends at once.
void HandleSessionEndRequest()
{
    if (!OutermostModalDialog())
        std::exit(0);
    if (AskMainWindowToEndSession())
        EndSessionNow();
}

extern "C" void OnTerminationSignal(int signalNumber)
{
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = write(g_signalPipe[1], &byte, 1);
}

void DrainSignalPipe()
{
    unsigned char bytes[16];
    while (read(g_signalPipe[0], bytes, sizeof bytes) > 0) {
    }
}

void CatchTerminationSignals()
{
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

void WatchSignalPipe()
{
    if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
        DrainSignalPipe();
        HandleSessionEndRequest();
    });
    CatchTerminationSignals();
}

void WatchSessionManager()
{
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp, [](QSessionManager& manager) {
        if (AskMainWindowToEndSession()) {
            EndSessionNow();
            return;
        }
        if (manager.allowsInteraction())
            manager.cancel();
    });
#endif
}

}  // namespace

void InstallSessionEndHandlers()
{
    WatchSignalPipe();
    WatchSessionManager();
}

}  // namespace fw

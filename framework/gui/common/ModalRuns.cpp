// The stack of modal runs and the two requests that end them all, the same
// on both back ends.
#include "gui/common/ModalRuns_p.h"

#include <algorithm>
#include <vector>

#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/common/BackEnd_p.h"

namespace fw {

namespace {

std::vector<CDialog*> g_runs;   // outermost first
bool g_quitPending = false;
bool g_sessionEnding = false;
int g_lastQuitCode = 0;

void EndEveryRun()
{
    CloseOpenMenus();
    const std::vector<CDialog*> runs = g_runs;
    for (auto run = runs.rbegin(); run != runs.rend(); ++run)
        (*run)->EndDialog(-1);
}

}  // namespace

void PushModalRun(CDialog& dialog)
{
    g_runs.push_back(&dialog);
}

void PopModalRun(CDialog& dialog)
{
    g_runs.erase(std::remove(g_runs.begin(), g_runs.end(), &dialog), g_runs.end());
    if (g_runs.empty()) {
        // The outermost loop has taken the request; nothing is left to end.
        g_quitPending = false;
        g_sessionEnding = false;
    }
}

CDialog* InnermostModalDialog()
{
    return g_runs.empty() ? nullptr : g_runs.back();
}

CDialog* OutermostModalDialog()
{
    return g_runs.empty() ? nullptr : g_runs.front();
}

bool QuitPending()
{
    return g_quitPending;
}

bool SessionEnding()
{
    return g_sessionEnding;
}

int LastQuitCode()
{
    return g_lastQuitCode;
}

void PostQuitMessage(int exitCode)
{
    g_lastQuitCode = exitCode;
    if (g_runs.empty())
        return;
    g_quitPending = true;
    EndEveryRun();
}

void EndSessionNow()
{
    g_sessionEnding = true;
    EndEveryRun();
}

}  // namespace fw

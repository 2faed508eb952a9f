// The Help command: which dialog is asked, which file and topic open.
#include "gui/Help.h"

#include "gui/App.h"

namespace fw {

namespace {

OpenUrlHook& UrlHook()
{
    static OpenUrlHook hook;
    return hook;
}

}  // namespace

std::string FindHelpFile(std::string_view /*programFile*/)
{
    return {};
}

void SetOpenUrlHook(OpenUrlHook hook)
{
    UrlHook() = std::move(hook);
}

std::span<const CommandEntry> CWinApp::CommandMap() const
{
    static constexpr CommandEntry entries[] = {CommandHandler<&CWinApp::OnHelp>(ID_HELP)};
    return entries;
}

void CWinApp::OnHelp() {}

void CWinApp::WinHelp(unsigned long /*topic*/) {}

}  // namespace fw

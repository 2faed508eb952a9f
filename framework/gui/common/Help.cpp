// The Help command, the same on both back ends: the dialog asked gives the
// topic, the help file beside the program the address, and a failure to
// open it says so.
#include "gui/Help.h"

#include "core/CommandLine.h"
#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/MessageBox.h"
#include "gui/common/BackEnd_p.h"

namespace fw {

namespace {

OpenUrlHook& UrlHook()
{
    static OpenUrlHook hook;
    return hook;
}

bool OpenUrl(const std::string& url)
{
    return UrlHook() ? UrlHook()(url) : OpenUrlInBrowser(url);
}

}  // namespace

void SetOpenUrlHook(OpenUrlHook hook)
{
    UrlHook() = std::move(hook);
}

std::span<const CommandEntry> CWinApp::CommandMap() const
{
    static constexpr CommandEntry entries[] = {CommandHandler<&CWinApp::OnHelp>(ID_HELP)};
    return entries;
}

void CWinApp::OnHelp()
{
    if (const CDialog* dialog = DialogToAsk())
        WinHelp(HID_BASE_RESOURCE + static_cast<unsigned long>(dialog->TemplateId()));
}

void CWinApp::WinHelp(unsigned long topic)
{
    const std::string file = FindHelpFile(m_programFile.empty() ? ProgramFilePath("") : m_programFile);
    if (file.empty() || !OpenUrl(HelpFileUrl(file, topic)))
        AfxMessageBox(IDS_HELP_FAILED);
}

}  // namespace fw

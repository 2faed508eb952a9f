// The Help command, the same on both back ends: the dialog asked gives the
// topic, the help file beside the program (or installed) the address, and
// a failure to open it says so.
#include "gui/Help.h"

#include <string_view>
#include <vector>

#include "core/AppIdentity.h"
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

// A slash ends a folder's name on both platforms, a backslash on Windows too.
bool IsSeparator(char c)
{
    return c == '/' || c == DirectorySeparator();
}

// Where the last name of `path` starts. Paths are UTF-8, in which no byte
// of a multibyte character is a separator or a dot.
std::size_t NameStart(std::string_view path)
{
    std::size_t start = path.size();
    while (start > 0 && !IsSeparator(path[start - 1]))
        --start;
    return start;
}

// The program file's path with ".html" for its extension: only a dot inside
// the name starts one, and a leading dot does not.
std::string BesideProgram(std::string_view program)
{
    const std::size_t dot = program.rfind('.');
    if (dot != std::string_view::npos && dot > NameStart(program))
        program = program.substr(0, dot);
    return std::string(program) + ".html";
}

// The next name of a path onto the names so far: "." and empty names go, a
// ".." takes away the name before it, stays where there is none, and goes
// at the root.
void AddName(std::vector<std::string_view>& names, std::string_view name, bool rooted)
{
    if (name.empty() || name == ".")
        return;
    if (name != "..")
        names.push_back(name);
    else if (!names.empty() && names.back() != "..")
        names.pop_back();
    else if (!rooted)
        names.push_back(name);
}

// `path` with "." and ".." worked out by its words alone, as
// std::filesystem's lexically_normal does, except that the root (the
// leading separators, on Windows after a drive such as "C:") stays as it
// is written.
std::string LexicallyNormal(std::string_view path)
{
    std::size_t rootEnd = 0;
    if (DirectorySeparator() == '\\' && path.size() >= 2 && path[1] == ':')
        rootEnd = 2;
    while (rootEnd < path.size() && IsSeparator(path[rootEnd]))
        ++rootEnd;
    const bool rooted = rootEnd > 0;
    std::vector<std::string_view> names;
    for (std::size_t at = rootEnd; at < path.size();) {
        std::size_t end = at;
        while (end < path.size() && !IsSeparator(path[end]))
            ++end;
        AddName(names, path.substr(at, end - at), rooted);
        at = end + 1;
    }
    std::string normal(path.substr(0, rootEnd));
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            normal += DirectorySeparator();
        normal += names[i];
    }
    return normal;
}

// <prefix>/share/<name>/<help file> for a program in <prefix>/bin.
std::string InstalledHelp(std::string_view program)
{
    const AppIdentity& identity = TheAppIdentity();
    const std::string separator(1, DirectorySeparator());
    const std::string folder(program.substr(0, NameStart(program)));
    return LexicallyNormal(folder + ".." + separator + "share" + separator + identity.name + separator +
                           identity.helpFile);
}

}  // namespace

std::string FindHelpFile(std::string_view programFile)
{
    if (programFile.empty())
        return {};
    for (const std::string& place : {BesideProgram(programFile), InstalledHelp(programFile)}) {
        if (IsRegularFile(place))
            return place;
    }
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

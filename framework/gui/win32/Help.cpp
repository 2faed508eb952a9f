// The Help command on Windows: the platform's old help engine is gone, so
// the HTML help beside the program opens in the browser at the topic.
#include "gui/Help.h"

#include <cstdio>

#include "core/win32/WideText.h"
#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/common/BackEnd_p.h"
#include "gui/common/ModalRuns_p.h"
#include "gui/win32/SystemFunction_p.h"
#include "gui/win32/WinApi.h"

#include <shellapi.h>
#include <shlwapi.h>

namespace fw {

namespace {

// The first dialog among `window` and its parents and owners.
CDialog* DialogOf(HWND window)
{
    for (; window; window = GetAncestor(window, GA_PARENT) != GetDesktopWindow() ? GetParent(window)
                                                                                 : GetWindow(window, GW_OWNER)) {
        if (auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandle(window)))
            return dialog;
    }
    return nullptr;
}

// The program that opens .html files, or empty. The help starts it with
// the address itself: ShellExecute of a file address takes the #topic for
// part of the file's name.
std::wstring HtmlBrowser()
{
    // shell32 and shlwapi serve the help alone: loaded at the first F1.
    static const auto assocQueryString =
        win32::SystemFunction<decltype(AssocQueryStringW)>(L"shlwapi.dll", "AssocQueryStringW");
    std::wstring program(MAX_PATH, L'\0');
    DWORD length = static_cast<DWORD>(program.size());
    if (!assocQueryString ||
        assocQueryString(ASSOCF_NOTRUNCATE, ASSOCSTR_EXECUTABLE, L".html", L"open", program.data(), &length) != S_OK)
        return {};
    program.resize(wcsnlen(program.c_str(), program.size()));
    return program;
}

}  // namespace

CDialog* DialogToAsk()
{
    for (HWND start : {GetCapture(), GetFocus()}) {
        if (CDialog* dialog = DialogOf(start))
            return dialog;
    }
    if (CDialog* running = InnermostModalDialog())
        return running;
    return dynamic_cast<CDialog*>(AfxGetMainWnd());
}

// file:///C:/dir/yoruka.html#topic, with every byte outside the plain ones
// percent-encoded.
std::string HelpFileUrl(const std::string& path, unsigned long topic)
{
    std::string url = "file:///";
    for (const unsigned char c : path) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '.' || c == '_' || c == '~' || c == ':' || c == '/';
        if (c == '\\') {
            url += '/';
        } else if (plain) {
            url += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            url += escaped;
        }
    }
    return url + "#" + std::to_string(topic);
}

bool OpenUrlInBrowser(const std::string& url)
{
    static const auto shellExecute = win32::SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute)
        return false;
    const std::wstring address = win32::WideFromUtf8(url);
    const std::wstring browser = HtmlBrowser();
    // Percent-encoded, so the address holds no quote or blank.
    const HINSTANCE started = browser.empty()
        ? shellExecute(nullptr, L"open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL)
        : shellExecute(nullptr, L"open", browser.c_str(), (L"\"" + address + L"\"").c_str(), nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(started) > 32;
}

// In UTF-16: a narrow path would be read in the ANSI code page.
bool IsRegularFile(const std::string& path)
{
    const DWORD attributes = GetFileAttributesW(win32::WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace fw

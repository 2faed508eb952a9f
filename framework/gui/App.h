// The application object and the process entry. The toolkit starts only
// with the first window, so a start that ends at once (an argument, a second
// copy) never opens a display connection.
#pragma once

#include <string>

#include "core/Text.h"
#include "gui/Wnd.h"

namespace fw {

class CWinApp : public CCmdTarget {
public:
    CWinApp();
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Called once by AfxWinMain with the values below set. The program's
    // windows are modal, so there is no message loop after it returns.
    virtual bool InitInstance();
    // The process's exit status: the code of the last PostQuitMessage.
    virtual int ExitInstance();

    HICON LoadIcon(int id) const { return LoadIconResource(id); }

    // The default command table: ID_HELP runs OnHelp.
    std::span<const CommandEntry> CommandMap() const override;
    // Help for the dialog the user is in: the one with the mouse capture or
    // the focus (or their owners), else the main window's active pop-up;
    // its topic is HID_BASE_RESOURCE + its template number.
    void OnHelp();
    // Opens the help file at `topic`; says "ﾍﾙﾌﾟの起動に失敗しました。" when
    // there is no help file or no browser starts.
    virtual void WinHelp(unsigned long topic);

    ByteString m_commandTail;   // the arguments after the program's name, CP932
    ByteString m_exeName;       // the program file's base name without extension, CP932
    ByteString m_appTitle;      // the caption of message boxes: m_exeName
    std::string m_programPath;  // the program's name as the command line gives it (argv[0])
    std::string m_programFile;  // the running program file, file-system bytes
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
CWnd* AfxGetMainWnd();

// Fills the application object's values from the command line and the
// program file, then runs InitInstance and ExitInstance; returns the exit
// status. Qt is not started here.
int AfxWinMain(CWinApp& app, int argc, char** argv);

// Starts the toolkit if it is not running yet (a QApplication made by a test
// is taken as it is) and sets up fonts, session-end handling and input
// routing once.
void EnsureToolkit();

// Ends every running modal loop, innermost first; each still destroys its
// window through OnDestroy. The code becomes the exit status.
void PostQuitMessage(int exitCode);

}  // namespace fw

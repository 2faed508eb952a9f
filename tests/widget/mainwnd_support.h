// What the countdown window's tests share: the world it opens in (program
// resources, an application whose program path lies in a fresh directory so
// that yrk.ini lands there, UTC and a clock the test sets), and the window
// itself with a test's steps run inside its modal loop.
#pragma once

#include <QImage>
#include <QWidget>
#include <QWindow>

#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "core/Clock.h"
#include "core/Resources.h"
#include "gui/App.h"
#include "gui/qt/QtHandles_p.h"
#include "gui/Wnd.h"
#include "mainwnd/MainDlg.h"
#include "patience.h"
#include "tests/support/TempDir.h"

namespace mainwnd_test {

// Seconds since the epoch of a UTC date and time.
std::time_t Utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// CP932 to UTF-8, so that expectations read as the window shows them.
std::string Utf8(const fw::ByteString& text);

class MainWindowWorld {
public:
    explicit MainWindowWorld(std::time_t now);
    ~MainWindowWorld();
    MainWindowWorld(const MainWindowWorld&) = delete;
    MainWindowWorld& operator=(const MainWindowWorld&) = delete;

    void SetNow(std::time_t now) { m_now = now; }

    std::string IniPath() const { return m_dir.file("yrk.ini"); }
    bool IniExists() const;
    // Writes a section "YRK" with the given "KEY=value" lines (UTF-8, stored as CP932).
    void WriteIni(std::initializer_list<std::string> lines) const;
    // The value of `key` in the file, nullopt when the file or the key is absent.
    std::optional<std::string> IniValue(const std::string& key) const;

private:
    struct Zone;

    TempDir m_dir;
    std::unique_ptr<Zone> m_zone;
    fw::CWinApp m_app;
    const fw::ResourceTable* m_previousResources;
    std::time_t m_now;
    std::unique_ptr<fw::ClockOverride> m_clock;
};

inline constexpr int kGaveUp = -99;

// CMainDlg as the program runs it, counting its paints and timer ticks.
// `whileRunning` runs once the modal loop runs and the first paint has
// happened; the window ends itself after patience::kGiveUpMs so that a
// broken test fails instead of hanging.
class TestMainDlg : public CMainDlg {
public:
    using Step = std::function<void(TestMainDlg&)>;

    Step whileRunning;
    std::function<void(TestMainDlg&, unsigned type)> afterSize;
    int paints = 0;
    int ticks = 0;
    bool gaveUp = false;

    QWidget* Widget() const { return fw::WidgetOf(*this); }
    QWindow* Window() const { return fw::WidgetOf(*this)->windowHandle(); }
    // The handlers as the framework reaches them.
    fw::CWnd& Wnd() { return *this; }
    QWidget* Control(int id) const;
    // The control's picture as it shows on the screen.
    QImage Grab(int id) const;
    fw::CRect WindowRect() const;

protected:
    bool OnInitDialog() override;
    void OnPaint() override;
    void OnTimer(unsigned id) override;
    void OnSize(unsigned type, int cx, int cy) override;
};

// Lets the window's own timer tick once more; false if it never does.
bool NextTick(TestMainDlg& window);

// A test case prints as its name (bring it into the cases' namespace).
template <typename Case>
    requires requires(const Case& c) { c.name; }
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

// Lets the event loop run for `ms` milliseconds.
void Pump(int ms);

}  // namespace mainwnd_test

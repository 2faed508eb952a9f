#include "mainwnd_support.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include <chrono>
#include <sstream>

#include "res/Resources.h"

namespace mainwnd_test {

std::time_t Utc(int year, int month, int day, int hour, int minute, int second)
{
    using namespace std::chrono;
    const sys_days date = year_month_day{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                         std::chrono::day(static_cast<unsigned>(day))};
    return system_clock::to_time_t(date + hours(hour) + minutes(minute) + seconds(second));
}

std::string Utf8(const fw::ByteString& text)
{
    return fw::cp932::ToUtf8(text);
}

// TZ set to UTC for the world's life, with tzset() after each change.
struct MainWindowWorld::Zone {
    struct Retzset {
        ~Retzset() { ::tzset(); }
    } retzset;   // destroyed after `guard` has put TZ back
    EnvGuard guard{"TZ", std::string("UTC0")};

    Zone() { ::tzset(); }
};

MainWindowWorld::MainWindowWorld(std::time_t now)
    : m_zone(std::make_unique<Zone>()), m_previousResources(fw::Resources()), m_now(now)
{
    m_app.m_programPath = m_dir.file("yoruka");
    fw::SetResources(&ProgramResources());
    m_clock = std::make_unique<fw::ClockOverride>([this] { return m_now; });
}

MainWindowWorld::~MainWindowWorld()
{
    m_clock.reset();
    fw::SetResources(m_previousResources);
}

bool MainWindowWorld::IniExists() const
{
    return std::filesystem::exists(IniPath());
}

void MainWindowWorld::WriteIni(std::initializer_list<std::string> lines) const
{
    std::string text = "[YRK]\n";
    for (const std::string& line : lines)
        text += fw::cp932::FromUtf8(line) + "\n";
    WriteBytes(IniPath(), text);
}

std::optional<std::string> MainWindowWorld::IniValue(const std::string& key) const
{
    if (!IniExists())
        return std::nullopt;
    std::istringstream in(ReadBytes(IniPath()));
    const std::string prefix = key + "=";
    for (std::string line; std::getline(in, line);) {
        if (line.rfind(prefix, 0) == 0)
            return Utf8(line.substr(prefix.size()));
    }
    return std::nullopt;
}

QWidget* TestMainDlg::Control(int id) const
{
    const fw::CWnd* item = GetDlgItem(id);
    return item ? fw::WidgetOf(item) : nullptr;
}

QImage TestMainDlg::Grab(int id) const
{
    QWidget* control = Control(id);
    return control ? control->grab().toImage().convertToFormat(QImage::Format_RGB32) : QImage();
}

fw::CRect TestMainDlg::WindowRect() const
{
    fw::CRect rect;
    GetWindowRect(&rect);
    return rect;
}

bool TestMainDlg::OnInitDialog()
{
    const bool focus = CMainDlg::OnInitDialog();
    QTimer::singleShot(patience::kGiveUpMs, Widget(), [this] {
        gaveUp = true;
        EndDialog(kGaveUp);
    });
    QTimer::singleShot(0, Widget(), [this] {
        if (!QTest::qWaitFor([this] { return paints > 0; }, patience::kWaitMs))
            ADD_FAILURE() << "the window never painted";
        if (whileRunning)
            whileRunning(*this);
    });
    return focus;
}

void TestMainDlg::OnPaint()
{
    ++paints;
    CMainDlg::OnPaint();
}

void TestMainDlg::OnTimer(unsigned id)
{
    ++ticks;
    CMainDlg::OnTimer(id);
}

bool NextTick(TestMainDlg& window)
{
    const int before = window.ticks;
    return QTest::qWaitFor([&] { return window.ticks > before; }, patience::kWaitMs);
}

void TestMainDlg::OnSize(unsigned type, int cx, int cy)
{
    CMainDlg::OnSize(type, cx, cy);
    if (afterSize)
        afterSize(*this, type);
}

void Pump(int ms)
{
    QTest::qWait(ms);
}

}  // namespace mainwnd_test

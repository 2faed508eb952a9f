// What a window offers besides its geometry: timers, drawing contexts on
// its picture, its system menu, icons, and the screen it lives on.
#include <QGuiApplication>
#include <QScreen>
#include <QTimerEvent>
#include <QWidget>

#include <algorithm>

#include "gui/App.h"
#include "gui/qt/ControlWidgets_p.h"
#include "gui/qt/Dispatch_p.h"
#include "gui/qt/Icons_p.h"
#include "gui/qt/Toolkit_p.h"
#include "gui/qt/WndData_p.h"

namespace fw {

void WndData::timerEvent(QTimerEvent* event)
{
    for (const TimerSlot& slot : timers) {
        if (slot.timer.timerId() == event->timerId()) {
            dispatch::Timer(wnd, slot.id);
            return;
        }
    }
}

unsigned CWnd::SetTimer(unsigned id, unsigned milliseconds)
{
    if (!m_data)
        return 0;
    auto found = std::find_if(m_data->timers.begin(), m_data->timers.end(),
                              [id](const TimerSlot& slot) { return slot.id == id; });
    if (found == m_data->timers.end()) {
        m_data->timers.push_back(TimerSlot{id, {}});
        found = m_data->timers.end() - 1;
    }
    // Precise: a 500 ms tick must not drift past half a second.
    found->timer.start(static_cast<int>(milliseconds), Qt::PreciseTimer, m_data.get());
    return id;
}

bool CWnd::KillTimer(unsigned id)
{
    if (!m_data)
        return false;
    auto& timers = m_data->timers;
    const auto found = std::find_if(timers.begin(), timers.end(), [id](const TimerSlot& slot) { return slot.id == id; });
    if (found == timers.end())
        return false;
    timers.erase(found);
    return true;
}

CDC* CWnd::GetDC()
{
    if (!m_data)
        return nullptr;
    m_data->contexts.push_back(std::make_unique<CClientDC>(this));
    return m_data->contexts.back().get();
}

int CWnd::ReleaseDC(CDC* dc)
{
    if (!m_data)
        return 0;
    auto& contexts = m_data->contexts;
    const auto found = std::find_if(contexts.begin(), contexts.end(), [dc](const auto& held) { return held.get() == dc; });
    if (found == contexts.end())
        return 0;
    contexts.erase(found);
    return 1;
}

CMenu* CWnd::GetSystemMenu(bool revert)
{
    if (!m_data || !IsTopLevel() || !WidgetOf(*this)->windowFlags().testFlag(Qt::WindowSystemMenuHint))
        return nullptr;
    if (revert || !m_data->systemMenu) {
        const bool minimiseBox = WidgetOf(*this)->windowFlags().testFlag(Qt::WindowMinimizeButtonHint);
        m_data->systemMenu = MakeDefaultSystemMenu(minimiseBox);
    }
    return revert ? nullptr : m_data->systemMenu.get();
}

HICON CWnd::SetIcon(HICON icon, bool /*bigIcon: one icon serves every size here*/)
{
    if (!m_hwnd || !IsTopLevel())
        return nullptr;
    WidgetOf(*this)->setWindowIcon(icon ? IconFromResource(*icon) : QIcon());
    return std::exchange(m_data->icon, icon);
}

CRect GetDesktopRect()
{
    EnsureToolkit();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? FromQRect(screen->geometry()) : CRect{};
}

CRect GetWorkArea()
{
    EnsureToolkit();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? FromQRect(screen->availableGeometry()) : CRect{};
}

bool CanKnowWindowPosition()
{
    EnsureToolkit();
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

CPaintDC::CPaintDC(CWnd* /*wnd*/) {}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd* wnd)
{
    QWidget* widget = wnd ? WidgetOf(wnd) : nullptr;
    if (QImage* picture = PictureOf(widget)) {
        SetSurface(HandleOfImage(picture));
        SetShowTarget(HandleOfWidget(widget));
    }
}

CClientDC::~CClientDC() = default;

}  // namespace fw

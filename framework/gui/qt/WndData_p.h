// What a window holds while it exists: its timers, system menu, handed-out
// drawing contexts, input state and the message being handled.
#pragma once

#include <QBasicTimer>
#include <QObject>

#include <memory>
#include <vector>

#include "gui/Menu.h"
#include "gui/Wnd.h"

namespace fw {

// The message whose handler runs now, so that Default() can finish it.
struct CurrentMessage {
    enum class Kind { none, paint, timer, size, sysCommand, close, destroy, queryEndSession, contextMenu, lButtonDown };
    CurrentMessage() = default;
    explicit CurrentMessage(Kind k, unsigned first = 0, long second = 0, int px = 0, int py = 0, CWnd* wnd = nullptr)
        : kind(k), a(first), b(second), x(px), y(py), other(wnd)
    {
    }

    Kind kind = Kind::none;
    unsigned a = 0;        // id, type or flags
    long b = 0;            // lParam
    int x = 0, y = 0;      // size or point
    CWnd* other = nullptr;
};

struct TimerSlot {
    unsigned id;
    QBasicTimer timer;
};

struct WndData : QObject {
    explicit WndData(CWnd& owner) : wnd(owner) {}

    CWnd& wnd;
    std::vector<TimerSlot> timers;
    std::unique_ptr<CMenu> systemMenu;
    std::vector<std::unique_ptr<CDC>> contexts;
    CurrentMessage current;
    HICON icon = nullptr;
    bool inputDisabled = false;      // a top-level window that takes no input
    bool minimisingByCommand = false;
    bool restoringByCommand = false;

protected:
    void timerEvent(QTimerEvent* event) override;
};

struct WndAccess {
    static WndData* Data(const CWnd& wnd) { return wnd.m_data.get(); }
};

// Runs a handler with its message recorded as the current one.
class MessageScope {
public:
    MessageScope(CWnd& wnd, const CurrentMessage& message);
    ~MessageScope();
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;

private:
    WndData* m_data;
    CurrentMessage m_saved;
};

// The platform's system menu of a window: Restore, Move, Size, Minimise,
// Maximise, a separator and Close.
std::unique_ptr<CMenu> MakeDefaultSystemMenu(bool hasMinimiseBox);

// Shows the window's system menu at its top-left corner and sends the
// chosen item to OnSysCommand.
void ShowSystemMenu(CWnd& wnd);

}  // namespace fw

// What the dialogs' tests share: the program's resources, a clock fixed at
// a UTC moment, message boxes answered and recorded, a dialog run with a
// test's steps inside its modal loop, and typing into its fields.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <chrono>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/Resources.h"
#include "gui/App.h"
#include "gui/Dialog.h"
#include "gui/Menu.h"
#include "gui/MessageBox.h"
#include "gui/qt/QtHandles_p.h"
#include "patience.h"
#include "res/Resources.h"
#include "tests/support/TempDir.h"

namespace dialogs_test {

inline constexpr int kGaveUp = -99;

inline std::string Utf8(const fw::ByteString& text) { return fw::cp932::ToUtf8(text); }

// The program's resources and a UTC clock at `now` for the object's life.
class DialogWorld {
public:
    explicit DialogWorld(std::time_t now)
        : m_zone("TZ", std::string("UTC0")), m_previous(fw::Resources()), m_now(now),
          m_clock([this] { return m_now; })
    {
        ::tzset();
        fw::SetResources(&ProgramResources());
    }
    ~DialogWorld() { fw::SetResources(m_previous); }
    DialogWorld(const DialogWorld&) = delete;
    DialogWorld& operator=(const DialogWorld&) = delete;

    void SetNow(std::time_t now) { m_now = now; }

private:
    struct Retzset {
        ~Retzset() { ::tzset(); }
    } m_retzset;   // destroyed after m_zone has put TZ back
    EnvGuard m_zone;
    const fw::ResourceTable* m_previous;
    std::time_t m_now;
    fw::ClockOverride m_clock;
};

// Seconds since the epoch of a UTC date at noon.
inline std::time_t UtcNoon(int year, unsigned month, unsigned day)
{
    using namespace std::chrono;
    const sys_days date = year_month_day{std::chrono::year(year), std::chrono::month(month), std::chrono::day(day)};
    return system_clock::to_time_t(date + hours(12));
}

// Every message box is answered with OK and its text kept, in UTF-8. Like
// a real box, each takes the focus from the field that has it while it is
// up and then gives it back.
class MessageBoxes {
public:
    MessageBoxes()
    {
        fw::SetMessageBoxHook([this](const fw::MessageBoxCall& call) {
            texts.push_back(Utf8(call.text));
            if (QWidget* focused = QApplication::focusWidget()) {
                focused->clearFocus();
                focused->setFocus(Qt::ActiveWindowFocusReason);
            }
            return static_cast<int>(fw::IDOK);
        });
    }
    ~MessageBoxes() { fw::SetMessageBoxHook({}); }
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    std::vector<std::string> Take()
    {
        std::vector<std::string> taken;
        taken.swap(texts);
        return taken;
    }

    std::vector<std::string> texts;
};

// Runs `steps` once the dialog's modal loop runs; the dialog ends itself
// after patience::kGiveUpMs so that a broken test fails instead of hanging.
template <typename Dialog>
int RunWith(Dialog& dialog, std::function<void(Dialog&)> steps)
{
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        if (!QTest::qWaitFor([&] { return fw::WidgetOf(dialog) && dialog.IsWindowVisible(); }, patience::kWaitMs))
            ADD_FAILURE() << "the dialog never showed";
        steps(dialog);
    });
    QTimer::singleShot(patience::kGiveUpMs, &guard, [&] { dialog.EndDialog(kGaveUp); });
    return dialog.DoModal();
}

// Every pop-up menu is answered with `choice` (0: nothing chosen), and what
// was asked kept: the point, the items' commands and the owner.
class PopupMenus {
public:
    struct Seen {
        fw::CPoint at;
        std::vector<unsigned> items;
        const fw::CWnd* owner;
    };

    explicit PopupMenus(unsigned choice = 0) : m_choice(choice)
    {
        fw::SetPopupMenuHook([this](const fw::PopupMenuCall& call) {
            std::vector<unsigned> items;
            for (int i = 0; i < call.menu->GetMenuItemCount(); ++i)
                items.push_back(call.menu->GetMenuItemID(i));
            seen.push_back({call.at, items, call.owner});
            return m_choice;
        });
    }
    ~PopupMenus() { fw::SetPopupMenuHook({}); }
    PopupMenus(const PopupMenus&) = delete;
    PopupMenus& operator=(const PopupMenus&) = delete;

    void Choose(unsigned choice) { m_choice = choice; }

    std::vector<Seen> seen;

private:
    unsigned m_choice;
};

// The open dialog of class `Dialog`, or null.
template <typename Dialog>
Dialog* OpenDialog()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = dynamic_cast<Dialog*>(fw::WndOf(widget)); dialog && widget->isVisible())
            return dialog;
    }
    return nullptr;
}

// Runs `steps` on the next dialog of class `Dialog` that opens (from a
// command given after this call); false is left in `opened` when none does.
template <typename Dialog>
void WhenOpen(QObject* context, bool& opened, std::function<void(Dialog&)> steps)
{
    opened = false;
    QTimer::singleShot(0, context, [&opened, steps] {
        (void)QTest::qWaitFor([] { return OpenDialog<Dialog>() != nullptr; }, patience::kWaitMs);
        if (Dialog* dialog = OpenDialog<Dialog>()) {
            opened = true;
            steps(*dialog);
        }
    });
    QTimer::singleShot(patience::kGiveUpMs, context, [] {
        if (Dialog* dialog = OpenDialog<Dialog>())
            dialog->EndDialog(kGaveUp);
    });
}

inline QWindow* Window(const fw::CWnd& wnd)
{
    return fw::WidgetOf(wnd)->windowHandle();
}

inline QWidget* Control(const fw::CDialog& dialog, int id)
{
    const fw::CWnd* item = dialog.GetDlgItem(id);
    return item ? fw::WidgetOf(item) : nullptr;
}

inline std::string Text(const fw::CDialog& dialog, int id)
{
    return Utf8(dialog.GetDlgItemText(id));
}

inline fw::CRect WindowRect(const fw::CWnd& wnd)
{
    fw::CRect rect;
    wnd.GetWindowRect(&rect);
    return rect;
}

inline int FocusedId(const fw::CDialog& dialog)
{
    const fw::CWnd* focused = fw::WndOf(fw::WidgetOf(dialog)->focusWidget());
    return focused ? focused->GetDlgCtrlID() : 0;
}

// Puts the focus on the field and replaces its whole text by typing.
inline void Type(fw::CDialog& dialog, int id, const std::string& utf8)
{
    dialog.GetDlgItem(id)->SetFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(Control(dialog, id)))
        edit->selectAll();
    QTest::keyClick(Window(dialog), Qt::Key_Delete);
    for (const QChar ch : QString::fromStdString(utf8)) {
        const auto key = ch.unicode() < 0x80 ? Qt::Key(ch.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, Window(dialog), key, QString(ch), Qt::NoModifier);
    }
}

// Types into the field, then leaves it with Tab.
inline void TypeAndLeave(fw::CDialog& dialog, int id, const std::string& utf8)
{
    Type(dialog, id, utf8);
    QTest::keyClick(Window(dialog), Qt::Key_Tab);
}

inline void Click(const fw::CDialog& dialog, int id)
{
    QTest::mouseClick(Control(dialog, id), Qt::LeftButton);
}

// The spin's buddy takes the Up or Down key as a step.
inline void Step(fw::CDialog& dialog, int buddyId, Qt::Key key)
{
    dialog.GetDlgItem(buddyId)->SetFocus();
    QTest::keyClick(Window(dialog), key);
}

// A stand-in countdown window (the main window's template, 231 x 218 at
// `at`) that the application names as its main window, with `steps` run
// inside its modal loop.
inline void RunOverMainWindow(fw::CPoint at, std::function<void(fw::CDialog& main)> steps)
{
    fw::CWinApp app;
    fw::CDialog mainWindow(res::IDD_MAIN);
    app.m_pMainWnd = &mainWindow;
    RunWith<fw::CDialog>(mainWindow, [&](fw::CDialog& main) {
        main.MoveWindow(at.x, at.y, 231, 218);
        steps(main);
        main.EndDialog(2);
    });
}

}  // namespace dialogs_test

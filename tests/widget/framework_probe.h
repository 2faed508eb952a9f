// A dialog for the framework's widget tests: it records the messages it
// gets, runs a test's steps once its modal loop is running, and ends itself
// after a few seconds so that a broken test fails instead of hanging.
#pragma once

#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/DialogTemplate.h"
#include "gui/Dialog.h"

namespace probe {

inline constexpr int kPlainDialog = 9001;    // hidden template: centred by the framework
inline constexpr int kMainLikeDialog = 9002; // visible template with a minimise box
inline constexpr int kContextMenu = 9100;
inline constexpr int kIcon = 9200;

inline constexpr int kLabel = 1000;
inline constexpr int kButton = 1001;
inline constexpr int kEdit = 1002;
inline constexpr int kFrame = 1003;
inline constexpr int kProgress = 1004;
inline constexpr int kNavyLabel = 1005;
inline constexpr int kIconStatic = 1006;

inline constexpr int kGaveUp = -99;

const fw::ResourceTable& Resources();

// Installs the test resources for the life of the object.
class ResourceScope {
public:
    ResourceScope() : m_previous(fw::Resources()) { fw::SetResources(&Resources()); }
    ~ResourceScope() { fw::SetResources(m_previous); }

private:
    const fw::ResourceTable* m_previous;
};

class ProbeDialog : public fw::CDialog {
public:
    using Step = std::function<void(ProbeDialog&)>;

    explicit ProbeDialog(int templateId = kPlainDialog, fw::CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    QWidget* Widget() const { return GetSafeHwnd(); }
    QWindow* Window() const { return GetSafeHwnd()->windowHandle(); }
    // Runs `step` after `ms` milliseconds while the window exists.
    void Later(int ms, Step step)
    {
        QTimer::singleShot(ms, Widget(), [this, step] { step(*this); });
    }

    Step onInit;
    Step whileRunning;
    std::function<void(ProbeDialog&, unsigned)> onTimer;
    bool endSessionAnswer = true;
    bool consumeKeys = false;
    std::vector<std::string> log;
    int paints = 0;
    int ticks = 0;

    bool OnInitDialog() override
    {
        const bool focusFirst = CDialog::OnInitDialog();
        Later(5000, [](ProbeDialog& self) {
            self.log.push_back("gave up");
            self.EndDialog(kGaveUp);
        });
        if (onInit)
            onInit(*this);
        if (whileRunning)
            Later(0, whileRunning);
        return focusFirst;
    }

    std::span<const fw::CommandEntry> CommandMap() const override
    {
        static const fw::CommandEntry map[] = {fw::CommandHandler<&ProbeDialog::OnButton>(kButton)};
        return map;
    }

    void OnButton()
    {
        log.push_back("button");
        EndDialog(7);
    }

    bool PreTranslateMessage(const fw::KeyMessage& key) override
    {
        log.push_back("key " + std::to_string(key.vk));
        return consumeKeys;
    }

    void OnPaint() override
    {
        ++paints;
        CDialog::OnPaint();
    }

    void OnTimer(unsigned id) override
    {
        ++ticks;
        if (onTimer)
            onTimer(*this, id);
    }

    void OnSize(unsigned type, int cx, int cy) override
    {
        log.push_back("size " + std::to_string(type) + " " + std::to_string(cx) + "x" + std::to_string(cy));
    }

    void OnSysCommand(unsigned id, long lParam) override
    {
        log.push_back("sys " + std::to_string(id));
        CDialog::OnSysCommand(id, lParam);
    }

    void OnDestroy() override { log.push_back("destroy"); }

    bool OnQueryEndSession() override
    {
        log.push_back("query end");
        return endSessionAnswer;
    }

    fw::HBRUSH OnCtlColor(fw::CDC* dc, fw::CWnd* control, unsigned ctlColor) override
    {
        const fw::HBRUSH brush = CDialog::OnCtlColor(dc, control, ctlColor);
        if (ctlColor == fw::CTLCOLOR_STATIC && control && control->GetDlgCtrlID() == kNavyLabel)
            dc->SetTextColor(fw::RGB(0, 0, 128));
        return brush;
    }

    void OnContextMenu(fw::CWnd* /*wnd*/, fw::CPoint point) override
    {
        log.push_back("context " + std::to_string(point.x) + "," + std::to_string(point.y));
    }

    void OnLButtonDown(unsigned /*flags*/, fw::CPoint point) override
    {
        log.push_back("click " + std::to_string(point.x) + "," + std::to_string(point.y));
    }
};

}  // namespace probe

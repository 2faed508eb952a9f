// A dialog for the framework's widget tests: it records the messages it
// gets, runs a test's steps once its modal loop is running, and ends itself
// after patience::kGiveUpMs so that a broken test fails instead of hanging.
#pragma once

#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "core/Resources.h"
#include "gui/Controls.h"
#include "gui/DataExchange.h"
#include "gui/Dialog.h"
#include "gui/qt/QtHandles_p.h"
#include "patience.h"

namespace probe {

inline constexpr int kPlainDialog = 9001;    // hidden template: centred by the framework
inline constexpr int kMainLikeDialog = 9002; // visible template with a minimise box
inline constexpr int kContextMenu = 9100;
inline constexpr int kIcon = 9200;
inline constexpr int kFieldsDialog = 9003;   // edits, spins and a check box for the field exchange

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

    QWidget* Widget() const { return fw::WidgetOf(*this); }
    QWindow* Window() const { return fw::WidgetOf(*this)->windowHandle(); }
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
        Later(patience::kGiveUpMs, [](ProbeDialog& self) {
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

// The fields of kFieldsDialog: two number fields with spins, a title, a
// signed count and a check box. Its notification handlers log what reaches them.
inline constexpr int kYear = 1100;
inline constexpr int kYearSpin = 1101;
inline constexpr int kDay = 1102;
inline constexpr int kDaySpin = 1103;
inline constexpr int kTitle = 1104;
inline constexpr int kCount = 1105;
inline constexpr int kCheck = 1106;
inline constexpr int kPush = 1107;

class FieldsDialog : public ProbeDialog {
public:
    FieldsDialog() : ProbeDialog(kFieldsDialog) {}

    std::uint32_t year = 2000;
    std::uint32_t day = 15;
    fw::ByteString title;
    std::int32_t count = 0;
    int check = 0;
    fw::CEdit yearEdit;
    fw::CSpinButtonCtrl yearSpin;
    fw::CSpinButtonCtrl daySpin;
    // Runs inside the exchange after the fields (to make it fail).
    std::function<void()> afterFields;
    // Runs in the day spin's "about to step" handler.
    std::function<void(FieldsDialog&)> onDayStep;
    // Runs in the year field's focus-loss handler.
    std::function<void(FieldsDialog&)> onYearKillFocus;
    // Runs in the count field's text-change handler.
    std::function<void(FieldsDialog&)> onCountChange;

    std::span<const fw::CommandEntry> CommandMap() const override
    {
        static const fw::CommandEntry map[] = {
            fw::CommandHandler<&FieldsDialog::OnKillFocusYear>(kYear, fw::EN_KILLFOCUS),
            fw::CommandHandler<&FieldsDialog::OnKillFocusDay>(kDay, fw::EN_KILLFOCUS),
            fw::CommandHandler<&FieldsDialog::OnSetFocusDay>(kDay, fw::EN_SETFOCUS),
            fw::CommandHandler<&FieldsDialog::OnChangeCount>(kCount, fw::EN_CHANGE),
            fw::CommandHandler<&FieldsDialog::OnChangeDay>(kDay, fw::EN_CHANGE),
            fw::CommandHandler<&FieldsDialog::OnDeltaPosDay>(kDaySpin, fw::UDN_DELTAPOS),
            fw::CommandHandler<&FieldsDialog::OnCheck>(kCheck, fw::BN_CLICKED),
            fw::CommandHandler<&FieldsDialog::OnPush>(kPush),
        };
        return map;
    }

    void OnOK() override
    {
        log.push_back("ok");
        CDialog::OnOK();
    }

protected:
    void DoDataExchange(fw::CDataExchange* pDX) override
    {
        fw::DDX_Control(pDX, kYear, yearEdit);
        fw::DDX_Control(pDX, kYearSpin, yearSpin);
        fw::DDX_Control(pDX, kDaySpin, daySpin);
        fw::DDX_Text(pDX, kYear, year);
        fw::DDV_MinMaxUInt(pDX, year, 1999, 2010);
        fw::DDX_Text(pDX, kDay, day);
        fw::DDV_MinMaxUInt(pDX, day, 1, 31);
        fw::DDX_Text(pDX, kTitle, title);
        fw::DDV_MaxChars(pDX, title, 34);
        fw::DDX_Text(pDX, kCount, count);
        fw::DDX_Check(pDX, kCheck, check);
        if (afterFields)
            afterFields();
    }

private:
    void OnKillFocusYear()
    {
        log.push_back("kill year");
        if (onYearKillFocus)
            onYearKillFocus(*this);
    }
    void OnKillFocusDay() { log.push_back("kill day"); }
    void OnSetFocusDay() { log.push_back("focus day"); }
    void OnChangeCount()
    {
        log.push_back("change count");
        if (onCountChange)
            onCountChange(*this);
    }
    void OnChangeDay() { log.push_back("change day"); }
    void OnDeltaPosDay()
    {
        log.push_back("step day");
        if (onDayStep)
            onDayStep(*this);
    }
    void OnCheck() { log.push_back("check"); }
    void OnPush() { log.push_back("push"); }
};

}  // namespace probe

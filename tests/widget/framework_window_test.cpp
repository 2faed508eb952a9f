// Windows as the program's handlers see them: template geometry, the system
// menu, minimising, placement, drawing into frame statics, control colours,
// the progress bar, pop-up menus and message boxes.
#include <gtest/gtest.h>

#include <QTest>

#include <set>

#include "framework_probe.h"
#include "gui/App.h"
#include "gui/Menu.h"
#include "gui/MessageBox.h"
#include "gui/ProgressCtrl.h"

namespace {

using probe::ProbeDialog;

class FrameworkWindow : public ::testing::Test {
protected:
    void TearDown() override
    {
        fw::SetPopupMenuHook({});
        fw::SetMessageBoxHook({});
    }

    probe::ResourceScope resources;
};

// Runs `check` on a main-like window once its loop runs, then ends it.
void WithMainLikeWindow(const std::function<void(ProbeDialog&)>& check)
{
    ProbeDialog dialog(probe::kMainLikeDialog);
    dialog.whileRunning = [&check](ProbeDialog& self) {
        check(self);
        self.EndDialog(1);
    };
    ASSERT_EQ(dialog.DoModal(), 1);
}

QImage Grab(fw::CWnd& wnd)
{
    return fw::WidgetOf(wnd)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int CountColour(const QImage& image, QRgb colour, int fromX = 0, int toX = -1)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromX; x < (toX < 0 ? image.width() : toX); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

TEST_F(FrameworkWindow, TemplateBecomesPixels)
{
    WithMainLikeWindow([](ProbeDialog& self) {
        fw::CRect client;
        self.GetClientRect(&client);
        EXPECT_EQ(client, (fw::CRect{0, 0, 228, 254}));
        EXPECT_EQ(fw::WidgetOf(self.GetDlgItem(probe::kFrame))->geometry(), QRect(8, 113, 210, 38));
        EXPECT_EQ(self.GetWindowText(), fw::cp932::FromUtf8("メイン"));
    });
}

TEST_F(FrameworkWindow, FaceNamesMapToTheInstalledJapaneseFonts)
{
    WithMainLikeWindow([](ProbeDialog& self) {
        const QFontInfo dialogFont(self.Widget()->font());
        EXPECT_EQ(dialogFont.family(), QStringLiteral("IPAMincho"));
        EXPECT_EQ(dialogFont.pixelSize(), 12);
    });
    for (const auto& [face, installed] : {std::pair{"ＭＳ Ｐゴシック", "IPAPGothic"}, std::pair{"ＭＳ ゴシック", "IPAGothic"},
                                          std::pair{"ＭＳ 明朝", "IPAMincho"}})
        EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8(face))).family(), QString::fromLatin1(installed)) << face;
}

TEST_F(FrameworkWindow, IconResourceShowsInTheIconStaticAndAsTheWindowIcon)
{
    ProbeDialog dialog;
    dialog.whileRunning = [](ProbeDialog& self) {
        const QImage icon = Grab(*self.GetDlgItem(probe::kIconStatic));
        EXPECT_EQ(icon.size(), QSize(32, 32));
        EXPECT_EQ(icon.pixel(0, 0), qRgb(255, 0, 0));
        EXPECT_EQ(icon.pixel(1, 1), qRgb(255, 255, 255));
        EXPECT_TRUE(self.Widget()->windowIcon().isNull());
        self.SetIcon(fw::LoadIconResource(probe::kIcon), true);
        EXPECT_FALSE(self.Widget()->windowIcon().isNull());
        self.EndDialog(1);
    };
    EXPECT_EQ(dialog.DoModal(), 1);
}

TEST_F(FrameworkWindow, SystemMenuStartsWithThePlatformsSevenItems)
{
    WithMainLikeWindow([](ProbeDialog& self) {
        fw::CMenu* menu = self.GetSystemMenu(false);
        ASSERT_NE(menu, nullptr);
        std::vector<unsigned> ids;
        for (int i = 0; i < menu->GetMenuItemCount(); ++i)
            ids.push_back(menu->GetMenuItemID(i));
        EXPECT_EQ(ids, (std::vector<unsigned>{fw::SC_RESTORE, fw::SC_MOVE, fw::SC_SIZE, fw::SC_MINIMIZE,
                                              fw::SC_MAXIMIZE, 0, fw::SC_CLOSE}));
        EXPECT_EQ(self.GetSystemMenu(false), menu);
    });
}

TEST_F(FrameworkWindow, SystemMenuEditsByPositionAndCommand)
{
    WithMainLikeWindow([](ProbeDialog& self) {
        fw::CMenu& menu = *self.GetSystemMenu(false);
        const unsigned close = menu.GetMenuItemID(6);
        EXPECT_TRUE(menu.RemoveMenu(6, fw::MF_BYPOSITION));
        const unsigned minimise = menu.GetMenuItemID(3);
        EXPECT_TRUE(menu.RemoveMenu(3, fw::MF_BYPOSITION));
        for (unsigned position = 7; position-- > 0;)
            menu.DeleteMenu(position, fw::MF_BYPOSITION);
        EXPECT_EQ(menu.GetMenuItemCount(), 0);
        EXPECT_FALSE(menu.DeleteMenu(0, fw::MF_BYPOSITION));

        menu.AppendMenu(fw::MF_STRING, minimise, "min");
        menu.AppendMenu(fw::MF_STRING, close, "close");
        EXPECT_EQ(menu.EnableMenuItem(0, fw::MF_BYPOSITION | fw::MF_GRAYED), fw::MF_ENABLED);
        EXPECT_EQ(menu.EnableMenuItem(0, fw::MF_BYPOSITION | fw::MF_ENABLED), fw::MF_GRAYED);
        EXPECT_EQ(menu.EnableMenuItem(fw::SC_CLOSE, fw::MF_BYCOMMAND | fw::MF_GRAYED), fw::MF_ENABLED);
        EXPECT_EQ(menu.GetMenuState(1, fw::MF_BYPOSITION) & fw::MF_GRAYED, fw::MF_GRAYED);
        EXPECT_EQ(menu.EnableMenuItem(5, fw::MF_BYPOSITION | fw::MF_GRAYED), 0xFFFFFFFFu);
        EXPECT_TRUE(menu.RemoveMenu(fw::SC_MINIMIZE, fw::MF_BYCOMMAND));
        EXPECT_EQ(menu.GetMenuItemID(0), fw::SC_CLOSE);

        EXPECT_EQ(self.GetSystemMenu(true), nullptr);
        EXPECT_EQ(self.GetSystemMenu(false)->GetMenuItemCount(), 7);
    });
}

TEST_F(FrameworkWindow, AltSpaceShowsTheSystemMenuAtTheTopLeftAndSendsTheChoice)
{
    std::vector<fw::CPoint> shownAt;
    fw::SetPopupMenuHook([&shownAt](const fw::PopupMenuCall& call) {
        shownAt.push_back(call.at);
        return call.menu->GetMenuItemID(6);   // Close
    });
    ProbeDialog dialog(probe::kMainLikeDialog);
    fw::CRect frame;
    dialog.whileRunning = [&frame](ProbeDialog& self) {
        self.MoveWindow(40, 30, 231, 218);
        self.GetWindowRect(&frame);
        QTest::keyClick(self.Window(), Qt::Key_Space, Qt::AltModifier);
    };
    EXPECT_EQ(dialog.DoModal(), 2);
    ASSERT_EQ(shownAt.size(), 1u);
    EXPECT_EQ(shownAt[0], frame.TopLeft());
    EXPECT_EQ(dialog.log.back(), "destroy");
    EXPECT_EQ(dialog.log[dialog.log.size() - 2], "sys 61536");
}

TEST_F(FrameworkWindow, MinimiseFromOutsideReachesSysCommandBeforeSizeAndRestoreGivesSizeZero)
{
    std::vector<std::string> log;
    WithMainLikeWindow([&log](ProbeDialog& self) {
        self.log.clear();
        self.Widget()->setWindowState(Qt::WindowMinimized);   // as the window manager does it
        EXPECT_TRUE(self.IsIconic());
        self.Widget()->setWindowState(Qt::WindowNoState);
        log = self.log;
    });
    EXPECT_EQ(log, (std::vector<std::string>{"sys 61472", "size 1 0x0", "sys 61728", "size 0 228x254"}));
}

TEST_F(FrameworkWindow, MinimiseCommandMinimisesOnceAndMaximiseIsUndone)
{
    std::vector<std::string> log;
    WithMainLikeWindow([&log](ProbeDialog& self) {
        self.log.clear();
        self.OnSysCommand(fw::SC_MINIMIZE, 0);
        EXPECT_TRUE(self.IsIconic());
        self.Widget()->setWindowState(Qt::WindowNoState);
        self.Widget()->setWindowState(Qt::WindowMaximized);
        EXPECT_FALSE(self.Widget()->isMaximized());
        log = self.log;
    });
    EXPECT_EQ(log, (std::vector<std::string>{"sys 61472", "size 1 0x0", "sys 61728", "size 0 228x254", "sys 61488"}));
}

TEST_F(FrameworkWindow, MoveWindowTakesTheOuterSize)
{
    WithMainLikeWindow([](ProbeDialog& self) {
        self.log.clear();
        self.MoveWindow(10, 20, 231, 218);
        fw::CRect client;
        self.GetClientRect(&client);
        EXPECT_EQ(client, (fw::CRect{0, 0, 225, 193}));
        fw::CRect window;
        self.GetWindowRect(&window);
        EXPECT_EQ(window.TopLeft(), (fw::CPoint{10, 20}));
        self.MoveWindow(10, 20, 231, 88);
        self.GetClientRect(&client);
        EXPECT_EQ(client, (fw::CRect{0, 0, 225, 63}));
        EXPECT_EQ(self.Widget()->minimumSize(), self.Widget()->maximumSize());
        EXPECT_EQ(self.log, (std::vector<std::string>{"size 0 225x193", "size 0 225x63"}));
    });
}

TEST_F(FrameworkWindow, HiddenTemplateIsCentredOverItsOwnerOrInTheWorkArea)
{
    fw::CRect nestedRect;
    fw::CRect ownerRect;
    WithMainLikeWindow([&](ProbeDialog& owner) {
        owner.MoveWindow(100, 100, 231, 218);
        owner.GetWindowRect(&ownerRect);
        ProbeDialog nested;
        nested.whileRunning = [&nestedRect](ProbeDialog& self) {
            self.GetWindowRect(&nestedRect);
            self.EndDialog(1);
        };
        nested.DoModal();
    });
    const int centreX = (ownerRect.left + ownerRect.right) / 2;
    const int centreY = (ownerRect.top + ownerRect.bottom) / 2;
    EXPECT_LE(std::abs((nestedRect.left + nestedRect.right) / 2 - centreX), 1);
    EXPECT_LE(std::abs((nestedRect.top + nestedRect.bottom) / 2 - centreY), 1);

    ProbeDialog alone;
    alone.whileRunning = [&nestedRect](ProbeDialog& self) {
        self.GetWindowRect(&nestedRect);
        self.EndDialog(1);
    };
    alone.DoModal();
    // Without an owner the frame is unknown until the window shows, so the
    // centre may move by the frame's width.
    const fw::CRect work = fw::GetWorkArea();
    EXPECT_LE(std::abs((nestedRect.left + nestedRect.right) / 2 - (work.left + work.right) / 2), 3);
}

TEST_F(FrameworkWindow, FrameStaticKeepsItsPictureWithoutRepaintingTheDialog)
{
    WithMainLikeWindow([](ProbeDialog& self) {
        fw::CWnd* frame = self.GetDlgItem(probe::kFrame);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(self.Widget(), patience::kWaitMs));
        ASSERT_TRUE(QTest::qWaitFor([&self] { return self.paints > 0; }, patience::kWaitMs));
        QTest::qWait(20);   // and whatever the first paint posted
        const int paintsBefore = self.paints;
        fw::CDC* dc = frame->GetDC();
        fw::CBrush grey(fw::RGB(224, 224, 224));
        fw::CBrush* old = dc->SelectObject(&grey);
        fw::CRect area;
        frame->GetClientRect(&area);
        dc->Rectangle(area.left, area.top, area.right, area.bottom);
        dc->SelectObject(old);
        fw::CBrush pink(fw::RGB(255, 128, 160));
        dc->FillRect({5, 24, 49, 14}, &pink);
        frame->ReleaseDC(dc);
        QTest::qWait(20);   // a repaint asked for by the drawing would be posted, and run here
        EXPECT_EQ(self.paints, paintsBefore);

        for (int round = 0; round < 2; ++round) {
            const QImage picture = Grab(*frame);
            EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));
            EXPECT_EQ(picture.pixel(209, 37), qRgb(0, 0, 0));
            EXPECT_EQ(picture.pixel(1, 1), qRgb(224, 224, 224));
            EXPECT_EQ(CountColour(picture, qRgb(255, 128, 160)), 44 * 10);
            self.Widget()->repaint();
        }
    });
}

TEST_F(FrameworkWindow, StaticTextTakesItsColourFromOnCtlColor)
{
    WithMainLikeWindow([](ProbeDialog& self) {
        const QImage label = Grab(*self.GetDlgItem(probe::kNavyLabel));
        const QRgb background = label.pixel(0, 0);
        std::set<QRgb> colours;
        for (int y = 0; y < label.height(); ++y)
            for (int x = 0; x < label.width(); ++x)
                colours.insert(label.pixel(x, y));
        EXPECT_EQ(colours, (std::set<QRgb>{background, qRgb(0, 0, 128)}));
    });
}

TEST_F(FrameworkWindow, ProgressShowsOutOfRangePositionsAtTheNearerEnd)
{
    WithMainLikeWindow([](ProbeDialog& self) {
        auto* progress = dynamic_cast<fw::CProgressCtrl*>(self.GetDlgItem(probe::kProgress));
        ASSERT_NE(progress, nullptr);
        const QRgb highlight = fw::WidgetOf(progress)->palette().color(QPalette::Highlight).rgb();
        const int width = fw::WidgetOf(progress)->width();

        progress->SetRange(0, 0);
        progress->SetPos(5);
        EXPECT_EQ(CountColour(Grab(*progress), highlight), 0);

        progress->SetRange(0, 65506);
        EXPECT_EQ(progress->SetPos(-30), 0);
        EXPECT_EQ(progress->GetPos(), 0);
        EXPECT_EQ(CountColour(Grab(*progress), highlight), 0);

        progress->SetRange(0, 181);
        EXPECT_EQ(progress->SetPos(400), 0);
        EXPECT_EQ(progress->GetPos(), 181);
        const QImage full = Grab(*progress);
        EXPECT_GT(CountColour(full, highlight, width - 8, width - 4), 0);
        EXPECT_GT(CountColour(full, highlight, 0, 8), 0);

        progress->SetPos(90);
        const QImage half = Grab(*progress);
        EXPECT_EQ(CountColour(half, highlight, width - 8, width - 4), 0);
        EXPECT_GT(CountColour(half, highlight, 0, width / 2 - 8), 0);
    });
}

TEST_F(FrameworkWindow, MessageBoxHookSeesTextCaptionAndTheActiveDialog)
{
    fw::CWinApp app;
    app.m_appTitle = "yoruka";
    std::vector<fw::MessageBoxCall> calls;
    fw::SetMessageBoxHook([&calls](const fw::MessageBoxCall& call) {
        calls.push_back(call);
        return static_cast<int>(fw::IDOK);
    });
    fw::CWnd* owner = nullptr;
    WithMainLikeWindow([&](ProbeDialog& self) {
        owner = &self;
        EXPECT_EQ(fw::AfxMessageBox(fw::cp932::FromUtf8("整数を入力してください。")), 1);
    });
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, fw::cp932::FromUtf8("整数を入力してください。"));
    EXPECT_EQ(calls[0].caption, "yoruka");
    EXPECT_EQ(calls[0].owner, owner);
}

TEST_F(FrameworkWindow, LoadedMenuTracksAtThePointAndSendsTheCommandToItsOwner)
{
    struct MenuDialog : ProbeDialog {
        MenuDialog() : ProbeDialog(probe::kMainLikeDialog) {}
        std::span<const fw::CommandEntry> CommandMap() const override
        {
            static const fw::CommandEntry map[] = {fw::CommandHandler<&MenuDialog::OnExitCommand>(32773)};
            return map;
        }
        void OnExitCommand() { EndDialog(5); }
    };
    fw::CPoint shownAt;
    unsigned items = 0;
    fw::SetPopupMenuHook([&](const fw::PopupMenuCall& call) {
        shownAt = call.at;
        items = static_cast<unsigned>(call.menu->GetMenuItemCount());
        return call.menu->GetMenuItemID(2);
    });
    MenuDialog dialog;
    dialog.whileRunning = [](ProbeDialog& self) {
        fw::CMenu menu;
        ASSERT_TRUE(menu.LoadMenu(probe::kContextMenu));
        fw::CMenu* popup = menu.GetSubMenu(0);
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(popup->GetMenuItemID(1), 0u);
        popup->TrackPopupMenu(fw::TPM_LEFTALIGN | fw::TPM_RIGHTBUTTON, -1, -1, &self);
        menu.DestroyMenu();
    };
    EXPECT_EQ(dialog.DoModal(), 5);
    EXPECT_EQ(shownAt, (fw::CPoint{-1, -1}));
    EXPECT_EQ(items, 3u);
}

// One handler behind several entries: each entry hands it its own argument,
// and an entry without one still reaches its plain handler.
TEST(CommandTable, EachEntryHandsItsOwnArgument)
{
    struct Target : fw::CCmdTarget {
        std::vector<int> seen;
        void OnValue(const int& value) { seen.push_back(value); }
        void OnPlain() { seen.push_back(0); }
        std::span<const fw::CommandEntry> CommandMap() const override
        {
            static constexpr int kOne = 1;
            static constexpr int kTwo = 2;
            static const fw::CommandEntry map[] = {
                fw::CommandHandler<&Target::OnValue>(10, fw::EN_KILLFOCUS, kOne),
                fw::CommandHandler<&Target::OnValue>(11, fw::EN_KILLFOCUS, kTwo),
                fw::CommandHandler<&Target::OnPlain>(10),
            };
            return map;
        }
    };
    Target target;
    EXPECT_TRUE(target.DispatchCommand(11, fw::EN_KILLFOCUS));
    EXPECT_TRUE(target.DispatchCommand(10, fw::EN_KILLFOCUS));
    EXPECT_TRUE(target.DispatchCommand(10));
    EXPECT_FALSE(target.DispatchCommand(12, fw::EN_KILLFOCUS));
    EXPECT_EQ(target.seen, (std::vector<int>{2, 1, 0}));
}

TEST_F(FrameworkWindow, RightClickAndMenuKeysRequestTheContextMenu)
{
    WithMainLikeWindow([](ProbeDialog& self) {
        self.log.clear();
        QTest::mouseClick(self.Window(), Qt::RightButton, {}, QPoint(30, 200));
        QTest::keyClick(self.Window(), Qt::Key_F10, Qt::ShiftModifier);
        QTest::keyClick(self.Window(), Qt::Key_Menu);
        QTest::mouseClick(self.Window(), Qt::LeftButton, {}, QPoint(12, 9));
        const QPoint global = self.Widget()->mapToGlobal(QPoint(30, 200));
        const std::string right = "context " + std::to_string(global.x()) + "," + std::to_string(global.y());
        std::vector<std::string> expected{right, "key 16", "key 121", "context -1,-1", "key 93", "context -1,-1", "click 12,9"};
        EXPECT_EQ(self.log, expected);
    });
}

}  // namespace

// The dialog templates: what the window code and the framework rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <stdexcept>
#include <string>

#include "core/Resources.h"
#include "res/Resources.h"

namespace {

using namespace fw::style;
using enum fw::ControlClass;

const fw::DialogTemplate& Dialog(int id)
{
    for (const fw::DialogTemplate& dialog : ProgramResources().dialogs) {
        if (dialog.id == id)
            return dialog;
    }
    throw std::runtime_error("no dialog template " + std::to_string(id));
}

std::vector<int> TabOrder(const fw::DialogTemplate& dialog)
{
    std::vector<int> ids;
    for (const fw::ControlTemplate& control : dialog.controls) {
        if (control.style & WS_TABSTOP)
            ids.push_back(control.id);
    }
    return ids;
}

TEST(ResourcesDialogs, HeadersOfTheFourTemplates)
{
    struct Header {
        int id, cx, cy;
        const char* caption;
        const char* font;
        std::uint32_t style, exStyle;
    };
    constexpr std::uint32_t modal = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    const Header headers[] = {
        {100, 174, 35, "ヨルカ(Ver.1.5)について ...", "ＭＳ Ｐゴシック", modal, 0},
        {102, 152, 169, "ヨルカ", "ＭＳ 明朝", modal | WS_VISIBLE | WS_MINIMIZEBOX, WS_EX_APPWINDOW},
        {130, 217, 195, "初期設定", "ＭＳ ゴシック", modal, 0},
        {134, 239, 89, "日数計算ダイアログ", "ＭＳ Ｐゴシック", modal, 0},
    };
    ASSERT_EQ(ProgramResources().dialogs.size(), std::size(headers));
    for (const Header& h : headers) {
        SCOPED_TRACE(h.id);
        const fw::DialogTemplate& dialog = Dialog(h.id);
        EXPECT_EQ(dialog.cx, h.cx);
        EXPECT_EQ(dialog.cy, h.cy);
        EXPECT_EQ(dialog.caption, h.caption);
        EXPECT_EQ(dialog.fontFace, h.font);
        EXPECT_EQ(dialog.fontPointSize, 9);
        EXPECT_EQ(dialog.style, h.style);
        EXPECT_EQ(dialog.exStyle, h.exStyle);
    }
}

TEST(ResourcesDialogs, MainWindowControlsInTemplateOrder)
{
    const std::vector<fw::ControlTemplate> expected = {
        {1027, Static, "勉強開始日", 10, 55, 39, 8, WS_GROUP | SS_LEFT | SS_CENTERIMAGE},
        {1003, Progress, "Progress1", 10, 140, 130, 10, WS_BORDER},
        {1028, Static, "試験日", 110, 55, 30, 8, WS_GROUP | SS_RIGHT},
        {1007, Static, "Static", 10, 65, 45, 8, WS_GROUP | SS_LEFT},
        {1008, Static, "Static", 100, 65, 45, 8, WS_GROUP | SS_RIGHT},
        {1, Button, "終了", 105, 112, 40, 15, WS_TABSTOP | BS_PUSHBUTTON | BS_FLAT},
        {1026, Button, "初期設定", 12, 145, 40, 15, BS_PUSHBUTTON},
        {1031, Static, "Static", 0, 101, 150, 9, WS_GROUP | SS_CENTER | SS_CENTERIMAGE},
        {1029, Button, "日数計算", 94, 145, 40, 15, BS_PUSHBUTTON},
        {1006, Static, "Static", 5, 5, 140, 10, WS_GROUP | SS_CENTER | SS_CENTERIMAGE},
        {1036, Static, "", 5, 20, 140, 20, SS_BLACKFRAME},
        {1037, Static, "", 5, 75, 140, 25, SS_BLACKFRAME},
        {fw::kNoId, Static, "", 5, 45, 141, 1, SS_BLACKFRAME | SS_SUNKEN},
    };
    const fw::DialogTemplate& dialog = Dialog(102);
    ASSERT_EQ(dialog.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const fw::ControlTemplate& got = dialog.controls[i];
        const fw::ControlTemplate& want = expected[i];
        SCOPED_TRACE(want.id);
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.cls, want.cls);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ((std::vector{got.x, got.y, got.cx, got.cy}), (std::vector{want.x, want.y, want.cx, want.cy}));
        EXPECT_EQ(got.style, want.style);
    }
}

TEST(ResourcesDialogs, TabOrderFollowsTemplateOrder)
{
    EXPECT_EQ(TabOrder(Dialog(102)), (std::vector{1}));
    EXPECT_EQ(TabOrder(Dialog(130)),
              (std::vector{1025, 1000, 1001, 1002, 1006, 1007, 1008, 1003, 1004, 1005, 1029, 1, 2, 1033}));
    EXPECT_EQ(TabOrder(Dialog(134)), (std::vector{1000, 1001, 1002, 1003, 1004, 1005, 1032, 1026, 1027, 2}));
    EXPECT_TRUE(TabOrder(Dialog(100)).empty());
}

// A spin takes the control before it as its buddy, so each must follow its
// own edit field, and all of them behave alike.
TEST(ResourcesDialogs, EverySpinFollowsItsEditField)
{
    constexpr std::uint32_t spinStyle =
        UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
    const std::pair<int, std::vector<std::pair<int, int>>> dialogs[] = {
        {130, {{1000, 1016}, {1001, 1017}, {1002, 1018}, {1006, 1022}, {1007, 1023}, {1008, 1024},
               {1003, 1019}, {1004, 1020}, {1005, 1021}}},
        {134, {{1000, 1016}, {1001, 1017}, {1002, 1018}, {1003, 1019}, {1004, 1020}, {1005, 1021}}},
    };
    for (const auto& [dialogId, pairs] : dialogs) {
        std::vector<std::pair<int, int>> found;
        const auto& controls = Dialog(dialogId).controls;
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (controls[i].cls != UpDown)
                continue;
            EXPECT_EQ(controls[i].style, spinStyle) << controls[i].id;
            ASSERT_GT(i, 0u);
            EXPECT_EQ(controls[i - 1].cls, Edit) << controls[i].id;
            found.emplace_back(controls[i - 1].id, controls[i].id);
        }
        EXPECT_EQ(found, pairs) << dialogId;
    }
}

TEST(ResourcesDialogs, ControlIdsAreUniqueWithinEachDialog)
{
    for (const fw::DialogTemplate& dialog : ProgramResources().dialogs) {
        std::set<int> seen;
        for (const fw::ControlTemplate& control : dialog.controls) {
            if (control.id != fw::kNoId) {
                EXPECT_TRUE(seen.insert(control.id).second) << dialog.id << ": " << control.id;
            }
        }
    }
}

TEST(ResourcesDialogs, SetupAndDayCountControlKinds)
{
    struct Expect {
        int dialog, id;
        fw::ControlClass cls;
        const char* text;
        std::uint32_t style;
    };
    const Expect cases[] = {
        {130, 1025, Edit, "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
        {130, 1000, Edit, "", WS_BORDER | WS_TABSTOP | ES_RIGHT},
        {130, 1006, Edit, "", WS_BORDER | WS_TABSTOP | ES_CENTER},
        {130, 1029, Button, "グラフを表示する", BS_AUTOCHECKBOX | WS_TABSTOP},
        {130, 1033, Button, "次の試験日までの日数を（ ）内に表示する", BS_AUTOCHECKBOX | WS_TABSTOP},
        {130, 1, Button, "ＯＫ", BS_DEFPUSHBUTTON | WS_TABSTOP},
        {130, 2, Button, "キャンセル", BS_PUSHBUTTON | WS_TABSTOP},
        {134, 1003, Edit, "", WS_BORDER | WS_TABSTOP | ES_CENTER},
        {134, 1006, Edit, "", ES_READONLY},
        {134, 1007, Edit, "", ES_READONLY},
        {134, 1025, Edit, "", WS_BORDER},
        {134, 1032, Button, "計算", BS_PUSHBUTTON | WS_TABSTOP},
        {134, 1026, Button, "今日をセット", BS_PUSHBUTTON | WS_TABSTOP},
        {134, 2, Button, "閉じる", BS_PUSHBUTTON | WS_TABSTOP},
    };
    for (const Expect& e : cases) {
        SCOPED_TRACE(std::to_string(e.dialog) + "/" + std::to_string(e.id));
        const auto& controls = Dialog(e.dialog).controls;
        const auto it = std::find_if(controls.begin(), controls.end(), [&](const auto& c) { return c.id == e.id; });
        ASSERT_NE(it, controls.end());
        EXPECT_EQ(it->cls, e.cls);
        EXPECT_EQ(it->text, e.text);
        EXPECT_EQ(it->style, e.style);
    }
    EXPECT_EQ(Dialog(130).controls.size(), 39u);
    EXPECT_EQ(Dialog(134).controls.size(), 29u);
}

TEST(ResourcesDialogs, AboutBoxShowsTheIconAndAFreewareLineInside)
{
    const fw::DialogTemplate& box = Dialog(100);
    ASSERT_EQ(box.controls.size(), 2u);
    const fw::ControlTemplate& icon = box.controls[0];
    EXPECT_EQ(icon.style & SS_TYPEMASK, SS_ICON);
    EXPECT_EQ(icon.text, std::to_string(res::IDI_MAIN));
    EXPECT_EQ((std::vector{icon.x, icon.y, icon.cx, icon.cy}), (std::vector{5, 5, 20, 20}));
    for (const fw::ControlTemplate& control : box.controls) {
        EXPECT_EQ(control.id, fw::kNoId);
        EXPECT_LE(control.x + control.cx, box.cx);
        EXPECT_LE(control.y + control.cy, box.cy);
    }
    EXPECT_NE(box.controls[1].text.find("フリーソフトウェア"), std::string_view::npos);
}

}  // namespace

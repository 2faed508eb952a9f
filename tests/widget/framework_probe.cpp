#include "framework_probe.h"

namespace probe {

namespace {

using namespace fw::style;
using enum fw::ControlClass;

fw::DialogTemplate PlainDialog()
{
    return {kPlainDialog, 0, 0, 120, 60, "テスト", "ＭＳ Ｐゴシック", 9, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, {
        {kLabel, Static, "ラベル", 5, 5, 50, 8, SS_LEFT},
        {kEdit, Edit, "", 5, 15, 50, 12, WS_BORDER | WS_TABSTOP},
        {kButton, Button, "押す", 60, 15, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {static_cast<int>(fw::IDOK), Button, "OK", 60, 35, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {kIconStatic, Static, "9200", 5, 35, 20, 20, SS_ICON},
    }};
}

fw::DialogTemplate MainLikeDialog()
{
    constexpr std::uint32_t style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME;
    return {kMainLikeDialog, 0, 0, 152, 169, "メイン", "ＭＳ 明朝", 9, style, WS_EX_APPWINDOW, {
        {kNavyLabel, Static, "紺色の見出し", 5, 5, 140, 10, SS_CENTER | SS_CENTERIMAGE},
        {kFrame, Static, "", 5, 75, 140, 25, SS_BLACKFRAME},
        {kProgress, Progress, "Progress1", 10, 140, 130, 10, WS_BORDER},
        {fw::kNoId, Static, "", 5, 45, 141, 1, SS_BLACKFRAME | SS_SUNKEN},
        {static_cast<int>(fw::IDOK), Button, "終了", 105, 112, 40, 15, WS_TABSTOP | BS_PUSHBUTTON | BS_FLAT},
    }};
}

// A red square on white, at both sizes.
const std::vector<const char*> kSquare{"4 4 2 1", "  c #FFFFFF", ". c #FF0000", "....", ".  .", ".  .", "...."};

}  // namespace

const fw::ResourceTable& Resources()
{
    static const fw::ResourceTable table{
        {PlainDialog(), MainLikeDialog()},
        {{kContextMenu, "オプション", {{32771, "初期設定"}, {0, ""}, {32773, "終了"}}}},
        {},
        {{kIcon, kSquare, kSquare}},
    };
    return table;
}

}  // namespace probe

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

fw::DialogTemplate FieldsDialogTemplate()
{
    constexpr std::uint32_t spin = UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS
                                   | UDS_NOTHOUSANDS;
    return {kFieldsDialog, 0, 0, 200, 100, "フィールド", "ＭＳ ゴシック", 9, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, {
        {kTitle, Edit, "", 5, 5, 135, 12, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
        {kYear, Edit, "", 5, 20, 36, 12, WS_BORDER | WS_TABSTOP | ES_RIGHT},
        {kYearSpin, UpDown, "", 34, 18, 11, 10, spin},
        {kDay, Edit, "", 50, 20, 30, 12, WS_BORDER | WS_TABSTOP},
        {kDaySpin, UpDown, "", 74, 18, 11, 12, spin},
        {kCount, Edit, "", 5, 35, 30, 12, WS_BORDER},
        {kCheck, Button, "表示する", 5, 50, 80, 10, BS_AUTOCHECKBOX | WS_TABSTOP},
        {kPush, Button, "計算", 100, 35, 40, 14, BS_PUSHBUTTON | WS_TABSTOP},
        {static_cast<int>(fw::IDOK), Button, "ＯＫ", 25, 75, 60, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {static_cast<int>(fw::IDCANCEL), Button, "キャンセル", 120, 75, 61, 14, BS_PUSHBUTTON | WS_TABSTOP},
    }};
}

// A red square on white, at both sizes.
const std::vector<const char*> kSquare{"4 4 2 1", "  c #FFFFFF", ". c #FF0000", "....", ".  .", ".  .", "...."};

}  // namespace

const fw::ResourceTable& Resources()
{
    static const fw::ResourceTable table{
        {PlainDialog(), MainLikeDialog(), FieldsDialogTemplate()},
        {{kContextMenu, "オプション", {{32771, "初期設定"}, {0, ""}, {32773, "終了"}}}},
        {
            {61474, "要求されたﾘｿｰｽは使用できません。"},
            {61475, "ﾒﾓﾘが不足しています。"},
            {61703, "ﾍﾙﾌﾟの起動に失敗しました。"},
            {61704, "ｱﾌﾟﾘｹｰｼｮﾝの内部ｴﾗｰです。"},
            {61712, "整数を入力してください。"},
            {61714, "%1 から %2 までの整数を入力してください。"},
            {61716, "%1 文字以内で入力してください。"},
            {61719, "正の整数を入力してください。"},
        },
        {{kIcon, kSquare, kSquare}},
    };
    return table;
}

}  // namespace probe

// The dialog templates: every control in template order (which is also the
// keyboard order), with its text, its place in dialog units and its styles.
#include "res/ResourceParts.h"
#include "res/Resources.h"

namespace res {

namespace {

using namespace fw::style;
using enum fw::ControlClass;
using fw::kNoId;

constexpr std::uint32_t kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr std::uint32_t kSpin =
    UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
constexpr std::uint32_t kField = WS_BORDER | WS_TABSTOP;
constexpr std::uint32_t kLabel = SS_LEFT | SS_CENTERIMAGE;
constexpr std::uint32_t kButton = BS_PUSHBUTTON | WS_TABSTOP;
constexpr std::uint32_t kCheckBox = BS_AUTOCHECKBOX | WS_TABSTOP;
constexpr std::uint32_t kRule = SS_BLACKFRAME | SS_SUNKEN;

fw::DialogTemplate AboutBox()
{
    return {IDD_ABOUTBOX, 0, 0, 174, 35, "ヨルカ(Ver.1.5)について ...", "ＭＳ Ｐゴシック", 9, kDialogStyle, 0, {
        {kNoId, Static, "128", 5, 5, 20, 20, SS_ICON},
        {kNoId, Static, "ヨルカ Ver.1.5  フリーソフトウェア", 30, 10, 140, 10, SS_LEFT},
    }};
}

fw::DialogTemplate MainWindow()
{
    constexpr std::uint32_t style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX
                                    | DS_MODALFRAME | DS_SETFONT;
    return {IDD_MAIN, 0, 0, 152, 169, "ヨルカ", "ＭＳ 明朝", 9, style, WS_EX_APPWINDOW, {
        {IDC_START_LABEL, Static, "勉強開始日", 10, 55, 39, 8, WS_GROUP | SS_LEFT | SS_CENTERIMAGE},
        {IDC_PROGRESS, Progress, "Progress1", 10, 140, 130, 10, WS_BORDER | PBS_SEGMENTED},
        {IDC_EXAM_LABEL, Static, "試験日", 110, 55, 30, 8, WS_GROUP | SS_RIGHT},
        {IDC_START_DATE, Static, "Static", 10, 65, 45, 8, WS_GROUP | SS_LEFT},
        {IDC_EXAM_DATE, Static, "Static", 100, 65, 45, 8, WS_GROUP | SS_RIGHT},
        {IDOK, Button, "終了", 105, 112, 40, 15, WS_TABSTOP | BS_PUSHBUTTON | BS_FLAT},
        {IDC_SETUP, Button, "初期設定", 12, 145, 40, 15, BS_PUSHBUTTON},
        {IDC_WHOLE_DAYS, Static, "Static", 0, 101, 150, 9, WS_GROUP | SS_CENTER | SS_CENTERIMAGE},
        {IDC_DAYCOUNT, Button, "日数計算", 94, 145, 40, 15, BS_PUSHBUTTON},
        {IDC_TITLE, Static, "Static", 5, 5, 140, 10, WS_GROUP | SS_CENTER | SS_CENTERIMAGE},
        {IDC_DAYS_LEFT, Static, "", 5, 20, 140, 20, SS_BLACKFRAME},
        {IDC_GRAPH, Static, "", 5, 75, 140, 25, SS_BLACKFRAME},
        {kNoId, Static, "", 5, 45, 141, 1, SS_BLACKFRAME | SS_SUNKEN},
    }};
}

fw::DialogTemplate SetupDialog()
{
    return {IDD_SETUP, 0, 0, 217, 195, "初期設定", "ＭＳ ゴシック", 9, kDialogStyle, 0, {
        {IDC_EXAM_TITLE, Edit, "", 55, 10, 135, 12, kField | ES_AUTOHSCROLL},
        {IDC_EXAM_YEAR, Edit, "", 55, 32, 36, 12, kField | ES_RIGHT},
        {IDC_EXAM_YEAR_SPIN, UpDown, "", 84, 30, 11, 10, kSpin},
        {kNoId, Static, "年", 95, 25, 9, 25, kLabel},
        {IDC_EXAM_MONTH, Edit, "", 110, 32, 30, 12, kField},
        {IDC_EXAM_MONTH_SPIN, UpDown, "", 130, 30, 11, 10, kSpin},
        {kNoId, Static, "月", 145, 25, 16, 25, kLabel},
        {IDC_EXAM_DAY, Edit, "", 160, 32, 30, 12, kField},
        {IDC_EXAM_DAY_SPIN, UpDown, "", 184, 30, 11, 12, kSpin},
        {kNoId, Static, "日", 195, 25, 17, 25, kLabel},
        {IDC_START_YEAR, Edit, "", 55, 142, 36, 12, kField | ES_CENTER},
        {IDC_START_YEAR_SPIN, UpDown, "", 80, 142, 11, 20, kSpin},
        {kNoId, Static, "年", 95, 135, 9, 25, kLabel},
        {IDC_START_MONTH, Edit, "", 110, 142, 30, 12, kField},
        {IDC_START_MONTH_SPIN, UpDown, "", 128, 142, 11, 20, kSpin},
        {kNoId, Static, "月", 145, 135, 16, 25, kLabel},
        {IDC_START_DAY, Edit, "", 160, 142, 30, 12, kField},
        {IDC_START_DAY_SPIN, UpDown, "", 182, 142, 11, 13, kSpin},
        {kNoId, Static, "日", 195, 135, 16, 25, kLabel},
        {IDC_NEXT_YEAR, Edit, "", 55, 85, 37, 12, kField | ES_CENTER},
        {IDC_NEXT_YEAR_SPIN, UpDown, "", 80, 81, 11, 20, kSpin},
        {kNoId, Static, "年", 95, 85, 10, 15, kLabel},
        {IDC_NEXT_MONTH, Edit, "", 110, 85, 30, 12, kField},
        {IDC_NEXT_MONTH_SPIN, UpDown, "", 130, 85, 11, 20, kSpin},
        {kNoId, Static, "月", 145, 85, 14, 15, kLabel},
        {IDC_NEXT_DAY, Edit, "", 160, 85, 30, 12, kField},
        {IDC_NEXT_DAY_SPIN, UpDown, "", 184, 85, 11, 13, kSpin},
        {kNoId, Static, "日", 195, 85, 10, 15, kLabel},
        {IDC_SHOW_GRAPH, Button, "グラフを表示する", 15, 120, 80, 10, kCheckBox},
        {IDOK, Button, "ＯＫ", 25, 175, 60, 14, BS_DEFPUSHBUTTON | WS_TABSTOP},
        {IDCANCEL, Button, "キャンセル", 120, 175, 61, 14, kButton},
        {kNoId, Static, "試験名：", 16, 5, 34, 20, SS_RIGHT | SS_CENTERIMAGE},
        {kNoId, Static, "試験日：", 6, 25, 44, 25, SS_RIGHT | SS_CENTERIMAGE},
        {kNoId, Static, "勉強開始日：", 0, 135, 50, 25, SS_RIGHT | SS_CENTERIMAGE},
        {kNoId, Static, "", 5, 165, 205, 1, kRule},
        {IDC_SHOW_NEXT_EXAM, Button, "次の試験日までの日数を（ ）内に表示する", 15, 65, 172, 10, kCheckBox},
        {kNoId, Static, "次の試験日：", 0, 87, 51, 8, SS_RIGHT},
        {kNoId, Static, "", 5, 55, 205, 1, kRule},
        {kNoId, Static, "", 5, 110, 205, 1, kRule},
    }};
}

fw::DialogTemplate DayCountDialog()
{
    constexpr std::uint32_t weekday = ES_READONLY;   // no border, not a tab stop
    return {IDD_DAYCOUNT, 0, 0, 239, 89, "日数計算ダイアログ", "ＭＳ Ｐゴシック", 9, kDialogStyle, 0, {
        {IDC_FROM_YEAR, Edit, "", 55, 20, 30, 12, kField | ES_RIGHT},
        {IDC_FROM_YEAR_SPIN, UpDown, "", 79, 26, 9, 10, kSpin},
        {kNoId, Static, "年", 91, 15, 7, 21, kLabel},
        {IDC_FROM_MONTH, Edit, "", 105, 20, 25, 12, kField},
        {IDC_FROM_MONTH_SPIN, UpDown, "", 129, 26, 9, 10, kSpin},
        {kNoId, Static, "月", 135, 15, 13, 21, kLabel},
        {IDC_FROM_DAY, Edit, "", 150, 20, 25, 12, kField},
        {IDC_FROM_DAY_SPIN, UpDown, "", 171, 26, 9, 12, kSpin},
        {kNoId, Static, "日", 180, 15, 9, 20, kLabel},
        {IDC_FROM_WEEKDAY, Edit, "", 195, 22, 25, 12, weekday},
        {kNoId, Static, "から", 220, 16, 16, 20, kLabel},
        {IDC_TO_YEAR, Edit, "", 55, 45, 30, 12, kField | ES_CENTER},
        {IDC_TO_YEAR_SPIN, UpDown, "", 82, 50, 9, 20, kSpin},
        {kNoId, Static, "年", 91, 40, 7, 21, kLabel},
        {IDC_TO_MONTH, Edit, "", 105, 45, 25, 12, kField},
        {IDC_TO_MONTH_SPIN, UpDown, "", 129, 50, 9, 20, kSpin},
        {kNoId, Static, "月", 135, 40, 13, 21, kLabel},
        {IDC_TO_DAY, Edit, "", 150, 45, 25, 12, kField},
        {IDC_TO_DAY_SPIN, UpDown, "", 171, 51, 9, 13, kSpin},
        {kNoId, Static, "日", 180, 41, 9, 20, kLabel},
        {IDC_TO_WEEKDAY, Edit, "", 195, 48, 25, 12, weekday},
        {kNoId, Static, "まで", 220, 41, 15, 20, kLabel},
        {IDC_DAY_COUNT, Edit, "", 55, 70, 30, 12, WS_BORDER},
        {kNoId, Static, "日です。", 90, 65, 30, 21, kLabel},
        {IDC_COMPUTE, Button, "計算", 5, 70, 40, 14, kButton},
        {IDC_FROM_TODAY, Button, "今日をセット", 5, 20, 40, 14, kButton},
        {IDC_TO_TODAY, Button, "今日をセット", 5, 45, 40, 14, kButton},
        {IDCANCEL, Button, "閉じる", 195, 70, 30, 15, kButton},
        {kNoId, Static, "ある日から、ある日までの日数を計算します", 0, 5, 240, 8, SS_CENTER | SS_CENTERIMAGE},
    }};
}

}  // namespace

std::vector<fw::DialogTemplate> ProgramDialogs()
{
    return {AboutBox(), MainWindow(), SetupDialog(), DayCountDialog()};
}

}  // namespace res

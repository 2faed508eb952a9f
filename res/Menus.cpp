// Menu 129: the context menu of the main window, one pop-up.
#include "res/ResourceParts.h"
#include "res/Resources.h"

namespace res {

std::vector<fw::MenuTemplate> ProgramMenus()
{
    return {
        {IDR_CONTEXT_MENU, "オプション", {
            {ID_SETUP, "初期設定"},
            {ID_DAYCOUNT, "日数計算"},
            {ID_ABOUT, "ヨルカについて ..."},
            {0, ""},
            {ID_EXIT, "終了"},
        }},
    };
}

}  // namespace res

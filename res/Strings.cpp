// The string table. Half-width katakana and full-width characters are part
// of the texts: they become CP932 exactly as written here.
#include "res/ResourceParts.h"
#include "res/Resources.h"

namespace res {

std::vector<fw::StringResource> ProgramStrings()
{
    return {
        {IDS_ABOUTBOX, "ヨルカについて ... (&A)..."},
        {IDS_APP_NAME, "ヨルカ"},
        {IDS_DEFAULT_TITLE, "99年度秋期情報処理技術者試験まで"},
        {IDS_START_LABEL, "勉強開始日"},
        {IDS_EXAM_LABEL, "試験日"},
        {IDS_DATE_CORRECTED, "実在しない日付が指定されています。\n訂正します。"},
        {IDS_SYSMENU_MOVE, "移動"},
        {IDS_SYSMENU_MINIMIZE, "最少化"},
        {IDS_SYSMENU_CLOSE, "閉じる"},

        {IDS_NO_RESOURCE, "要求されたﾘｿｰｽは使用できません。"},
        {IDS_NO_MEMORY, "ﾒﾓﾘが不足しています。"},
        {IDS_HELP_FAILED, "ﾍﾙﾌﾟの起動に失敗しました。"},
        {IDS_INTERNAL_ERROR, "ｱﾌﾟﾘｹｰｼｮﾝの内部ｴﾗｰです。"},
        {IDS_NOT_AN_INTEGER, "整数を入力してください。"},
        {IDS_INTEGER_OUT_OF_RANGE, "%1 から %2 までの整数を入力してください。"},
        {IDS_TEXT_TOO_LONG, "%1 文字以内で入力してください。"},
        {IDS_NOT_A_POSITIVE_INTEGER, "正の整数を入力してください。"},
    };
}

}  // namespace res

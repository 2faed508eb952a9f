// The string table and the registry through which the program reads it.
#include <gtest/gtest.h>

#include "core/Resources.h"
#include "res/Resources.h"

namespace {

class ResourcesRegistered : public ::testing::Test {
protected:
    void SetUp() override { fw::SetResources(&ProgramResources()); }
    void TearDown() override { fw::SetResources(nullptr); }
};

struct StringCase {
    int id;
    const char* utf8;
    std::size_t cp932Bytes;
};

// Byte counts as iconv's CP932 gives them for the same texts.
const StringCase kStrings[] = {
    {101, "ヨルカについて ... (&A)...", 26},
    {102, "ヨルカ", 6},
    {103, "99年度秋期情報処理技術者試験まで", 32},
    {104, "勉強開始日", 10},
    {105, "試験日", 6},
    {res::IDS_DATE_CORRECTED, "実在しない日付が指定されています。\n訂正します。", 47},
    {res::IDS_SYSMENU_MOVE, "移動", 4},
    {res::IDS_SYSMENU_MINIMIZE, "最少化", 6},
    {res::IDS_SYSMENU_CLOSE, "閉じる", 6},
    {61474, "要求されたﾘｿｰｽは使用できません。", 32},
    {61475, "ﾒﾓﾘが不足しています。", 21},
    {61703, "ﾍﾙﾌﾟの起動に失敗しました。", 26},
    {61704, "ｱﾌﾟﾘｹｰｼｮﾝの内部ｴﾗｰです。", 24},
    {61712, "整数を入力してください。", 24},
    {61714, "%1 から %2 までの整数を入力してください。", 41},
    {61716, "%1 文字以内で入力してください。", 31},
    {61719, "正の整数を入力してください。", 28},
};

TEST_F(ResourcesRegistered, EveryStringLoadsAsItsCp932Text)
{
    for (const StringCase& c : kStrings) {
        SCOPED_TRACE(c.id);
        const fw::ByteString loaded = fw::LoadString(c.id);
        EXPECT_EQ(loaded.size(), c.cp932Bytes);
        EXPECT_EQ(fw::cp932::ToUtf8(loaded), c.utf8);
    }
}

TEST_F(ResourcesRegistered, TheTableHoldsNoOtherStrings)
{
    EXPECT_EQ(ProgramResources().strings.size(), std::size(kStrings));
}

TEST_F(ResourcesRegistered, HalfWidthKatakanaStaySingleBytes)
{
    EXPECT_EQ(fw::LoadString(61475),
              "\xD2\xD3\xD8\x82\xAA\x95\x73\x91\xAB\x82\xB5\x82\xC4\x82\xA2\x82\xDC\x82\xB7\x81\x42");
    EXPECT_EQ(fw::LoadString(102), "\x83\x88\x83\x8B\x83\x4A");
}

TEST_F(ResourcesRegistered, UnknownNumbersFindNothing)
{
    EXPECT_EQ(fw::LoadString(57344), "");   // no application title of its own
    EXPECT_EQ(fw::FindDialogTemplate(101), nullptr);
    EXPECT_EQ(fw::FindMenuTemplate(130), nullptr);
    EXPECT_EQ(fw::FindIcon(129), nullptr);
}

TEST(Resources, NothingIsFoundBeforeTheTableIsRegistered)
{
    fw::SetResources(nullptr);
    EXPECT_EQ(fw::Resources(), nullptr);
    EXPECT_EQ(fw::LoadString(102), "");
    EXPECT_EQ(fw::FindDialogTemplate(102), nullptr);
    EXPECT_EQ(fw::FindMenuTemplate(129), nullptr);
    EXPECT_EQ(fw::FindIcon(128), nullptr);
}

TEST_F(ResourcesRegistered, ContextMenuHoldsItsItemsInOrder)
{
    const fw::MenuTemplate* menu = fw::FindMenuTemplate(129);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->popupText, "オプション");
    const std::vector<fw::MenuItemTemplate> expected = {
        {32771, "初期設定"}, {32774, "日数計算"}, {32772, "ヨルカについて ..."}, {0, ""}, {32773, "終了"},
    };
    ASSERT_EQ(menu->items.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(menu->items[i].id, expected[i].id) << i;
        EXPECT_EQ(menu->items[i].text, expected[i].text) << i;
    }
}

}  // namespace

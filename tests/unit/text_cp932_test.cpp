// CP932 byte strings: conversion at the UTF-8 boundary, and the scans that
// must step over double-byte characters whole.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "core/Text.h"

namespace {

using namespace std::string_literals;
namespace cp = fw::cp932;
constexpr auto npos = std::string_view::npos;

struct RoundTrip {
    const char* name;
    std::string utf8;
    std::string cp932;
};

class TextRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(TextRoundTrip, ConvertsBothWays)
{
    const RoundTrip& row = GetParam();
    EXPECT_EQ(cp::FromUtf8(row.utf8), row.cp932);
    EXPECT_EQ(cp::ToUtf8(row.cp932), row.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    ProgramTexts, TextRoundTrip,
    testing::Values(
        RoundTrip{"Empty", "", ""},
        RoundTrip{"Ascii", "CALLBY=Dialog", "CALLBY=Dialog"},
        RoundTrip{"DaysLeft", "あと 138日（320）",
                  "\x82\xa0\x82\xc6 138\x93\xfa\x81i320\x81j"},
        RoundTrip{"HalfWidthKatakana", "ﾍﾙﾌﾟの起動に失敗しました。",
                  "\xcd\xd9\xcc\xdf\x82\xcc\x8b\x4e\x93\xae\x82\xc9\x8e\xb8\x94\x73"
                  "\x82\xb5\x82\xdc\x82\xb5\x82\xbd\x81\x42"},
        RoundTrip{"TrailByteIsBackslash", "表ソ能予", "\x95\x5c\x83\x5c\x94\x5c\x97\x5c"},
        RoundTrip{"WindowsExtensions", "①ⅰ", "\x87\x40\xfa\x40"},
        RoundTrip{"EmbeddedNul", "a\0b"s, "a\0b"s}),
    [](const testing::TestParamInfo<RoundTrip>& info) { return info.param.name; });

TEST(TextFromUtf8, DefaultTitleIsThirtyTwoBytes)
{
    const auto title = cp::FromUtf8("99年度秋期情報処理技術者試験まで");
    EXPECT_EQ(title.size(), 32u);
    EXPECT_EQ(title.substr(0, 6), "99\x94\x4e\x93\x78");
}

TEST(TextFromUtf8, WhatCp932CannotHoldBecomesQuestionMark)
{
    const struct {
        std::string in;
        std::string out;
    } rows[] = {
        {"a😀b", "a?b"},                       // outside CP932, four bytes → one "?"
        {"😀😀", "??"},
        {"é", "?"},
        {"a\xff" "b", "a?b"},                  // not UTF-8 at all
        {"\xc0\xaf", "??"},                    // overlong '/'
        {"\xed\xa0\x80", "???"},               // encoded surrogate
        {"x\xe3\x81", "x?"},                   // cut short at the end
        {"\xe3\x81" "A", "?A"},                // cut short before ASCII
        {"\xe3\x81\x82\xe3", "\x82\xa0?"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(cp::FromUtf8(row.in), row.out) << testing::PrintToString(row.in);
}

TEST(TextToUtf8, BrokenCp932BecomesReplacementCharacter)
{
    const std::string fffd = "\xef\xbf\xbd";
    const struct {
        std::string in;
        std::string out;
    } rows[] = {
        {"\x80", fffd},
        {"a\x81", "a" + fffd},                 // lead byte at the very end
        {"\x81 x", fffd + " x"},               // a blank is no trail byte: it survives
        {"\xfd\xfe\xff", fffd + fffd + fffd},
    };
    for (const auto& row : rows)
        EXPECT_EQ(cp::ToUtf8(row.in), row.out) << testing::PrintToString(row.in);
}

TEST(TextToUtf8, LongTextCrossesConverterBuffer)
{
    std::string cp932;
    std::string utf8;
    for (int i = 0; i < 5000; ++i) {
        cp932 += "\x95\x5c";
        utf8 += "表";
    }
    cp932 += "\x80";
    EXPECT_EQ(cp::ToUtf8(cp932), utf8 + "\xef\xbf\xbd");
    EXPECT_EQ(cp::FromUtf8(utf8 + "😀"), cp932.substr(0, 10000) + "?");
}

TEST(TextLeadByte, RangeEdges)
{
    for (int b = 0; b < 256; ++b) {
        const bool expected = (b >= 0x81 && b <= 0x9f) || (b >= 0xe0 && b <= 0xfc);
        EXPECT_EQ(cp::IsLeadByte(static_cast<unsigned char>(b)), expected) << b;
    }
}

TEST(TextFind, StepsOverTrailBytes)
{
    const struct {
        std::string text;
        char ch;
        std::size_t first;
        std::size_t last;
    } rows[] = {
        {"C:\\Tools\\prog.exe", '\\', 2, 8},
        {"\x95\x5c", '\\', npos, npos},                   // 表 alone
        {"C:\\\x95\x5c\\x", '\\', 2, 5},                  // C:\表\x
        {"\x83\x5c\x83\x5c", '\\', npos, npos},           // ソソ
        {"[\x83\x5d]", ']', 3, 3},                        // [ゾ]: 0x5D trail is no ']'
        {"\xb1\\", '\\', 1, 1},                           // half-width kana is one byte
        {"a\\\x95", '\\', 1, 1},                          // lead byte at the end
        {"\"C:\\a\"", '"', 0, 5},
        {"", 'x', npos, npos},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text));
        EXPECT_EQ(cp::FindFirst(row.text, row.ch), row.first);
        EXPECT_EQ(cp::FindLast(row.text, row.ch), row.last);
    }
}

TEST(TextCut, NeverSplitsADoubleByteCharacter)
{
    const std::string kanji17 = cp::FromUtf8("情報処理技術者試験情報処理技術者試");
    ASSERT_EQ(kanji17.size(), 34u);
    const struct {
        std::string text;
        std::size_t limit;
        std::size_t length;
    } rows[] = {
        {"A" + kanji17, 34, 33},          // the 34th byte is a lead byte: it goes too
        {kanji17 + "A", 34, 34},
        {"A" + kanji17, 35, 35},
        {kanji17, 0, 0},
        {"\xcd\xd9\xcc\xdf", 3, 3},       // half-width katakana: one byte each
        {"ab\x81", 3, 3},                 // already short enough: untouched
        {"ab\x81\x40", 3, 2},
        {"abc", 100, 3},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.text) + " limit " + std::to_string(row.limit));
        const std::string_view cut = cp::CutToBytes(row.text, row.limit);
        EXPECT_EQ(cut.size(), row.length);
        EXPECT_EQ(cut.data(), row.text.data());
    }
}

}  // namespace

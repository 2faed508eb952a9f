// The texts at the W functions' boundary: CP932 to UTF-16 and back.
#include <gtest/gtest.h>

#include <string>

#include "core/win32/WideText.h"

namespace {

TEST(TextWideWin32, Cp932AndUtf16BothWays)
{
    const struct {
        std::string cp932;
        std::wstring wide;
    } rows[] = {
        {"", L""},
        {"yrk.ini", L"yrk.ini"},
        {"\x83\x88\x83\x8b\x83\x4a", L"\u30e8\u30eb\u30ab"},   // ヨルカ
        {"\x95\x5c", L"\u8868"},                               // 表: trail byte 0x5C
        {"\xb1\xdd", L"\uff71\uff9d"},                         // half-width katakana
        {"\x81\x60", L"\uff5e"},                               // the wave dash of code page 932
    };
    for (const auto& row : rows) {
        EXPECT_EQ(fw::win32::WideFromCp932(row.cp932), row.wide) << row.cp932;
        EXPECT_EQ(fw::win32::Cp932FromWide(row.wide), row.cp932) << row.cp932;
    }
    EXPECT_EQ(fw::win32::Cp932FromWide(L"\u00e9\U0001F600x"), "??x") << "one ? per character";
    EXPECT_EQ(fw::win32::WideFromCp932("\x81"), L"\ufffd");
}

}  // namespace

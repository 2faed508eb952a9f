// The start-up values: the argument tail that ends the program when it is
// not empty, and the program's own name.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/CommandLine.h"

namespace {

// The whole command line as the platform hands it over, less the program's
// name: quotes, blanks and double-byte characters.
TEST(CommandLine, TailOfTheWholeLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"yoruka", ""},
        {"yoruka.exe   \t ", ""},
        {"yoruka x", "x"},
        {"yoruka \t x y ", "x y "},
        {"\"C:\\Program Files\\yrk\\yoruka.exe\"", ""},
        {"\"C:\\Program Files\\yrk\\yoruka.exe\"  ", ""},
        {"\"C:\\Program Files\\yrk\\yoruka.exe\" -x", "-x"},
        {"\"C:\\a b\\yoruka.exe\"x", "x"},                 // no blank needed after the quote
        {"\"C:\\never closed\\yoruka.exe", ""},
        {"\"\"", ""},
        {"\"\" a", "a"},
        {"C:\\a\"b\\yoruka.exe rest", "rest"},           // a quote inside stays in the name
        {"\"C:\\\x83\x22\\yoruka.exe\" a", "a"},         // trail byte 0x22 is no quote
        {"\"C:\\\x83\x88\x83\x8B\x83\x4A.exe\"\x81\x40", "\x81\x40"},  // ideographic space is no blank
        {"C:\\\x83\x88.exe\x01\x1f z", "z"},
        {"", ""},
    };
    for (const auto& [line, tail] : cases)
        EXPECT_EQ(fw::CommandTailOf(line), tail) << testing::PrintToString(std::string(line));
}

TEST(ExeName, BaseNameWithoutExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/usr/bin/yoruka", "yoruka"},
        {"/tmp/a.b/yoruka", "yoruka"},
        {"/opt/v1.5/yoruka", "yoruka"},
        {"/x/ヨルカ.EXE", "ヨルカ"},
        {"/データ/表示.bin", "表示"},
        {"/opt/app/yoruka.tar.gz", "yoruka.tar"},
        {"/home/u/.yoruka", ".yoruka"},
        {"yoruka.bin", "yoruka"},
        {"yoruka", "yoruka"},
        {"C:\\Program Files\\yrk\\ヨルカ.EXE", "ヨルカ"},
        {"C:yoruka.exe", "yoruka"},
        {"/usr/bin/", ""},
        {"", ""},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(fw::ExeName(path), name) << path;
}

TEST(ExeName, AppTitleIsTheNameInCp932)
{
    EXPECT_EQ(fw::AppTitle("/x/ヨルカ.EXE"), "\x83\x88\x83\x8B\x83\x4A");
    EXPECT_EQ(fw::AppTitle("/usr/bin/yoruka"), "yoruka");
}

TEST(ExeName, ProgramFileIsTheRunningBinary)
{
    EXPECT_EQ(fw::ExeName(fw::ProgramFilePath("ignored")), "unit_tests");
}

}  // namespace

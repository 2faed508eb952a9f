// The start-up values: the argument tail that ends the program when it is
// not empty, and the program's own name.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/CommandLine.h"

namespace {

fw::ByteString TailOf(std::vector<std::string> args)
{
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    return fw::CommandTail(static_cast<int>(args.size()), argv.data());
}

TEST(CommandLine, TailOfTheArguments)
{
    struct Case {
        std::vector<std::string> args;
        fw::ByteString tail;
    };
    const Case cases[] = {
        {{"yoruka"}, ""},
        {{"yoruka", ""}, ""},
        {{"yoruka", " "}, ""},
        {{"yoruka", "\t", " \n"}, ""},
        {{"yoruka", "", ""}, ""},
        {{"yoruka", "x"}, "x"},
        {{"yoruka", "  x"}, "x"},
        {{"yoruka", "", "x"}, "x"},
        {{"yoruka", "x "}, "x "},
        {{"yoruka", "a", "b c"}, "a b c"},
        {{"yoruka", "-platform", "offscreen"}, "-platform offscreen"},
        {{"yoruka", "\xE3\x80\x80"}, "\x81\x40"},   // an ideographic space is not blank
        {{"yoruka", "ヨルカ"}, "\x83\x88\x83\x8B\x83\x4A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        EXPECT_EQ(TailOf(c.args), c.tail);
    }
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

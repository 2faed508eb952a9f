// The argument tail as Linux gives it: argv after the program's name.
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

}  // namespace

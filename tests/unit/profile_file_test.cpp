// Profile files on disk: the settings file as the program writes it, files
// that must come through a save unchanged, damaged files, files in another
// encoding than CP932 and failed writes.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "core/ProfileFile.h"
#include "support/MarkedText.h"
#include "support/TempDir.h"

namespace {

using namespace std::string_literals;

const std::string kTitle = "99\x94\x4e\x93\x78\x8f\x48\x8a\xfa\x8f\xee\x95\xf1\x8f\x88\x97\x9d"
                           "\x8b\x5a\x8f\x70\x8e\xd2\x8e\x8e\x8c\xb1\x82\xdc\x82\xc5";

TEST(ProfileFile, SettingsFileAsFirstWritten)
{
    TempDir dir;
    const std::string path = dir.file("yrk.ini");
    const std::pair<const char*, std::string> keys[] = {
        {"TITLE", kTitle},        {"START", "1999 4 19"},     {"EXAM", "1999 10 17"},
        {"NEXAM", "2000 4 16"},   {"SIZE", "FALSE"},          {"SHOWNEXTEXAM", "FALSE"},
        {"POS", "412 300"},       {"CALLBY", "Dialog"},
    };
    for (const auto& [key, value] : keys)
        ASSERT_TRUE(fw::WritePrivateProfileString("YRK", key, value, path)) << key;

    EXPECT_EQ(ReadBytes(path), WithNewFileBreaks("[YRK]\nTITLE=" + kTitle +
                                                 "\nSTART=1999 4 19\nEXAM=1999 10 17\nNEXAM=2000 4 16\n"
                                                 "SIZE=FALSE\nSHOWNEXTEXAM=FALSE\nPOS=412 300\nCALLBY=Dialog\n"));
    for (const auto& [key, value] : keys)
        EXPECT_EQ(fw::GetPrivateProfileString("YRK", key, "-", path), value) << key;
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{"yrk.ini"});
}

TEST(ProfileFile, SaveKeepsEveryOtherByte)
{
    TempDir dir;
    const std::string path = dir.file("yrk.ini");
    const std::string before =
        "; written by hand\r\n"
        "[Other]\r\n"
        "TITLE=not this one\r\n"
        "\r\n"
        "[yrk]\r\n"
        "Title = \"old\"\r\n"
        "UNKNOWN=kept\r\n"
        "; trailing comment\r\n"
        "\r\n"
        "[Last]\r\n"
        "x=1";
    WriteBytes(path, before);
    fw::ProfileFile file(path);
    file.Set("YRK", "TITLE", "new");
    file.Set("YRK", "CALLBY", "Quit");
    file.Set("Last", "y", "2");
    ASSERT_TRUE(file.Save());
    EXPECT_EQ(ReadBytes(path),
              "; written by hand\r\n"
              "[Other]\r\n"
              "TITLE=not this one\r\n"
              "\r\n"
              "[yrk]\r\n"
              "Title =new\r\n"
              "UNKNOWN=kept\r\n"
              "; trailing comment\r\n"
              "CALLBY=Quit\r\n"
              "\r\n"
              "[Last]\r\n"
              "x=1\r\n"
              "y=2\r\n");
}

TEST(ProfileFile, FilesAsFoundReadAndSave)
{
    const struct {
        const char* name;
        std::string contents;
        std::string title;   // what a read of TITLE gives
    } rows[] = {
        {"Empty", "", "default"},
        {"Truncated", "[YRK]\nTITLE=ab", "ab"},
        {"TruncatedInHeader", "[YR", "default"},
        {"NoFinalNewline", "[YRK]\r\nTITLE=x\r", "x"},
        {"BinaryGarbage", "\x7f" "ELF\0\x01\xff\xfe[YRK]\n\0\0\0\n"s, "default"},
        {"HundredKilobyteLine", "[YRK]\n;" + std::string(100000, 'x') + "\nTITLE=t\n", "t"},
        {"Utf16LeFromNotepad", Utf16File(u"; 한\r\n[YRK]\r\nTITLE=試験\r\n"), "\x8e\x8e\x8c\xb1"},
        {"Utf16Be", Utf16File(u"[YRK]\r\nTITLE=試験\r\n", true), "\x8e\x8e\x8c\xb1"},
        {"Utf8WithMark", Utf8File("[YRK]\nTITLE=試験\n"), "\x8e\x8e\x8c\xb1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        const std::string path = dir.file("yrk.ini");
        WriteBytes(path, row.contents);
        fw::ProfileFile file(path);
        EXPECT_TRUE(file.readable());
        EXPECT_EQ(file.Get("YRK", "TITLE", "default"), row.title);
        file.Set("YRK", "POS", "1 2");
        ASSERT_TRUE(file.Save());
        const std::string after = ReadBytes(path);
        EXPECT_EQ(after.substr(0, row.contents.size()), row.contents);
        EXPECT_EQ(fw::ProfileFile(path).Get("YRK", "POS", ""), "1 2");
        EXPECT_EQ(fw::ProfileFile(path).Get("YRK", "TITLE", "default"), row.title);
    }
}

TEST(ProfileFile, FailedRenameLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.file("yrk.ini");
    WriteBytes(path, "[YRK]\n");
    fw::ProfileFile file(path);
    file.Set("YRK", "SIZE", "TRUE");
    // The file turns into a non-empty directory before the save.
    ASSERT_TRUE(std::filesystem::remove(path));
    ASSERT_TRUE(std::filesystem::create_directory(path));
    WriteBytes(path + "/keep", "k");
    EXPECT_FALSE(file.Save());
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{"yrk.ini"});
    EXPECT_EQ(ReadBytes(path + "/keep"), "k");
}

TEST(ProfileFile, SaveClearsOnlyItsOwnStaleTemporaries)
{
    TempDir dir;
    const std::string path = dir.file("yrk.ini");
    WriteBytes(path, "[YRK]\n");
    const std::set<std::string> stale = {".yrk.ini.tmp0", ".yrk.ini.tmp123456"};
    const std::set<std::string> foreign = {".yrk.ini.tmp", ".yrk.ini.tmp12a", ".yrk.ini.tmp1234567",
                                           ".other.ini.tmp1", "yrk.ini.tmp1", ".yrk.ini.tmp1.bak"};
    for (const std::string& name : stale)
        WriteBytes(dir.file(name), "half a save");
    for (const std::string& name : foreign)
        WriteBytes(dir.file(name), "someone else's");
    std::filesystem::create_directory(dir.file(".yrk.ini.tmp5"));
    std::error_code noLinks;   // where links cannot be made, that case is left out
    std::filesystem::create_symlink("yrk.ini", dir.file(".yrk.ini.tmp7"), noLinks);

    fw::ProfileFile file(path);
    file.Set("YRK", "SIZE", "TRUE");
    ASSERT_TRUE(file.Save());
    std::set<std::string> expected = foreign;
    expected.insert({"yrk.ini", ".yrk.ini.tmp5"});
    if (!noLinks)
        expected.insert(".yrk.ini.tmp7");
    EXPECT_EQ(Entries(dir.path()), expected);
}

TEST(ProfileFile, ParentThatIsAFileFailsCleanly)
{
    TempDir dir;
    WriteBytes(dir.file("plain"), "p");
    const std::string path = dir.file("plain/yrk.ini");
    fw::ProfileFile file(path);
    EXPECT_TRUE(file.readable());
    EXPECT_EQ(file.Get("YRK", "POS", "3000 3000"), "3000 3000");
    file.Set("YRK", "POS", "1 1");
    EXPECT_FALSE(file.Save());
    EXPECT_EQ(ReadBytes(dir.file("plain")), "p");
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{"plain"});
}

}  // namespace

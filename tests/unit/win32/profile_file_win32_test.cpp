// Profile files on Windows: the per-user place under %APPDATA%, a folder that
// cannot be written, and a file the system refuses to replace.
#include <gtest/gtest.h>

#include <windows.h>
// The framework's functions of these names, not the system's macros.
#undef GetPrivateProfileString
#undef WritePrivateProfileString

#include <set>
#include <string>

#include "core/CommandLine.h"
#include "core/ProfileFile.h"
#include "settings/SettingsFile.h"
#include "support/TempDir.h"

namespace {

TEST(ProfileResolvePathWin32, BareNamesAndMissingFoldersGoToAppData)
{
    TempDir dir;
    const std::string appData = dir.path().string();
    EnvGuard guard("APPDATA", appData);
    const struct {
        std::string path;
        std::string resolved;
    } rows[] = {
        {"yrk.ini", appData + "\\yoruka\\yrk.ini"},
        {dir.file("yrk.ini"), dir.file("yrk.ini")},                         // writable: stays
        {dir.path().string() + "/yrk.ini", dir.path().string() + "/yrk.ini"},
        {dir.file("missing\\yrk.ini"), appData + "\\yoruka\\yrk.ini"},      // no such folder
        {dir.file("missing\\other.ini"), appData + "\\yoruka\\other.ini"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(fw::ResolveProfilePath(row.path), row.resolved) << row.path;
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{}) << "the probe leaves nothing behind";
}

TEST(ProfileResolvePathWin32, FirstSaveMakesThePerUserFolder)
{
    TempDir dir;
    EnvGuard guard("APPDATA", dir.file("Roaming"));
    ASSERT_TRUE(fw::WritePrivateProfileString("YRK", "CALLBY", "Quit", "yrk.ini"));
    EXPECT_EQ(ReadBytes(dir.file("Roaming\\yoruka\\yrk.ini")), "[YRK]\r\nCALLBY=Quit\r\n");
    EXPECT_EQ(fw::GetPrivateProfileString("YRK", "CALLBY", "none", "Q:\\no\\such\\yrk.ini"), "Quit");
}

TEST(ProfileFileWin32, ReadOnlyFileIsNotReplacedAndNothingIsLeftBehind)
{
    TempDir dir;
    const std::string path = dir.file("yrk.ini");
    WriteBytes(path, "[YRK]\r\nSIZE=TRUE\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    fw::ProfileFile file(path);
    file.Set("YRK", "SIZE", "FALSE");
    EXPECT_FALSE(file.Save());
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadBytes(path), "[YRK]\r\nSIZE=TRUE\r\n");
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{"yrk.ini"});
}

// A save that cannot replace the file beside the program goes to the
// per-user copy, the other lines with it, and is read from there; the file
// beside the program stays as it was. A folder that refuses new files needs
// rights that Wine does not keep; the missing folder above stands for it.
TEST(ProfilePlacesWin32, ASaveThatCannotGoBesideGoesToAppData)
{
    const std::string kept = "; exam\r\n[YRK]\r\nSIZE=FALSE\r\n";
    const struct {
        const char* name;
        bool directory;        // a directory in its place, else a read-only file
        const char* appData;   // under the test's folder; "plain" is a file
        std::string perUserAfter;
    } rows[] = {
        {"read-only file", false, "Roaming", "; exam\r\n[YRK]\r\nSIZE=TRUE\r\n"},
        {"a directory in its place", true, "Roaming", "[YRK]\r\nSIZE=TRUE\r\n"},
        {"nothing writable", false, "plain\\Roaming", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TempDir dir;
        WriteBytes(dir.file("plain"), "p");
        EnvGuard guard("APPDATA", dir.file(row.appData));
        const std::string beside = dir.file("yrk.ini");
        if (row.directory) {
            ASSERT_TRUE(CreateDirectoryA(beside.c_str(), nullptr));
        } else {
            WriteBytes(beside, kept);
            ASSERT_TRUE(SetFileAttributesA(beside.c_str(), FILE_ATTRIBUTE_READONLY));
        }
        const bool saved = !row.perUserAfter.empty();
        EXPECT_EQ(fw::WritePrivateProfileString("YRK", "SIZE", "TRUE", beside), saved);
        EXPECT_EQ(fw::GetPrivateProfileString("YRK", "SIZE", "none", beside), saved ? "TRUE" : "FALSE");
        EXPECT_EQ(ReadBytes(dir.file(row.appData) + "\\yoruka\\yrk.ini"), row.perUserAfter);
        SetFileAttributesA(beside.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!row.directory) {
            EXPECT_EQ(ReadBytes(beside), kept);
        }
    }
}

TEST(SettingsFilePathWin32, FromTheCommandLine)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\"C:\\Tools\\Exam\\prog.exe\"", "C:\\Tools\\Exam\\yrk.ini"},
        {"C:\\Tools\\Exam\\prog.exe", "C:\\Tools\\Exam\\yrk.ini"},
        {"\"C:\\Program Files\\Exam\\prog.exe\"  ", "C:\\Program Files\\Exam\\yrk.ini"},
        {"prog.exe", "yrk.ini"},
        {"\"D:\\ヨルカ\\表\\yoruka.exe\"", "D:\\ヨルカ\\表\\yrk.ini"},
    };
    for (const auto& [line, settings] : cases)
        EXPECT_EQ(SettingsFilePath(line), settings) << line;
}

TEST(SettingsFilePathWin32, TheRunningProgramsFolder)
{
    const std::string program = fw::ProgramFilePath(nullptr);
    const std::string folder = program.substr(0, program.find_last_of('\\') + 1);
    EXPECT_EQ(SettingsFilePath(fw::CommandLineProgramPath(nullptr)), folder + "yrk.ini")
        << fw::CommandLineProgramPath(nullptr);
}

}  // namespace

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

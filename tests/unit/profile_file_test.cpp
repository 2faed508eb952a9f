// Profile files on disk: the settings file as the program writes it, files
// that must come through a save unchanged, damaged files, failed writes and
// where a profile path really lives.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>

#include "core/AppIdentity.h"
#include "core/ProfileFile.h"
#include "support/TempDir.h"

namespace {

using namespace std::string_literals;

std::set<std::string> Entries(const std::string& dir)
{
    std::set<std::string> names;
    if (DIR* d = opendir(dir.c_str())) {
        while (const dirent* e = readdir(d)) {
            const std::string name = e->d_name;
            if (name != "." && name != "..")
                names.insert(name);
        }
        closedir(d);
    }
    return names;
}

mode_t ModeOf(const std::string& path)
{
    struct stat info{};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

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

    EXPECT_EQ(ReadBytes(path), "[YRK]\nTITLE=" + kTitle +
                                   "\nSTART=1999 4 19\nEXAM=1999 10 17\nNEXAM=2000 4 16\n"
                                   "SIZE=FALSE\nSHOWNEXTEXAM=FALSE\nPOS=412 300\nCALLBY=Dialog\n");
    for (const auto& [key, value] : keys)
        EXPECT_EQ(fw::GetPrivateProfileString("YRK", key, "-", path), value) << key;
    EXPECT_EQ(Entries(dir.path().string()), std::set<std::string>{"yrk.ini"});
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

TEST(ProfileFile, DamagedFilesReadAndSave)
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

TEST(ProfileFile, MissingFileGivesDefaultsAndIsCreated)
{
    TempDir dir;
    const std::string path = dir.file("yrk.ini");
    fw::ProfileFile file(path);
    EXPECT_TRUE(file.readable());
    EXPECT_EQ(file.Get("YRK", "START", "1999 4 19"), "1999 4 19");
    file.Set("YRK", "START", "2000 1 1");
    ASSERT_TRUE(file.Save());
    const mode_t mask = umask(022);
    umask(mask);
    EXPECT_EQ(ModeOf(path), 0666 & ~mask);
}

// Neither of these may ever be replaced by a file that lost the user's lines.
TEST(ProfileFile, NonRegularFileIsUnreadableAndNeverReplaced)
{
    TempDir dir;
    const std::string asDir = dir.file("dir.ini");
    const std::string asFifo = dir.file("fifo.ini");
    ASSERT_EQ(mkdir(asDir.c_str(), 0755), 0);
    WriteBytes(asDir + "/inside", "x");
    ASSERT_EQ(mkfifo(asFifo.c_str(), 0644), 0);
    for (const std::string& path : {asDir, asFifo}) {
        SCOPED_TRACE(path);
        fw::ProfileFile file(path);
        EXPECT_FALSE(file.readable());
        EXPECT_EQ(file.Get("YRK", "SIZE", "FALSE"), "FALSE");
        file.Set("YRK", "SIZE", "TRUE");
        EXPECT_FALSE(file.Save());
        EXPECT_FALSE(fw::WritePrivateProfileString("YRK", "SIZE", "TRUE", path));
    }
    EXPECT_EQ(Entries(dir.path().string()), (std::set<std::string>{"dir.ini", "fifo.ini"}));
    EXPECT_EQ(Entries(asDir), std::set<std::string>{"inside"});
}

TEST(ProfileFile, UnreadableFileIsNeverReplaced)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root reads a file of mode 000";
    TempDir dir;
    const std::string path = dir.file("yrk.ini");
    WriteBytes(path, "[YRK]\nSIZE=TRUE\n");
    chmod(path.c_str(), 0);
    fw::ProfileFile file(path);
    EXPECT_FALSE(file.readable());
    EXPECT_EQ(file.Get("YRK", "SIZE", "FALSE"), "FALSE");
    EXPECT_FALSE(fw::WritePrivateProfileString("YRK", "SIZE", "FALSE", path));
    chmod(path.c_str(), 0600);
    EXPECT_EQ(ReadBytes(path), "[YRK]\nSIZE=TRUE\n");
}

// Makes writes beyond `bytes` fail with EFBIG (even for root) while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(ProfileFile, FailedWriteLeavesOldFileWhole)
{
    TempDir dir;
    const std::string path = dir.file("yrk.ini");
    const std::string old = "[YRK]\nTITLE=old\nPOS=1 2\n";
    WriteBytes(path, old);
    fw::ProfileFile file(path);
    file.Set("YRK", "TITLE", std::string(4000, 't'));
    {
        FileSizeLimit limit(1024);
        EXPECT_FALSE(file.Save());
    }
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(Entries(dir.path().string()), std::set<std::string>{"yrk.ini"});
}

TEST(ProfileFile, FailedRenameLeavesNoTemporaryFile)
{
    TempDir dir;
    const std::string path = dir.file("yrk.ini");
    WriteBytes(path, "[YRK]\n");
    fw::ProfileFile file(path);
    file.Set("YRK", "SIZE", "TRUE");
    // The file turns into a non-empty directory before the save.
    ASSERT_EQ(unlink(path.c_str()), 0);
    ASSERT_EQ(mkdir(path.c_str(), 0755), 0);
    WriteBytes(path + "/keep", "k");
    EXPECT_FALSE(file.Save());
    EXPECT_EQ(Entries(dir.path().string()), std::set<std::string>{"yrk.ini"});
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
    ASSERT_EQ(mkdir(dir.file(".yrk.ini.tmp5").c_str(), 0755), 0);
    ASSERT_EQ(symlink("yrk.ini", dir.file(".yrk.ini.tmp7").c_str()), 0);

    fw::ProfileFile file(path);
    file.Set("YRK", "SIZE", "TRUE");
    ASSERT_TRUE(file.Save());
    std::set<std::string> expected = foreign;
    expected.insert({"yrk.ini", ".yrk.ini.tmp5", ".yrk.ini.tmp7"});
    EXPECT_EQ(Entries(dir.path().string()), expected);
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
    EXPECT_EQ(Entries(dir.path().string()), std::set<std::string>{"plain"});
}

TEST(ProfileFile, SymlinkIsWrittenThrough)
{
    TempDir dir;
    ASSERT_EQ(mkdir(dir.file("real").c_str(), 0755), 0);
    WriteBytes(dir.file("real/yrk.ini"), "[YRK]\nSIZE=FALSE\n");
    ASSERT_EQ(symlink("real/yrk.ini", dir.file("yrk.ini").c_str()), 0);
    ASSERT_EQ(symlink("real/new.ini", dir.file("dangling.ini").c_str()), 0);

    EXPECT_TRUE(fw::WritePrivateProfileString("YRK", "SIZE", "TRUE", dir.file("yrk.ini")));
    EXPECT_TRUE(fw::WritePrivateProfileString("YRK", "SIZE", "TRUE", dir.file("dangling.ini")));

    struct stat info{};
    ASSERT_EQ(lstat(dir.file("yrk.ini").c_str(), &info), 0);
    EXPECT_TRUE(S_ISLNK(info.st_mode));
    EXPECT_EQ(ReadBytes(dir.file("real/yrk.ini")), "[YRK]\nSIZE=TRUE\n");
    EXPECT_EQ(ReadBytes(dir.file("real/new.ini")), "[YRK]\nSIZE=TRUE\n");
    EXPECT_EQ(Entries(dir.file("real")), (std::set<std::string>{"new.ini", "yrk.ini"}));
}

TEST(ProfileFile, ReplaceKeepsPermissionBits)
{
    TempDir dir;
    const std::string path = dir.file("yrk.ini");
    WriteBytes(path, "[YRK]\n");
    ASSERT_EQ(chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(fw::WritePrivateProfileString("YRK", "POS", "5 5", path));
    EXPECT_EQ(ModeOf(path), 0640u);
}

TEST(ProfileResolvePath, PerUserPlace)
{
    TempDir dir;
    const std::string config = dir.path().string() + "/cfg";
    EnvGuard xdg("XDG_CONFIG_HOME", config);
    const struct {
        std::string path;
        std::string resolved;
    } rows[] = {
        {"yrk.ini", config + "/yoruka/yrk.ini"},
        {dir.file("yrk.ini"), dir.file("yrk.ini")},                 // writable: stays
        {dir.file("missing/yrk.ini"), config + "/yoruka/yrk.ini"},  // no such directory
        {dir.file("missing/other.ini"), config + "/yoruka/other.ini"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(fw::ResolveProfilePath(row.path), row.resolved) << row.path;
}

TEST(ProfileResolvePath, FallsBackToHomeConfig)
{
    {
        EnvGuard xdg("XDG_CONFIG_HOME", "relative/is/ignored");
        EnvGuard home("HOME", "/home/someone");
        EXPECT_EQ(fw::ResolveProfilePath("yrk.ini"), "/home/someone/.config/yoruka/yrk.ini");
    }
    EnvGuard xdg("XDG_CONFIG_HOME", std::nullopt);
    EnvGuard home("HOME", std::nullopt);
    const std::string fromPasswd = fw::ResolveProfilePath("yrk.ini");
    EXPECT_EQ(fromPasswd.front(), '/');
    EXPECT_TRUE(fromPasswd.ends_with("/.config/yoruka/yrk.ini")) << fromPasswd;
}

// A program that names no folder of its own still gets one, after its file.
TEST(ProfileResolvePath, FolderOfAProgramWithoutIdentityIsItsFileName)
{
    const fw::AppIdentity given = fw::TheAppIdentity();
    fw::SetAppIdentity({});
    EnvGuard xdg("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(fw::ResolveProfilePath("yrk.ini"), "/cfg/unit_tests/yrk.ini");
    EXPECT_EQ(fw::TheAppIdentity().helpFile, "unit_tests.html");
    fw::SetAppIdentity(given);
    EXPECT_EQ(fw::ResolveProfilePath("yrk.ini"), "/cfg/" + given.configFolder + "/yrk.ini");
}

TEST(ProfileResolvePath, FirstSaveCreatesPrivateDirectory)
{
    TempDir dir;
    EnvGuard xdg("XDG_CONFIG_HOME", dir.file("cfg"));
    EXPECT_EQ(fw::GetPrivateProfileString("YRK", "CALLBY", "none", "yrk.ini"), "none");
    ASSERT_TRUE(fw::WritePrivateProfileString("YRK", "CALLBY", "Quit", "yrk.ini"));
    EXPECT_EQ(ModeOf(dir.file("cfg/yoruka")), 0700u);
    EXPECT_EQ(ReadBytes(dir.file("cfg/yoruka/yrk.ini")), "[YRK]\nCALLBY=Quit\n");
    EXPECT_EQ(fw::GetPrivateProfileString("YRK", "CALLBY", "none", "/nonexistent/dir/yrk.ini"), "Quit");
}

}  // namespace

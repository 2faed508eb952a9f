// Profile files on Linux: file modes, links, FIFOs, a full disk and the
// per-user place under XDG_CONFIG_HOME or the home directory.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <optional>
#include <set>
#include <string>

#include "core/AppIdentity.h"
#include "core/ProfileFile.h"
#include "support/TempDir.h"

namespace {

mode_t ModeOf(const std::string& path)
{
    struct stat info{};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
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
    EXPECT_EQ(Entries(dir.path()), (std::set<std::string>{"dir.ini", "fifo.ini"}));
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
    EXPECT_EQ(Entries(dir.path()), std::set<std::string>{"yrk.ini"});
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

// Profile files on Linux: file modes, links, FIFOs, a full disk and the
// per-user place under XDG_CONFIG_HOME or the home directory.
#include <gtest/gtest.h>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <functional>
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

// Neither of these may ever be replaced by a file that lost the user's lines;
// a profile named so is kept in the per-user place instead.
TEST(ProfileFile, NonRegularFileIsUnreadableAndNeverReplaced)
{
    TempDir dir;
    EnvGuard xdg("XDG_CONFIG_HOME", dir.file("cfg"));
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
        EXPECT_TRUE(fw::WritePrivateProfileString("YRK", "SIZE", "TRUE", path));
    }
    EXPECT_EQ(Entries(dir.path()), (std::set<std::string>{"cfg", "dir.ini", "fifo.ini"}));
    EXPECT_EQ(Entries(asDir), std::set<std::string>{"inside"});
    EXPECT_EQ(Entries(dir.file("cfg/yoruka")), (std::set<std::string>{"dir.ini", "fifo.ini"}));
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

constexpr uid_t kNobody = 65534;

// Runs `step` as a user who may not write what root made: as root (who may
// write any file, so no refusal could be seen), in a child process as
// nobody; as anyone else, right here.
void AsTheUser(const std::function<void()>& step)
{
    if (geteuid() != 0) {
        step();
        return;
    }
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const bool dropped = setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0;
        if (dropped)
            step();
        _exit(dropped && !::testing::Test::HasFailure() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the step as nobody failed";
}

// Makes `path` the user's of AsTheUser.
void GiveToTheUser(const std::string& path)
{
    if (geteuid() == 0) {
        ASSERT_EQ(chown(path.c_str(), kNobody, kNobody), 0);
    }
}

// The program's folder with the settings file beside the program, and the
// per-user place under XDG_CONFIG_HOME.
struct Places {
    explicit Places(const TempDir& dir)
        : app(dir.file("app")), beside(app + "/yrk.ini"), config(dir.file("cfg")),
          perUser(config + "/yoruka/yrk.ini")
    {
    }
    std::string app, beside, config, perUser;
};

// The file beside the program, with a comment and CRLF that the per-user
// copy must keep; a save of SIZE=TRUE turns it into kSaved.
const std::string kBeside = "; exam\r\n[YRK]\r\nSIZE=FALSE\r\nPOS=1 2\r\n";
const std::string kSaved = "; exam\r\n[YRK]\r\nSIZE=TRUE\r\nPOS=1 2\r\n";

void OwnFile(const Places& p)
{
    WriteBytes(p.beside, kBeside);
    GiveToTheUser(p.beside);
}

// Every place a save may meet: where the change goes, what the next read
// finds, and that the file beside the program stays as it was wherever it
// may not be written.
TEST(ProfilePlaces, ASaveGoesWhereItCanAndIsReadFromThere)
{
    const struct {
        const char* name;
        std::function<void(const Places&)> make;
        bool besideTakesIt;
        std::optional<std::string> perUserAfter;   // none: no per-user file is made
        bool needsAnotherUser = false;              // only root can give a file away
    } rows[] = {
        {"own file, own folder", OwnFile, true, std::nullopt},
        {"read-only folder",
         [](const Places& p) { OwnFile(p); chmod(p.app.c_str(), 0555); }, false, kSaved},
        {"own file of mode 444",
         [](const Places& p) { OwnFile(p); chmod(p.beside.c_str(), 0444); }, false, kSaved},
        {"another user's file in the user's folder",
         [](const Places& p) { WriteBytes(p.beside, kBeside); }, false, kSaved, true},
        {"another user's file, mode 666, in a sticky folder",
         [](const Places& p) {
             chown(p.app.c_str(), 0, 0);
             chmod(p.app.c_str(), 01777);
             WriteBytes(p.beside, kBeside);
             chmod(p.beside.c_str(), 0666);
         }, false, kSaved, true},
        // Its lines cannot be carried over: nothing is saved, nothing hides it.
        {"own file that cannot be read",
         [](const Places& p) { OwnFile(p); chmod(p.beside.c_str(), 0); }, false, std::nullopt},
        {"a directory in its place",
         [](const Places& p) { mkdir(p.beside.c_str(), 0755); }, false, "[YRK]\nSIZE=TRUE\n"},
        {"a FIFO in its place",
         [](const Places& p) { mkfifo(p.beside.c_str(), 0644); }, false, "[YRK]\nSIZE=TRUE\n"},
        {"nothing writable",
         [](const Places& p) { OwnFile(p); chmod(p.app.c_str(), 0555); chmod(p.config.c_str(), 0555); },
         false, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.needsAnotherUser && geteuid() != 0) {
            std::cout << "not tried without root: " << row.name << "\n";
            continue;
        }
        TempDir dir;
        const Places p(dir);
        EnvGuard xdg("XDG_CONFIG_HOME", p.config);
        for (const std::string& folder : {p.app, p.config}) {
            ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
            GiveToTheUser(folder);
        }
        struct stat before{};
        row.make(p);
        lstat(p.beside.c_str(), &before);
        const bool saved = row.besideTakesIt || row.perUserAfter;
        AsTheUser([&] { EXPECT_EQ(fw::WritePrivateProfileString("YRK", "SIZE", "TRUE", p.beside), saved); });

        struct stat after{};
        lstat(p.beside.c_str(), &after);
        EXPECT_EQ(after.st_mode, before.st_mode);
        if (S_ISREG(after.st_mode)) {
            chmod(p.beside.c_str(), 0644);   // readable for the checks, also without root
            EXPECT_EQ(ReadBytes(p.beside), row.besideTakesIt ? kSaved : kBeside);
        }
        EXPECT_EQ(ReadBytes(p.perUser), row.perUserAfter.value_or(""));
        EXPECT_EQ(fw::GetPrivateProfileString("YRK", "SIZE", "none", p.beside), saved ? "TRUE" : "FALSE");
        chmod(p.app.c_str(), 0755);   // lets TempDir clear them without root
        chmod(p.config.c_str(), 0755);
    }
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

// The single-instance lock, with its file in a directory of the test's own.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "core/InstanceLock.h"
#include "support/TempDir.h"

namespace {

using Result = fw::InstanceLock::Result;

class InstanceLockTest : public ::testing::Test {
protected:
    TempDir dir;
    EnvGuard runtimeDir{"XDG_RUNTIME_DIR", dir.path().string()};
};

// Runs Acquire in a child process and reports its result from there.
// _exit runs no destructor, so a lock it took is left to the kernel.
Result AcquireInChild(const std::string& name)
{
    const pid_t pid = fork();
    if (pid == 0) {
        fw::InstanceLock lock;
        _exit(static_cast<int>(lock.Acquire(name)));
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return static_cast<Result>(WEXITSTATUS(status));
}

TEST(InstanceLock, LockFilePlace)
{
    const std::string tmp = "/tmp/yoruka-" + std::to_string(getuid()) + ".lock";
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {"/run/user/1000", "/run/user/1000/yoruka.lock"},
        {std::nullopt, tmp},
        {"", tmp},
        {"relative/dir", tmp},
    };
    for (const auto& [runtimeDir, path] : cases) {
        EnvGuard guard("XDG_RUNTIME_DIR", runtimeDir);
        EXPECT_EQ(fw::InstanceLock::LockFilePath("yoruka"), path) << runtimeDir.value_or("(unset)");
    }
}

TEST_F(InstanceLockTest, SecondHolderOfTheSameNameIsRefused)
{
    fw::InstanceLock first, second, other;
    EXPECT_EQ(first.Acquire("yoruka"), Result::acquired);
    EXPECT_EQ(second.Acquire("yoruka"), Result::alreadyRunning);
    EXPECT_EQ(other.Acquire("yoruka2"), Result::acquired);
    EXPECT_EQ(AcquireInChild("yoruka"), Result::alreadyRunning);
}

TEST_F(InstanceLockTest, ReleasedWhenTheHolderGoes)
{
    {
        fw::InstanceLock first;
        ASSERT_EQ(first.Acquire("yoruka"), Result::acquired);
    }
    fw::InstanceLock next;
    EXPECT_EQ(next.Acquire("yoruka"), Result::acquired);
    // The file stays: removing it would race with a copy that is starting.
    EXPECT_TRUE(std::filesystem::exists(dir.file("yoruka.lock")));
}

TEST_F(InstanceLockTest, ReleasedWhenTheHoldingProcessEnds)
{
    EXPECT_EQ(AcquireInChild("yoruka"), Result::acquired);
    fw::InstanceLock lock;
    EXPECT_EQ(lock.Acquire("yoruka"), Result::acquired);
}

TEST_F(InstanceLockTest, UnusablePlaceMeansNoLock)
{
    std::filesystem::create_directory(dir.file("yoruka.lock"));
    std::filesystem::create_symlink(dir.file("target"), dir.file("linked.lock"));
    for (const char* name : {"yoruka", "linked"}) {
        fw::InstanceLock lock;
        EXPECT_EQ(lock.Acquire(name), Result::unavailable) << name;
    }
    EnvGuard missing("XDG_RUNTIME_DIR", dir.file("no/such/dir"));
    fw::InstanceLock lock;
    EXPECT_EQ(lock.Acquire("yoruka"), Result::unavailable);
}

}  // namespace

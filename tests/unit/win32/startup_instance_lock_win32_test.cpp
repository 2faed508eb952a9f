// The single-instance lock as a named mutex: one holder per name, gone with
// its holder, and no lock at all where the name belongs to another object.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "core/InstanceLock.h"

namespace {

using Result = fw::InstanceLock::Result;

// A name no other test or program uses.
std::string UniqueName(const char* what)
{
    return std::string("yrk-test-") + what + "-" + std::to_string(GetCurrentProcessId());
}

TEST(InstanceLockWin32, OneHolderPerNameUntilItGoes)
{
    const std::string name = UniqueName("mutex");
    auto first = std::make_unique<fw::InstanceLock>();
    ASSERT_EQ(first->Acquire(name), Result::acquired);
    fw::InstanceLock second;
    EXPECT_EQ(second.Acquire(name), Result::alreadyRunning);
    fw::InstanceLock other;
    EXPECT_EQ(other.Acquire(name + "-other"), Result::acquired) << "another name runs beside it";
    first.reset();
    EXPECT_EQ(second.Acquire(name), Result::acquired) << "the mutex went with its holder";
}

TEST(InstanceLockWin32, NameOfAnotherKindOfObjectMeansNoLock)
{
    const std::string name = UniqueName("event");
    const HANDLE event = CreateEventA(nullptr, TRUE, FALSE, name.c_str());
    ASSERT_NE(event, nullptr);
    fw::InstanceLock lock;
    EXPECT_EQ(lock.Acquire(name), Result::unavailable);
    CloseHandle(event);
}

}  // namespace

// Every unit test runs as the program would: with its configuration folder
// and help file names handed to the framework before the first test, and
// with a per-user place of its own, empty, so that no settings of the
// machine's user are read or written (a per-user copy would be read before
// any file a test names).
#include <gtest/gtest.h>

#include <memory>

#include "app/Identity.h"
#include "support/TempDir.h"

namespace {

#ifdef _WIN32
constexpr const char* kPerUserVariable = "APPDATA";
#else
constexpr const char* kPerUserVariable = "XDG_CONFIG_HOME";
#endif

class ProgramIdentityEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        fw::SetAppIdentity(ProgramIdentity());
        m_perUser = std::make_unique<TempDir>();
        m_guard = std::make_unique<EnvGuard>(kPerUserVariable, m_perUser->path().string());
    }
    void TearDown() override
    {
        m_guard.reset();
        m_perUser.reset();
    }

private:
    std::unique_ptr<TempDir> m_perUser;
    std::unique_ptr<EnvGuard> m_guard;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new ProgramIdentityEnvironment);

}  // namespace

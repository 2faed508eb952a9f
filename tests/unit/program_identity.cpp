// Every unit test runs as the program would: with its configuration folder
// and help file names handed to the framework before the first test.
#include <gtest/gtest.h>

#include "app/Identity.h"

namespace {

class ProgramIdentityEnvironment : public ::testing::Environment {
public:
    void SetUp() override { fw::SetAppIdentity(ProgramIdentity()); }
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new ProgramIdentityEnvironment);

}  // namespace

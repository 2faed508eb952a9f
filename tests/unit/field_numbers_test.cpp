// The number-reading rule of dialog fields.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/FieldNumbers.h"

namespace {

constexpr std::uint32_t kMax32 = 4294967295u;

struct UnsignedCase {
    const char* text;
    std::optional<std::uint32_t> value;
};

class FrameworkReadUnsigned : public ::testing::TestWithParam<UnsignedCase> {};

TEST_P(FrameworkReadUnsigned, FollowsTheReadingRule)
{
    EXPECT_EQ(fw::ReadUnsignedField(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

const std::string kSevenThen30Blanks = "7" + std::string(30, ' ') + "x";   // the x is past the 31st character
const std::string kSevenThen29Blanks = "7" + std::string(29, ' ') + "x";

INSTANTIATE_TEST_SUITE_P(Texts, FrameworkReadUnsigned,
                         ::testing::Values(UnsignedCase{" 7 ", 7u}, UnsignedCase{"\t7\t", 7u}, UnsignedCase{"+7", 7u},
                                           UnsignedCase{"007", 7u}, UnsignedCase{"0", 0u}, UnsignedCase{" 0 ", 0u},
                                           UnsignedCase{"4294967295", kMax32}, UnsignedCase{"4294967296", kMax32},
                                           UnsignedCase{"99999999999999999999", kMax32},
                                           UnsignedCase{kSevenThen30Blanks.c_str(), 7u},
                                           UnsignedCase{kSevenThen29Blanks.c_str(), std::nullopt},
                                           UnsignedCase{"", std::nullopt}, UnsignedCase{"   ", std::nullopt},
                                           UnsignedCase{"abc", std::nullopt}, UnsignedCase{"+", std::nullopt},
                                           UnsignedCase{"+0", std::nullopt}, UnsignedCase{"-3", std::nullopt},
                                           UnsignedCase{" -0", std::nullopt}, UnsignedCase{"7x", std::nullopt},
                                           UnsignedCase{"7 8", std::nullopt}, UnsignedCase{"0x10", std::nullopt},
                                           UnsignedCase{"７", std::nullopt}));

struct SignedCase {
    const char* text;
    std::optional<std::int32_t> value;
};

class FrameworkReadSigned : public ::testing::TestWithParam<SignedCase> {};

TEST_P(FrameworkReadSigned, FollowsTheReadingRuleWithASign)
{
    EXPECT_EQ(fw::ReadSignedField(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, FrameworkReadSigned,
                         ::testing::Values(SignedCase{"-3", -3}, SignedCase{" -9 ", -9}, SignedCase{"+7", 7},
                                           SignedCase{"339", 339}, SignedCase{"0", 0},
                                           SignedCase{"2147483648", 2147483647},
                                           SignedCase{"-2147483649", -2147483647 - 1},
                                           SignedCase{"-0", std::nullopt}, SignedCase{"-", std::nullopt},
                                           SignedCase{"--3", std::nullopt}, SignedCase{"- 3", std::nullopt},
                                           SignedCase{"3-", std::nullopt}, SignedCase{"", std::nullopt}));

}  // namespace

#include "SystemAccountName.h"
#include "UserName.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char* label;
    std::optional<std::string> account;
    std::string expected;
};

void PrintTo(const NameCase& nameCase, std::ostream* out)
{
    *out << nameCase.label;
}

class LogonUserNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(LogonUserNameTest, TakesShortNamesAndFallsBackOtherwise)
{
    EXPECT_EQ(LogonUserName(GetParam().account), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, LogonUserNameTest,
    ::testing::Values(
        NameCase{"Plain", "user1", "user1"},
        NameCase{"OneByte", "a", "a"},
        NameCase{"Exactly15Bytes", "abcdefghijklmno", "abcdefghijklmno"},
        NameCase{"Bytes16", "abcdefghijklmnop", "Trelk_Conv"},
        NameCase{"VeryLong", std::string(300, 'x'), "Trelk_Conv"},
        NameCase{"Empty", "", "Trelk_Conv"},
        NameCase{"Unavailable", std::nullopt, "Trelk_Conv"},
        // Bytes count, not characters: five 3-byte characters fit, six do not.
        NameCase{"Multibyte15Bytes", "\xE5\xB1\xB1\xE7\x94\xB0\xE5\xA4\xAA\xE9\x83\x8E\xE5\xAD\x90",
                 "\xE5\xB1\xB1\xE7\x94\xB0\xE5\xA4\xAA\xE9\x83\x8E\xE5\xAD\x90"},
        NameCase{"Multibyte18Bytes",
                 "\xE5\xB1\xB1\xE7\x94\xB0\xE5\xA4\xAA\xE9\x83\x8E\xE5\xAD\x90\xE5\xAD\x90",
                 "Trelk_Conv"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(SystemAccountNameTest, NamesTheEffectiveUser)
{
    std::optional<std::string> name = SystemAccountName();
    ASSERT_TRUE(name.has_value());
    EXPECT_FALSE(name->empty());
}

}  // namespace

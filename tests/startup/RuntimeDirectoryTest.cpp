#include "RuntimeDirectory.h"

#include "TempDir.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t ModeOf(const std::string& path)
{
    struct stat info{};
    lstat(path.c_str(), &info);
    return info.st_mode & 07777;
}

// What the runtime directory variable is made to point at.
enum class Offered { Unset, Private, GroupReadable, OthersSearchable, LinkToPrivate, File, Relative };

struct OfferCase {
    const char* label;
    Offered offered;
    bool taken;  // else the fallback under the given parent is used
};

void PrintTo(const OfferCase& offerCase, std::ostream* out)
{
    *out << offerCase.label;
}

class RuntimeDirectoryTest : public ::testing::TestWithParam<OfferCase> {
protected:
    // The directory to hand over as $XDG_RUNTIME_DIR, or nullptr.
    const char* Prepare(Offered offered)
    {
        std::string target = m_temp / "runtime";
        switch (offered) {
        case Offered::Unset:
            return nullptr;
        case Offered::Private:
            mkdir(target.c_str(), 0700);
            break;
        case Offered::GroupReadable:
            mkdir(target.c_str(), 0700);
            chmod(target.c_str(), 0740);
            break;
        case Offered::OthersSearchable:
            mkdir(target.c_str(), 0700);
            chmod(target.c_str(), 0701);
            break;
        case Offered::LinkToPrivate: {
            std::string real = m_temp / "real";
            mkdir(real.c_str(), 0700);
            symlink(real.c_str(), target.c_str());
            break;
        }
        case Offered::File:
            std::ofstream(target).put('x');
            break;
        case Offered::Relative:
            m_offered = "runtime";
            return m_offered.c_str();
        }
        m_offered = target;
        return m_offered.c_str();
    }

    TempDir m_temp;
    std::string m_offered;
};

TEST_P(RuntimeDirectoryTest, TakesOnlyAPrivateDirectory)
{
    const char* offered = Prepare(GetParam().offered);
    std::string parent = m_temp / "tmp";
    ASSERT_EQ(mkdir(parent.c_str(), 0777), 0);
    std::string fallback = parent + "/trelk-dump-" + std::to_string(geteuid());

    std::optional<std::string> chosen = PrivateRuntimeDirectory(offered, parent);
    ASSERT_TRUE(chosen.has_value());
    if (GetParam().taken) {
        EXPECT_EQ(*chosen, offered);
    } else {
        EXPECT_EQ(*chosen, fallback);
        EXPECT_EQ(ModeOf(fallback), 0700u);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Offers, RuntimeDirectoryTest,
    ::testing::Values(OfferCase{"Unset", Offered::Unset, false},
                      OfferCase{"Private", Offered::Private, true},
                      OfferCase{"GroupReadable", Offered::GroupReadable, false},
                      OfferCase{"OthersSearchable", Offered::OthersSearchable, false},
                      OfferCase{"LinkToPrivate", Offered::LinkToPrivate, false},
                      OfferCase{"File", Offered::File, false},
                      OfferCase{"Relative", Offered::Relative, false}),
    [](const auto& info) { return std::string(info.param.label); });

// Someone else may have made the fallback first in a shared /tmp; such a
// directory is never trusted (nor repaired).
TEST(RuntimeDirectoryFallbackTest, RefusesAnOpenFallback)
{
    TempDir temp;
    std::string fallback = temp / ("trelk-dump-" + std::to_string(geteuid()));
    ASSERT_EQ(mkdir(fallback.c_str(), 0700), 0);
    ASSERT_EQ(chmod(fallback.c_str(), 0777), 0);
    EXPECT_FALSE(PrivateRuntimeDirectory(nullptr, temp.Path()).has_value());
    EXPECT_EQ(ModeOf(fallback), 0777u);
}

TEST(RuntimeDirectoryFallbackTest, RefusesAFallbackOfAnotherAccount)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to give a directory away";
    TempDir temp;
    std::string fallback = temp / "trelk-dump-0";
    ASSERT_EQ(mkdir(fallback.c_str(), 0700), 0);
    ASSERT_EQ(chown(fallback.c_str(), 65534, 65534), 0);
    EXPECT_FALSE(PrivateRuntimeDirectory(nullptr, temp.Path()).has_value());
}

TEST(RuntimeDirectoryFallbackTest, RefusesALinkPlantedAsFallback)
{
    TempDir temp;
    std::string elsewhere = temp / "elsewhere";
    ASSERT_EQ(mkdir(elsewhere.c_str(), 0700), 0);
    std::string fallback = temp / ("trelk-dump-" + std::to_string(geteuid()));
    ASSERT_EQ(symlink(elsewhere.c_str(), fallback.c_str()), 0);
    EXPECT_FALSE(PrivateRuntimeDirectory(nullptr, temp.Path()).has_value());
}

}  // namespace

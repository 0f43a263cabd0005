#include "CurrentDirectory.h"

#include "TempDir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Each test changes the current directory; put it back afterwards.
class CurrentDirectoryTest : public ::testing::TestWithParam<std::size_t> {
protected:
    void SetUp() override { m_saved = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); }
    void TearDown() override
    {
        ASSERT_EQ(fchdir(m_saved), 0);
        close(m_saved);
    }
    int m_saved = -1;
    TempDir m_temp;
};

// Goes down into new directories from here until the path is at least
// `length` bytes long; returns the path.
std::string DescendTo(const std::string& top, std::size_t length)
{
    std::string path = top;
    const std::string step(200, 'd');
    EXPECT_EQ(chdir(top.c_str()), 0);
    while (path.size() < length) {
        std::string name = step.substr(0, std::min(step.size(), length - path.size()));
        if (name.size() < 2)
            name = "dd";
        EXPECT_EQ(mkdir(name.c_str(), 0700), 0);
        EXPECT_EQ(chdir(name.c_str()), 0);
        path += "/" + name;
    }
    return path;
}

TEST_P(CurrentDirectoryTest, ReportsTheWholePath)
{
    std::string expected = DescendTo(m_temp.Path(), GetParam());
    std::optional<std::string> reported = CurrentDirectory();
    ASSERT_TRUE(reported.has_value());
    EXPECT_EQ(*reported, expected);
}

// Short, just over the 260 bytes a fixed buffer would hold, and deeper
// than the system's PATH_MAX.
INSTANTIATE_TEST_SUITE_P(Lengths, CurrentDirectoryTest, ::testing::Values(10, 261, 1500, 5000));

TEST_F(CurrentDirectoryTest, NothingWhenTheDirectoryIsGone)
{
    std::string gone = m_temp / "gone";
    ASSERT_EQ(mkdir(gone.c_str(), 0700), 0);
    ASSERT_EQ(chdir(gone.c_str()), 0);
    ASSERT_EQ(rmdir(gone.c_str()), 0);
    EXPECT_FALSE(CurrentDirectory().has_value());
}

}  // namespace

#include "UserLock.h"

#include "TempDir.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class UserLockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        chmod(m_runtime.Path().c_str(), 0700);
        setenv("XDG_RUNTIME_DIR", m_runtime.Path().c_str(), 1);
    }

    // Whether another holder could take the lock file right now.
    bool Free(const std::string& path)
    {
        int fd = open(path.c_str(), O_RDWR | O_CLOEXEC);
        if (fd < 0)
            return false;
        bool taken = flock(fd, LOCK_EX | LOCK_NB) == 0;
        close(fd);
        return taken;
    }

    TempDir m_runtime;
};

TEST_F(UserLockTest, LockFileIsNamedAfterTheLockAndPrivate)
{
    UserLock lock("TRELK_DUMP_user1_MUTEX");
    ASSERT_TRUE(lock.IsValid());
    EXPECT_EQ(lock.Path(), m_runtime / "TRELK_DUMP_user1_MUTEX");
    struct stat info{};
    ASSERT_EQ(stat(lock.Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(UserLockTest, ExcludesOthersOnlyWhileHeld)
{
    UserLock lock("TRELK_DUMP_user1_MUTEX");
    EXPECT_TRUE(Free(lock.Path()));
    lock.Lock();
    EXPECT_FALSE(Free(lock.Path()));
    lock.Unlock();
    EXPECT_TRUE(Free(lock.Path()));
    lock.Lock();
    EXPECT_FALSE(Free(lock.Path()));
}

TEST_F(UserLockTest, NamesAreIndependent)
{
    UserLock first("TRELK_DUMP_user1_MUTEX");
    UserLock second("TRELK_DUMP_user2_MUTEX");
    first.Lock();
    EXPECT_TRUE(Free(second.Path()));
}

TEST_F(UserLockTest, ReleasedWhenTheHolderDies)
{
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        UserLock lock("TRELK_DUMP_user1_MUTEX");
        lock.Lock();
        char byte = 'x';
        if (write(ready[1], &byte, 1) != 1)
            _exit(1);
        pause();
        _exit(0);
    }
    char byte;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    std::string path = m_runtime / "TRELK_DUMP_user1_MUTEX";
    EXPECT_FALSE(Free(path));
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_TRUE(Free(path));
    close(ready[0]);
    close(ready[1]);
}

}  // namespace

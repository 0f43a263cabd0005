#include "SingleInstance.h"

#include "TempDir.h"

#include <chrono>
#include <cstdlib>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

class SingleInstanceTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("XDG_RUNTIME_DIR", m_runtime.Path().c_str(), 1); }

    std::string Endpoint() const { return SingleInstance::EndpointPath(m_runtime.Path()); }

    // Signals from another thread while this one answers like a main loop
    // would; true when the signal reached the instance.
    bool SignalWhileServing(SingleInstance& server, const int& requests, int expectedRequests)
    {
        auto signal = std::async(std::launch::async, SingleInstance::SignalRunningInstance);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (requests < expectedRequests && std::chrono::steady_clock::now() < deadline) {
            server.AnswerPending();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return signal.get();
    }

    // What a crashed instance leaves behind: a bound socket file nobody serves.
    void LeaveStaleEndpoint()
    {
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        Endpoint().copy(address.sun_path, sizeof address.sun_path - 1);
        ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        close(fd);
    }

    TempDir m_runtime;
};

TEST_F(SingleInstanceTest, NobodyToSignalWithoutAnEndpoint)
{
    EXPECT_FALSE(SingleInstance::SignalRunningInstance());
}

TEST_F(SingleInstanceTest, ARunningInstanceIsAskedToComeForward)
{
    int requests = 0;
    SingleInstance server([&requests] { ++requests; });
    ASSERT_TRUE(server.Serve());
    struct stat info{};
    ASSERT_EQ(lstat(Endpoint().c_str(), &info), 0);
    EXPECT_TRUE(S_ISSOCK(info.st_mode));
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    EXPECT_TRUE(SignalWhileServing(server, requests, 1));
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(SignalWhileServing(server, requests, 2));
    EXPECT_EQ(requests, 2);
}

TEST_F(SingleInstanceTest, StoppingRemovesTheEndpoint)
{
    {
        SingleInstance server([] {});
        ASSERT_TRUE(server.Serve());
    }
    EXPECT_NE(access(Endpoint().c_str(), F_OK), 0);
    EXPECT_FALSE(SingleInstance::SignalRunningInstance());
}

TEST_F(SingleInstanceTest, AStaleEndpointDoesNotBlockANewStart)
{
    LeaveStaleEndpoint();
    EXPECT_FALSE(SingleInstance::SignalRunningInstance());

    int requests = 0;
    SingleInstance server([&requests] { ++requests; });
    ASSERT_TRUE(server.Serve());
    EXPECT_TRUE(SignalWhileServing(server, requests, 1));
}

TEST_F(SingleInstanceTest, ASecondServerLeavesTheLiveOneInPlace)
{
    int requests = 0;
    SingleInstance first([&requests] { ++requests; });
    ASSERT_TRUE(first.Serve());
    {
        SingleInstance second([] {});
        EXPECT_FALSE(second.Serve());
    }
    // The second one's end removed nothing: the first is still reached.
    EXPECT_TRUE(SignalWhileServing(first, requests, 2));
}

TEST_F(SingleInstanceTest, AnUntrustedDirectoryIsNotUsed)
{
    // Opened up: XDG_RUNTIME_DIR is no longer private, so the endpoint in it
    // is not looked at.
    SingleInstance server([] {});
    ASSERT_TRUE(server.Serve());
    ASSERT_EQ(chmod(m_runtime.Path().c_str(), 0755), 0);
    std::string fallback = "/tmp/trelk-dump-" + std::to_string(geteuid());
    bool fallbackExisted = access(fallback.c_str(), F_OK) == 0;
    if (fallbackExisted && access(SingleInstance::EndpointPath(fallback).c_str(), F_OK) == 0)
        GTEST_SKIP() << "a real instance serves " << fallback;
    EXPECT_FALSE(SingleInstance::SignalRunningInstance());
    ASSERT_EQ(chmod(m_runtime.Path().c_str(), 0700), 0);
    if (!fallbackExisted)
        rmdir(fallback.c_str());
}

TEST_F(SingleInstanceTest, AnotherAccountCannotReachTheEndpoint)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another account";
    int requests = 0;
    SingleInstance server([&requests] { ++requests; });
    ASSERT_TRUE(server.Serve());
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(2);
        int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        Endpoint().copy(address.sun_path, sizeof address.sun_path - 1);
        _exit(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 ? 1 : 0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the other account connected";
    server.AnswerPending();
    EXPECT_EQ(requests, 0);
}

}  // namespace

// A binary of its own: it replaces the global operator new to see the
// largest single request a load makes.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <ostream>
#include <string>
#include <thread>

#include <sys/stat.h>

#include "CArchive.h"
#include "CArchiveException.h"
#include "SettingsFiles.h"

namespace {
std::atomic<std::size_t> g_largestRequest{0};
}

void* operator new(std::size_t size)
{
    std::size_t seen = g_largestRequest.load();
    while (size > seen && !g_largestRequest.compare_exchange_weak(seen, size)) {
    }
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

struct LengthCase {
    const char* name;
    std::string prefix;
};

void PrintTo(const LengthCase& c, std::ostream* os) { *os << c.name; }

class HugeLength : public ::testing::TestWithParam<LengthCase> {};

// A damaged length in a small file must fail before it asks for the memory
// the length names.
TEST_P(HugeLength, FailsWithoutAllocatingIt)
{
    TempDir dir;
    const std::string path = dir.File("huge.dat");
    WriteBytes(path, GetParam().prefix + "just a few bytes");
    TextItem item;
    g_largestRequest = 0;
    try {
        Load(path, item);
        FAIL() << "load succeeded";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
    EXPECT_LT(g_largestRequest.load(), 64u * 1024);
}

// A pipe cannot tell how much is left: the text may then grow only with
// the bytes that actually arrive.
TEST_P(HugeLength, FromAPipeFailsWithoutAllocatingIt)
{
    TempDir dir;
    const std::string path = dir.File("huge.fifo");
    ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
    std::thread writer([&] { WriteBytes(path, GetParam().prefix + "just a few bytes"); });
    TextItem item;
    g_largestRequest = 0;
    EXPECT_THROW(Load(path, item), CArchiveException);
    writer.join();
    EXPECT_LT(g_largestRequest.load(), 64u * 1024);
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, HugeLength,
    ::testing::Values(LengthCase{"Max32", "\xFF\xFF\xFF\xFF\xFF\xFF\xFF"},
                      LengthCase{"Max31", "\xFF\xFF\xFF\xFF\xFF\xFF\x7F"},
                      LengthCase{"SixteenMegabytes", std::string("\xFF\xFF\xFF\x00\x00\x00\x01", 7)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

// A binary of its own: its global operator new is replaced to see the
// largest single request a load makes.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <thread>

#include <sys/stat.h>

#include "AllocationCounter.h"
#include "CArchive.h"
#include "CArchiveException.h"
#include "SettingsFiles.h"

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
    ResetLargestRequest();
    try {
        Load(path, item);
        FAIL() << "load succeeded";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
    EXPECT_LT(LargestRequest(), 64u * 1024);
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
    ResetLargestRequest();
    EXPECT_THROW(Load(path, item), CArchiveException);
    writer.join();
    EXPECT_LT(LargestRequest(), 64u * 1024);
}

INSTANTIATE_TEST_SUITE_P(
    Prefixes, HugeLength,
    ::testing::Values(LengthCase{"Max32", "\xFF\xFF\xFF\xFF\xFF\xFF\xFF"},
                      LengthCase{"Max31", "\xFF\xFF\xFF\xFF\xFF\xFF\x7F"},
                      LengthCase{"SixteenMegabytes", std::string("\xFF\xFF\xFF\x00\x00\x00\x01", 7)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

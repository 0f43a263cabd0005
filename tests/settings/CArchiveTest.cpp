#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <string>

#include "CArchive.h"
#include "CArchiveException.h"
#include "CFile.h"
#include "SettingsFiles.h"

namespace {

std::string Bytes(std::initializer_list<unsigned> values)
{
    std::string out;
    for (unsigned v : values)
        out += static_cast<char>(v);
    return out;
}

std::string LittleEndian32(uint32_t v)
{
    return Bytes({v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF, v >> 24});
}

// A string item followed by a number: the number shows that the reader took
// exactly the item's bytes, no more and no fewer.
struct TextThenNumber {
    std::string text;
    int32_t number = 0;
    void Serialize(CArchive& ar)
    {
        if (ar.IsStoring())
            ar << text << number;
        else
            ar >> text >> number;
    }
};

CArchiveException::Cause LoadFailure(const std::string& path)
{
    TextThenNumber item;
    try {
        Load(path, item);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    ADD_FAILURE() << "load succeeded";
    return CArchiveException::Cause(-1);
}

struct PrefixCase {
    const char* name;
    std::string text;
    std::string prefix;
};

void PrintTo(const PrefixCase& c, std::ostream* os) { *os << c.name; }

class StringPrefix : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(StringPrefix, WritesPrefixAndTextAndReadsThemBack)
{
    const PrefixCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.File("item.dat");
    TextThenNumber stored{c.text, 0x12345678};
    Store(path, stored);

    const std::string file = ReadBytes(path);
    EXPECT_EQ(file.substr(0, c.prefix.size()), c.prefix);
    EXPECT_EQ(file, c.prefix + c.text + LittleEndian32(0x12345678));

    TextThenNumber loaded;
    Load(path, loaded);
    EXPECT_EQ(loaded.text, c.text);
    EXPECT_EQ(loaded.number, 0x12345678);
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, StringPrefix,
    ::testing::Values(
        PrefixCase{"Empty", "", Bytes({0x00})},
        PrefixCase{"Bytes254", std::string(254, 'a'), Bytes({0xFE})},
        PrefixCase{"Bytes255", std::string(255, 'b'), Bytes({0xFF, 0xFF, 0x00})},
        PrefixCase{"Bytes65533", std::string(65533, 'c'), Bytes({0xFF, 0xFD, 0xFF})},
        PrefixCase{"Bytes65534", std::string(65534, 'd'), Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00})},
        PrefixCase{"Bytes65535", std::string(65535, 'e'), Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00})},
        // Three double-byte characters in CP932 count six bytes.
        PrefixCase{"ThreeDoubleByteChars", "\x82\xA0\x82\xA2\x82\xA4", Bytes({0x06})},
        // The same three characters held as UTF-8 are nine bytes.
        PrefixCase{"Utf8Japanese", "\xE3\x81\x82\xE3\x81\x84\xE3\x81\x86", Bytes({0x09})},
        PrefixCase{"EmbeddedZeroByte", std::string("a\0b", 3), Bytes({0x03})}),
    [](const auto& info) { return std::string(info.param.name); });

// Texts that end just before, on and just after the 4096-byte buffer edge,
// so that the following number has to wait for a flush or a refill.
class BufferEdge : public ::testing::TestWithParam<size_t> {};

TEST_P(BufferEdge, NumberAfterTextSurvivesTheEdge)
{
    TempDir dir;
    const std::string path = dir.File("edge.dat");
    std::string text;
    for (size_t i = 0; i < GetParam(); ++i)
        text += static_cast<char>('a' + i % 26);
    TextThenNumber stored{text, -2};
    Store(path, stored);
    EXPECT_EQ(ReadBytes(path).size(), 3 + text.size() + 4);

    TextThenNumber loaded;
    Load(path, loaded);
    EXPECT_EQ(loaded.text, text);
    EXPECT_EQ(loaded.number, -2);
}

INSTANTIATE_TEST_SUITE_P(Lengths, BufferEdge,
                         ::testing::Values(4089, 4090, 4091, 4092, 4093, 4094, 8185, 8190));

struct NumberCase {
    int32_t value;
    std::string bytes;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.value; }

class NumberItem : public ::testing::TestWithParam<NumberCase> {};

TEST_P(NumberItem, IsFourBytesLowByteFirst)
{
    TempDir dir;
    const std::string path = dir.File("number.dat");
    TextThenNumber stored{"", GetParam().value};
    Store(path, stored);
    EXPECT_EQ(ReadBytes(path), Bytes({0x00}) + GetParam().bytes);

    TextThenNumber loaded;
    Load(path, loaded);
    EXPECT_EQ(loaded.number, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Values, NumberItem,
                         ::testing::Values(NumberCase{0, Bytes({0, 0, 0, 0})},
                                           NumberCase{1, Bytes({1, 0, 0, 0})},
                                           NumberCase{-1, Bytes({0xFF, 0xFF, 0xFF, 0xFF})},
                                           NumberCase{0x12345678, Bytes({0x78, 0x56, 0x34, 0x12})},
                                           NumberCase{INT32_MIN, Bytes({0, 0, 0, 0x80})}));

struct ReadCase {
    const char* name;
    std::string file;
    std::string text;  // what a good file reads as
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class LongerLengthForm : public ::testing::TestWithParam<ReadCase> {};

// The writer always takes the shortest form, but a reader meets whatever
// another writer chose.
TEST_P(LongerLengthForm, IsAccepted)
{
    TempDir dir;
    const std::string path = dir.File("item.dat");
    WriteBytes(path, GetParam().file + LittleEndian32(7));
    TextThenNumber loaded;
    Load(path, loaded);
    EXPECT_EQ(loaded.text, GetParam().text);
    EXPECT_EQ(loaded.number, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, LongerLengthForm,
    ::testing::Values(ReadCase{"Word5", Bytes({0xFF, 0x05, 0x00}) + "hello", "hello"},
                      ReadCase{"WordZero", Bytes({0xFF, 0x00, 0x00}), ""},
                      ReadCase{"Dword5", Bytes({0xFF, 0xFF, 0xFF, 0x05, 0, 0, 0}) + "hello", "hello"}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
    const char* name;
    std::string file;
    CArchiveException::Cause cause;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class DamagedItem : public ::testing::TestWithParam<BadCase> {};

TEST_P(DamagedItem, IsAnArchiveError)
{
    TempDir dir;
    const std::string path = dir.File("bad.dat");
    WriteBytes(path, GetParam().file);
    EXPECT_EQ(LoadFailure(path), GetParam().cause);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DamagedItem,
    ::testing::Values(
        // FF FE is the wide-text mark, which this archive never reads as text.
        BadCase{"WideTextMark", Bytes({0xFF, 0xFE, 0xFF, 0x03}) + "abc" + LittleEndian32(0),
                CArchiveException::badIndex},
        BadCase{"WideTextMarkAlone", Bytes({0xFF, 0xFE, 0xFF}), CArchiveException::badIndex},
        BadCase{"Empty", "", CArchiveException::endOfFile},
        BadCase{"CutInWordLength", Bytes({0xFF, 0x05}), CArchiveException::endOfFile},
        BadCase{"CutInDwordLength", Bytes({0xFF, 0xFF, 0xFF, 0x05, 0x00}), CArchiveException::endOfFile},
        BadCase{"TextShorterThanLength", Bytes({0x05}) + "abc", CArchiveException::endOfFile},
        BadCase{"WordLengthPastEnd", Bytes({0xFF, 0xFD, 0xFF}) + "abc", CArchiveException::endOfFile},
        BadCase{"HugeDwordLength", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + "abc",
                CArchiveException::endOfFile},
        BadCase{"NumberCut", Bytes({0x00, 0x01, 0x02, 0x03}), CArchiveException::endOfFile}),
    [](const auto& info) { return std::string(info.param.name); });

// /dev/full takes the open and refuses every byte: the disk-full case.
class FullDisk : public ::testing::TestWithParam<size_t> {};

TEST_P(FullDisk, StoringRaisesWriteFailed)
{
    TextThenNumber item{std::string(GetParam(), 'x'), 1};
    try {
        Store("/dev/full", item);
        FAIL() << "store succeeded";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::writeFailed);
    }
}

// Small: the failure shows at Close(); large: at the first buffer flush.
INSTANTIATE_TEST_SUITE_P(Sizes, FullDisk, ::testing::Values(3, 5000));

// The pending bytes meet the full disk in the destructor: the write is tried
// (the file shows the error) and the failure goes no further. The archive
// lives in a child process, so that a failure escaping the noexcept
// destructor (terminate) fails this test instead of ending the test program.
TEST(FullDisk, DestructorSwallowsTheFailure)
{
    EXPECT_EXIT(
        {
            CFile file;
            if (!file.Open("/dev/full", CFile::modeCreate | CFile::modeWrite))
                std::_Exit(2);
            {
                CArchive ar(file, CArchive::store);
                ar << std::string("pending");
            }
            std::_Exit(file.IsError() ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(ClosedArchive, DestructorWritesNothingTwice)
{
    TempDir dir;
    const std::string path = dir.File("once.dat");
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
        CArchive ar(file, CArchive::store);
        ar << std::string("abc");
        ar.Close();
    }
    EXPECT_EQ(ReadBytes(path), Bytes({0x03}) + "abc");
}

TEST(UnclosedArchive, DestructorWritesOutTheBuffer)
{
    TempDir dir;
    const std::string path = dir.File("dtor.dat");
    {
        CFile file;
        ASSERT_TRUE(file.Open(path, CFile::modeCreate | CFile::modeWrite));
        CArchive ar(file, CArchive::store);
        ar << std::string("abc") << int32_t{5};
    }
    EXPECT_EQ(ReadBytes(path), Bytes({0x03}) + "abc" + LittleEndian32(5));
}

}  // namespace

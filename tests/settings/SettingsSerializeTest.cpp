#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "CArchive.h"
#include "CArchiveException.h"
#include "DumpValues.h"
#include "FormatPreset.h"
#include "SettingsFiles.h"
#include "StoredValues.h"

namespace {

const std::string kGoldenFile = TRELK_SETTINGS_GOLDEN;

std::string StringItem(const std::string& text)
{
    if (text.size() < 255)
        return std::string(1, static_cast<char>(text.size())) + text;
    return "\xFF" + std::string(1, static_cast<char>(text.size() & 0xFF)) +
           std::string(1, static_cast<char>(text.size() >> 8)) + text;
}

std::string NumberItem(int32_t value)
{
    const auto u = static_cast<uint32_t>(value);
    std::string out;
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>((u >> (8 * i)) & 0xFF);
    return out;
}

// Every value different from its neighbours and from its default, odd
// numbers included (loaded unchanged), and a first text long enough to push
// item 2 across the 4096-byte buffer edge.
DumpValues DistinctValues()
{
    DumpValues v;
    v.m_strInputFile = std::string(4091, 'i');
    v.m_bOpenOutput = -1;
    v.m_bSameAsInput = 2;
    v.m_strOutputExt = "lst";
    v.m_strOutputFile = "out.txt";
    v.m_nFormatPreset = 99;
    v.m_strLineFormat = "%08X";
    v.m_strCustomFormat = "%08x custom";
    v.m_strFiller = "00";
    v.m_strGapText = "----";
    v.m_bSortOutput = 0x01020304;
    v.m_strS0Format = "S0 %s";
    v.m_strS9Format = "S9 %08X";
    v.m_strH01Format = "\xE7\xB5\x82\xE3\x82\x8F\xE3\x82\x8A";  // UTF-8 text, 9 bytes
    v.m_strH02Format = "H02";
    v.m_strH03Format = "H03";
    v.m_strH04Format = "";
    v.m_strH05Format = "H05";
    v.m_strBrowsedOutput = "browsed.txt";
    return v;
}

// DistinctValues() as the file must hold it, item by item.
std::string DistinctFile()
{
    const DumpValues v = DistinctValues();
    return StringItem(v.m_strInputFile) + NumberItem(-1) + NumberItem(2) + StringItem("lst") +
           StringItem("out.txt") + NumberItem(99) + StringItem("%08X") +
           StringItem("%08x custom") + StringItem("00") + StringItem("----") +
           NumberItem(0x01020304) + StringItem("S0 %s") + StringItem("S9 %08X") +
           StringItem(v.m_strH01Format) + StringItem("H02") + StringItem("H03") +
           StringItem("") + StringItem("H05");
}

TEST(SettingsFile, DefaultsGiveTheGoldenFile)
{
    TempDir dir;
    const std::string path = dir.File("user.dat");
    DumpValues values;
    Store(path, values);
    const std::string golden = ReadBytes(kGoldenFile);
    ASSERT_EQ(golden.size(), 416u);
    EXPECT_EQ(ReadBytes(path), golden);
}

TEST(SettingsFile, GoldenFileLoadsAsDefaults)
{
    DumpValues loaded = DistinctValues();
    Load(kGoldenFile, loaded);
    EXPECT_EQ(StoredValues(loaded), StoredValues(DumpValues{}));
    EXPECT_EQ(loaded.m_strLineFormat, g_formatPresets[0].pszFormat);
}

TEST(SettingsFile, ItemsAreWrittenInOrderWithNothingElse)
{
    TempDir dir;
    const std::string path = dir.File("user.dat");
    DumpValues values = DistinctValues();
    Store(path, values);
    EXPECT_EQ(ReadBytes(path), DistinctFile());
}

TEST(SettingsFile, ItemsAreReadInOrderAndTakenUnchanged)
{
    TempDir dir;
    const std::string path = dir.File("user.dat");
    WriteBytes(path, DistinctFile());
    DumpValues loaded;
    loaded.m_strBrowsedOutput = "kept";
    Load(path, loaded);
    EXPECT_EQ(StoredValues(loaded), StoredValues(DistinctValues()));
    // Not an item of the file: a load leaves it alone.
    EXPECT_EQ(loaded.m_strBrowsedOutput, "kept");
}

TEST(SettingsFile, FullDiskRaisesWriteFailed)
{
    DumpValues values;
    try {
        Store("/dev/full", values);
        FAIL() << "store succeeded";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::writeFailed);
    }
}

struct Whole {
    const char* name;
    std::string (*bytes)();
};

void PrintTo(const Whole& c, std::ostream* os) { *os << c.name; }

class CutFile : public ::testing::TestWithParam<Whole> {};

// Every proper prefix of a good file, the empty file included, must fail
// rather than load part of the values.
TEST_P(CutFile, AtEveryOffsetIsAnArchiveError)
{
    TempDir dir;
    const std::string path = dir.File("cut.dat");
    const std::string whole = GetParam().bytes();
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        WriteBytes(path, whole.substr(0, cut));
        DumpValues loaded;
        try {
            Load(path, loaded);
            ADD_FAILURE() << "file cut at " << cut << " of " << whole.size() << " loaded";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::endOfFile) << "cut at " << cut;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, CutFile,
    ::testing::Values(Whole{"Defaults", [] { return ReadBytes(kGoldenFile); }},
                      Whole{"DistinctValues", DistinctFile}),
    [](const auto& info) { return std::string(info.param.name); });

struct Tail {
    const char* name;
    std::string bytes;
};

void PrintTo(const Tail& c, std::ostream* os) { *os << c.name; }

class ExtraBytes : public ::testing::TestWithParam<Tail> {};

TEST_P(ExtraBytes, AfterItem18LoadAndAreDroppedByTheNextSave)
{
    TempDir dir;
    const std::string path = dir.File("user.dat");
    WriteBytes(path, DistinctFile() + GetParam().bytes);
    DumpValues loaded;
    Load(path, loaded);
    EXPECT_EQ(StoredValues(loaded), StoredValues(DistinctValues()));

    Store(path, loaded);
    EXPECT_EQ(ReadBytes(path), DistinctFile());
}

INSTANTIATE_TEST_SUITE_P(
    Tails, ExtraBytes,
    ::testing::Values(Tail{"OneZero", std::string(1, '\0')},
                      Tail{"WideTextMark", "\xFF\xFE\xFF"},
                      Tail{"HugeLength", "\xFF\xFF\xFF\xFF\xFF\xFF\xFF"},
                      Tail{"PastTheBuffer", std::string(5000, '\xFF')}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

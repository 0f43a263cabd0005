#include "ChunkedSource.h"
#include "LineReader.h"
#include "OutputChannel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kHead = LineReader::kLineHead;
// What the reader holds at most: a line head and a read block.
constexpr std::size_t kBuffer = LineReader::kLineHead + LineReader::kBlockSize;

// Whole lines, each put together from its head and the pieces read on after
// it. Of each piece the reader is asked to keep the last `keep` bytes for
// the next one, as a reader of data pairs does.
std::vector<std::string> readAll(LineReader& reader, std::size_t keep)
{
    std::vector<std::string> lines;
    std::string_view piece;
    while (reader.nextLine(piece)) {
        const std::string head(piece);
        std::string line;
        while (!reader.lineComplete()) {
            const std::size_t used = piece.size() > keep ? piece.size() - keep : 0;
            line.append(piece.substr(0, used));
            piece = reader.continueLine(used);
        }
        line.append(piece);
        EXPECT_TRUE(head == line.substr(0, kHead)) << "the head of line " << lines.size();
        lines.push_back(line);
    }
    return lines;
}

// Lines of any length, shown short: length, first and last bytes.
std::string summary(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        text += std::to_string(line.size()) + " [" + line.substr(0, 8) + "..";
        text += line.substr(line.size() > 8 ? line.size() - 8 : 0) + "]\n";
    }
    return text;
}

std::vector<std::string> readAll(const std::string& bytes)
{
    LineReader reader(bytes);
    return readAll(reader, 0);
}

struct ReadCase {
    const char* name;
    std::string input;
    std::vector<std::string> lines;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class TextModeInput : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TextModeInput, SplitsLinesAsTextModeReads)
{
    const std::vector<std::string> lines = readAll(GetParam().input);
    EXPECT_TRUE(lines == GetParam().lines) << summary(lines);
}

// The lines must not depend on how the bytes arrive, nor on how much of each
// piece the caller keeps.
TEST_P(TextModeInput, ReadsTheSameLinesWhateverTheReadSizes)
{
    for (const std::vector<std::size_t>& pattern : readPatterns()) {
        for (std::size_t keep : {0, 3}) {
            LineReader reader(chunkedSource(GetParam().input, pattern));
            const std::vector<std::string> lines = readAll(reader, keep);
            EXPECT_TRUE(lines == GetParam().lines)
                << "reads of " << pattern[0] << " bytes on, keeping " << keep << ":\n" << summary(lines);
        }
    }
}

const std::string kLong(kHead + 1, 'x');

INSTANTIATE_TEST_SUITE_P(
    Lines, TextModeInput,
    ::testing::Values(ReadCase{"Empty", "", {}},
                      ReadCase{"LfEnds", "a\nb\n", {"a", "b"}},
                      ReadCase{"CrLfEnds", "a\r\nb\r\n", {"a", "b"}},
                      ReadCase{"LastLineWithoutLf", "a\nb", {"a", "b"}},
                      ReadCase{"EmptyLines", "\n\r\n\n", {"", "", ""}},
                      ReadCase{"LoneCrStays", "a\rb\n", {"a\rb"}},
                      ReadCase{"CrCrLfKeepsOneCr", "a\r\r\n", {"a\r"}},
                      ReadCase{"CrAtEndOfInputStays", "a\r", {"a\r"}},
                      ReadCase{"CtrlZEndsInput", "a\nb\x1A" "c\nd\n", {"a", "b"}},
                      ReadCase{"CtrlZFirst", "\x1A" "abc\n", {}},
                      ReadCase{"NulIsData", std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
                      // Around the head: a line of kHead bytes is whole, a longer one goes on.
                      ReadCase{"HeadLongLineWithCrLf", kLong.substr(1) + "\r\nb\n", {kLong.substr(1), "b"}},
                      ReadCase{"OneByteLongerWithCrLf", kLong + "\r\nb\n", {kLong, "b"}},
                      ReadCase{"CrAfterTheHeadIsData", kLong.substr(1) + "\ry\n", {kLong.substr(1) + "\ry"}},
                      ReadCase{"LongLastLineWithoutLf", "a\n" + kLong + "\r", {"a", kLong + "\r"}},
                      ReadCase{"LongLines", kLong + kLong + "\n" + kLong + kLong + kLong + "\r\n\n",
                               {kLong + kLong, kLong + kLong + kLong, ""}},
                      // A full buffer of a line ends in a CR: the CR belongs to the LF
                      // after it, or is data when something else follows.
                      ReadCase{"CrLfAtTheEndOfAFullBuffer", std::string(kHead + kBuffer - 1, 'x') + "\r\nb\n",
                               {std::string(kHead + kBuffer - 1, 'x'), "b"}},
                      ReadCase{"CrAtTheEndOfAFullBufferIsData",
                               std::string(kHead + kBuffer - 1, 'x') + "\ry\n",
                               {std::string(kHead + kBuffer - 1, 'x') + "\ry"}},
                      ReadCase{"CtrlZInALongLine", kLong + kLong + "\x1A" + kLong + "\n", {kLong + kLong}},
                      // Input after a 0x1A is never read, however much of it follows.
                      ReadCase{"CtrlZBeforeSeveralBlocks", "a\nb\x1A" + std::string(3 * kBuffer, 'c') + "\nd\n",
                               {"a", "b"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The first read fills the whole buffer; place a CR as its last byte.
TEST(TextModeInput, CrLfAcrossAReadBoundaryReadsAsLf)
{
    const std::size_t firstRead = kBuffer;
    const std::string filler(1000, 'x');
    std::string input;
    std::vector<std::string> expected;
    while (input.size() + 2 * (filler.size() + 2) < firstRead) {
        input += filler + "\r\n";
        expected.push_back(filler);
    }
    std::string last(firstRead - 1 - input.size(), 'y');
    input += last + "\r\nnext\r\n";
    expected.push_back(last);
    expected.push_back("next");
    ASSERT_EQ(input[firstRead - 1], '\r');
    EXPECT_EQ(readAll(input), expected);
}

// A caller that does not read on in a long line finds the next line next.
TEST(TextModeInput, LongLineNotReadOnIsSkipped)
{
    const std::string longLine(3 * kBuffer + 5, 'y');
    const std::string input = "a\n" + longLine + "\nb\n";
    LineReader reader(input);
    std::string_view line;
    ASSERT_TRUE(reader.nextLine(line));
    ASSERT_TRUE(reader.nextLine(line));
    EXPECT_EQ(line, longLine.substr(0, kHead));
    ASSERT_FALSE(reader.lineComplete());
    EXPECT_EQ(reader.continueLine(10).substr(0, 3), "yyy");
    ASSERT_TRUE(reader.nextLine(line));
    EXPECT_EQ(line, "b");
    EXPECT_FALSE(reader.nextLine(line));
}

TEST(TextModeInput, PeekDoesNotConsume)
{
    std::string input = "S1\n";
    LineReader reader(input);
    EXPECT_EQ(reader.peek(), 'S');
    std::string_view line;
    ASSERT_TRUE(reader.nextLine(line));
    EXPECT_EQ(line, "S1");
    EXPECT_EQ(reader.peek(), -1);
}

TEST(TextModeOutput, EveryLfLeavesAsCrLf)
{
    std::string captured;
    {
        OutputChannel out(captured);
        out.writeText("a\nb");
        out.writeText("\n\n");
        out.writeText("");
        out.writeText("x\r\n");  // a CR of our own stays, the LF still gains one
    }
    EXPECT_EQ(captured, "a\r\nb\r\n\r\nx\r\r\n");
}

TEST(TextModeOutput, TextLargerThanTheBufferArrivesWhole)
{
    std::string text(OutputChannel::kBufferSize * 2 + 3, 'z');
    text[10] = '\n';
    std::string expected = text;
    expected.replace(10, 1, "\r\n");
    std::string captured;
    {
        OutputChannel out(captured);
        out.writeText("<");
        out.writeText(text);
    }
    EXPECT_EQ(captured, "<" + expected);
}

}  // namespace

#include "LineReader.h"
#include "OutputChannel.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> readAll(const std::string& bytes)
{
    LineReader reader(bytes);
    std::vector<std::string> lines;
    std::string_view line;
    while (reader.nextLine(line))
        lines.emplace_back(line);
    return lines;
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
    EXPECT_EQ(readAll(GetParam().input), GetParam().lines);
}

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
                      ReadCase{"NulIsData", std::string("a\0b\n", 4), {std::string("a\0b", 3)}}),
    [](const auto& info) { return std::string(info.param.name); });

// The first read fills the whole buffer; place a CR as its last byte.
TEST(TextModeInput, CrLfAcrossAReadBoundaryReadsAsLf)
{
    const std::size_t firstRead = LineReader::kMaxLine + LineReader::kBlockSize;
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

TEST(TextModeInput, OverlongLineKeepsItsHeadAndDropsTheRest)
{
    std::string longLine(3 * LineReader::kMaxLine + 5, 'y');
    std::vector<std::string> lines = readAll("a\n" + longLine + "\nb\n");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], longLine.substr(0, LineReader::kMaxLine));
    EXPECT_EQ(lines[2], "b");
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

// The whole converter in process: parameter files and standard input from
// the fuzz bytes, standard output into a file in memory.
//
// Input layout:
//   0xFF, V, bytes     a well-formed load file is derived from the bytes and
//                      converted with the default settings, and once more as
//                      variant V (mod 5) says: with CR LF line ends, with
//                      lower-case hex digits, with both, or with a line
//                      format that prints the same but through the general
//                      format engine -- the output must be the same -- or
//                      three times over, which must not take more heap.
//   P1 NUL P2 NUL IN   up to two parameter files (-pP1 -pP2) before the
//                      first two NUL bytes, then standard input; without a
//                      NUL everything is standard input and no -p is given.
//                      Converted twice: standard input read at once, and
//                      in small reads of varying size, as a pipe may
//                      deliver it -- the dump must be the same.
// Every run must end with status 0, write every LF as CR LF and keep its
// heap under a bound that does not depend on the input.
#include "Check.h"
#include "HeapWatch.h"
#include "MemoryFile.h"
#include "WellFormedLoadFile.h"

#include "ConverterEntry.h"
#include "LineReader.h"
#include "OutputChannel.h"
#include "SystemFile.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::uint8_t kWellFormedMark = 0xFF;
constexpr std::size_t kMaxParameterFiles = 2;
// Fixed buffers (input and parameter-file readers, output channel), the
// image ring, and the compiled formats with their scratch buffer. A format
// is one parameter line of at most 511 bytes, and its widths and precisions
// are capped, so nothing here grows with the input.
constexpr std::int64_t kHeapBound = 8 << 20;
// Output examined for the CR LF rule; the rest only goes through the channel.
constexpr std::size_t kOutputChecked = 1 << 20;

// The default line format with a precision on the text column, which
// prints the same 16 characters but keeps the line off the fast path.
constexpr std::string_view kGeneralEngineFormat =
    "-F=%08X : %02X%02X%02X%02X %02X%02X%02X%02X  %02X%02X%02X%02X %02X%02X%02X%02X : %-16.16s";

// Read sizes for standard input that arrives in pieces; none means reads
// as large as the reader asks for.
using ReadSizes = std::vector<std::size_t>;

struct Run {
    std::string output;
    std::size_t written;
    std::int64_t peakHeap;
};

LineReader::Source pieceByPiece(int fd, const ReadSizes& sizes)
{
    std::size_t next = 0;
    return [fd, &sizes, next](char* buffer, std::size_t size) mutable {
        return SystemFile::readSome(fd, buffer, std::min(size, sizes[next++ % sizes.size()]));
    };
}

Run runConverterOn(const std::vector<std::string_view>& parameterFiles, std::string_view input,
                   const ReadSizes& readSizes = {})
{
    static MemoryFile parameterFile[kMaxParameterFiles];
    static MemoryFile inputFile;
    static MemoryFile outputFile;

    std::vector<std::string> arguments{"trelk_conv"};
    for (std::size_t i = 0; i < parameterFiles.size(); ++i) {
        parameterFile[i].assign(parameterFiles[i]);
        arguments.push_back("-p" + parameterFile[i].path());
    }
    std::vector<const char*> argv;
    for (const std::string& argument : arguments)
        argv.push_back(argument.c_str());
    inputFile.assign(input);
    outputFile.rewind();

    Run run;
    {
        HeapWatch heap;
        {
            LineReader reader = readSizes.empty() ? LineReader(inputFile.fd())
                                                  : LineReader(pieceByPiece(inputFile.fd(), readSizes));
            OutputChannel channel(outputFile.fd());
            int status = runConverter(static_cast<int>(argv.size()), argv.data(), reader, channel);
            channel.flush();
            check(status == 0, "exit status is not 0");
        }
        run.peakHeap = heap.peak();
    }
    check(run.peakHeap <= kHeapBound, "heap grew beyond the fixed bound");
    run.written = outputFile.written();
    run.output = outputFile.contents(std::min(run.written, kOutputChecked));
    return run;
}

void checkTextMode(std::string_view output)
{
    for (std::size_t lf = output.find('\n'); lf != std::string_view::npos; lf = output.find('\n', lf + 1))
        check(lf > 0 && output[lf - 1] == '\r', "an LF left without CR before it");
}

void checkArbitraryInput(std::string_view bytes)
{
    std::vector<std::string_view> parameterFiles;
    while (parameterFiles.size() < kMaxParameterFiles) {
        std::size_t nul = bytes.find('\0');
        if (nul == std::string_view::npos)
            break;
        parameterFiles.push_back(bytes.substr(0, nul));
        bytes.remove_prefix(nul + 1);
    }
    const Run whole = runConverterOn(parameterFiles, bytes);
    checkTextMode(whole.output);
    // Read boundaries anywhere: between CR and LF, inside a record, around a 0x1A.
    static const std::size_t kSizes[] = {1, 2, 3, 5, 7, 11, 64, 4093};
    ReadSizes sizes;
    for (std::size_t i = 0; i < 4; ++i)
        sizes.push_back(kSizes[(bytes.size() + 3 * i) % 8]);
    const Run pieces = runConverterOn(parameterFiles, bytes, sizes);
    check(pieces.written == whole.written && pieces.output == whole.output,
          "standard input read in pieces changes the dump");
}

void checkWellFormedFile(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return;
    const std::uint8_t variant = data[0] % 5;
    const std::string file = buildWellFormedLoadFile(data + 1, size - 1);
    const Run reference = runConverterOn({}, file);
    checkTextMode(reference.output);
    switch (variant) {
    case 0:
        check(runConverterOn({}, withCrLf(file)).output == reference.output, "CR LF line ends change the dump");
        break;
    case 1:
        check(runConverterOn({}, withLowerCaseHex(file)).output == reference.output,
              "lower-case hex digits change the dump");
        break;
    case 2:
        check(runConverterOn({}, withCrLf(withLowerCaseHex(file))).output == reference.output,
              "CR LF with lower-case hex digits changes the dump");
        break;
    case 3:
        check(runConverterOn({kGeneralEngineFormat}, file).output == reference.output,
              "the ready-made line image and the general format engine disagree");
        break;
    default: {
        std::string longer = file;
        if (longer.back() != '\n')
            longer.push_back('\n');
        longer = longer + longer + longer;
        check(runConverterOn({}, longer).peakHeap <= reference.peakHeap, "heap grows with the length of the input");
        break;
    }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 0 && data[0] == kWellFormedMark)
        checkWellFormedFile(data + 1, size - 1);
    else
        checkArbitraryInput(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}

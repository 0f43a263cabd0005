// trelk_loadgen: writes the benchmark's load files.
//
//   trelk_loadgen srec|ihex MEGABYTES OUTPUT [SEED]
//
// The file grows in 32-byte data records until it holds about MEGABYTES
// million bytes. The same arguments always give the same file.

#include "IntelHexWriter.h"
#include "LoadImage.h"
#include "SRecordWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr uint32_t kBaseAddress = 0x08000000;  // where flash starts on many parts
constexpr uint64_t kDefaultSeed = 0x7E1C4B0A5EEDULL;
constexpr std::size_t kOutputBuffer = 1 << 20;

struct Arguments {
    std::string format;
    uint64_t targetBytes = 0;
    std::string output;
    uint64_t seed = kDefaultSeed;
};

int usage()
{
    std::fprintf(stderr, "usage: trelk_loadgen srec|ihex MEGABYTES OUTPUT [SEED]\n");
    return 2;
}

bool parseNumber(const char* text, uint64_t& value)
{
    char* end = nullptr;
    errno = 0;
    value = std::strtoull(text, &end, 0);
    return errno == 0 && end != text && *end == '\0';
}

bool parseArguments(int argc, char** argv, Arguments& args)
{
    if (argc < 4 || argc > 5)
        return false;
    args.format = argv[1];
    uint64_t megabytes = 0;
    if (args.format != "srec" && args.format != "ihex")
        return false;
    if (!parseNumber(argv[2], megabytes) || megabytes == 0 || megabytes > 4000)
        return false;
    args.targetBytes = megabytes * 1000000;
    args.output = argv[3];
    return argc == 4 || parseNumber(argv[4], args.seed);
}

std::unique_ptr<RecordWriter> makeWriter(const std::string& format, std::FILE* out)
{
    if (format == "srec")
        return std::make_unique<SRecordWriter>(out);
    return std::make_unique<IntelHexWriter>(out);
}

void writeFile(const Arguments& args, std::FILE* out)
{
    auto writer = makeWriter(args.format, out);
    LoadImage image(kBaseAddress, args.seed);
    writer->begin();
    // One record line is under 80 bytes: stop when the next could overshoot.
    while (writer->bytesWritten() + 80 < args.targetBytes) {
        const LoadImage::Block& block = image.next();
        writer->data(block.address, block.bytes.data(), block.bytes.size());
    }
    writer->end(kBaseAddress);
}

}  // namespace

int main(int argc, char** argv)
{
    Arguments args;
    if (!parseArguments(argc, argv, args))
        return usage();

    // Binary mode: the records end in a bare line feed on every platform.
    std::FILE* out = std::fopen(args.output.c_str(), "wb");
    if (!out) {
        std::fprintf(stderr, "trelk_loadgen: cannot create %s: %s\n", args.output.c_str(),
                     std::strerror(errno));
        return 1;
    }
    std::setvbuf(out, nullptr, _IOFBF, kOutputBuffer);
    writeFile(args, out);
    const bool failed = std::ferror(out) != 0;
    if (std::fclose(out) != 0 || failed) {
        // The output is left as it is: it need not be a regular file.
        std::fprintf(stderr, "trelk_loadgen: cannot write %s\n", args.output.c_str());
        return 1;
    }
    return 0;
}

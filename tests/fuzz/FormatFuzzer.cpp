// The format engine on user formats and argument lists, and its scanning
// side on record lines.
//
// Input layout: a first line of argument tokens, then the format (every byte
// after the first LF). A token is a kind letter with an optional hex value:
//   u1230  unsigned 32-bit    d-1  signed 32-bit    s16  string of 16 bytes
// Without an LF the whole input is the format and there are no arguments.
//
// Checked for every format: both format() overloads give the same text, and
// the text fits in outputBound() bytes (the buffer is exactly that large).
// When the format holds only conversions that C defines for their argument,
// the text must equal what snprintf prints. When the parsed format compiles
// to a ready-made line image (LinePlan), a dump line written from it must
// equal the line the general engine formats, in output form.
//
// An input that begins with '#' is a record line instead (the bytes after
// the '#'): every record pattern and the pair rule at every position must
// read from it what sscanf reads.
#include "Check.h"

#include "HexScan.h"
#include "LinePlan.h"
#include "PrintfFormat.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t kMaxArguments = 24;
constexpr std::uint32_t kMaxStringArgument = 6000;

// The bytes of string arguments: printable, no NUL, as the converter passes.
const std::string& stringPool()
{
    static const std::string pool = [] {
        std::string s;
        for (std::uint32_t i = 0; i < kMaxStringArgument; ++i)
            s.push_back(static_cast<char>(0x20 + (i * 7) % 0x5F));
        return s;
    }();
    return pool;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::vector<FormatArg> parseArguments(std::string_view spec)
{
    std::vector<FormatArg> args;
    std::size_t pos = 0;
    while (pos < spec.size() && args.size() < kMaxArguments) {
        const char kind = spec[pos++];
        if (kind != 'u' && kind != 'd' && kind != 's')
            continue;
        const bool negative = pos < spec.size() && spec[pos] == '-';
        if (negative)
            ++pos;
        std::uint32_t value = 0;
        for (; pos < spec.size() && hexValue(spec[pos]) >= 0; ++pos)
            value = value << 4 | static_cast<std::uint32_t>(hexValue(spec[pos]));
        if (negative)
            value = 0u - value;
        if (kind == 'u')
            args.push_back(FormatArg::ofUnsigned(value));
        else if (kind == 'd')
            args.push_back(FormatArg::ofSigned(static_cast<std::int32_t>(value)));
        else
            args.push_back(FormatArg::ofString(std::string_view(stringPool()).substr(0, value % kMaxStringArgument)));
    }
    return args;
}

// One conversion of the format as C sees it.
struct Conversion {
    std::string flags;
    std::string width;
    std::string precision;  // with its '.', or empty
    std::string length;     // hh h l ll, or empty
    char letter;
};

bool readDecimal(std::string_view format, std::size_t& pos, std::string& digits)
{
    while (pos < format.size() && format[pos] >= '0' && format[pos] <= '9')
        digits.push_back(format[pos++]);
    return digits.size() <= 4 && (digits.empty() || std::stoi(digits) <= PrintfFormat::kMaxField);
}

// Parses the conversion at format[pos] (just after the '%'); false when it is
// outside what the comparison with C covers.
bool parseConversion(std::string_view format, std::size_t& pos, Conversion& c)
{
    while (pos < format.size() && std::string_view("-+ #0").find(format[pos]) != std::string_view::npos)
        c.flags.push_back(format[pos++]);
    if (!readDecimal(format, pos, c.width))
        return false;
    if (pos < format.size() && format[pos] == '.') {
        c.precision.push_back(format[pos++]);
        std::string digits;
        if (!readDecimal(format, pos, digits))
            return false;
        c.precision += digits;
    }
    for (const char* length : {"hh", "h", "ll", "l"}) {
        if (format.substr(pos, std::strlen(length)) == length) {
            c.length = length;
            pos += c.length.size();
            break;
        }
    }
    if (pos >= format.size())
        return false;
    c.letter = format[pos++];
    if (std::string_view("diouxXcs").find(c.letter) == std::string_view::npos)
        return false;
    // What C leaves undefined, or reads as wide characters, is not compared.
    const bool text = c.letter == 'c' || c.letter == 's';
    if (c.flags.find('#') != std::string::npos && std::string_view("oxX").find(c.letter) == std::string_view::npos)
        return false;
    if (text && (c.flags.find('0') != std::string::npos || !c.length.empty()))
        return false;
    if (c.letter == 'c' && !c.precision.empty())
        return false;
    return true;
}

// What C prints for one conversion with the argument the converter passes:
// 32-bit int and unsigned, where l is the 32-bit long of the target and ll
// widens the way the argument's own type does.
std::string printOne(const Conversion& c, const FormatArg& arg)
{
    const std::string length = c.length == "l" ? "" : c.length;
    const std::string spec = "%" + c.flags + c.width + c.precision + length + c.letter;
    const int size = PrintfFormat::kMaxField * 2 + 64;
    std::unique_ptr<char[]> buffer(new char[size]);
    int n;
    if (c.letter == 's') {
        std::string text(arg.text);
        n = std::snprintf(buffer.get(), size, spec.c_str(), text.c_str());
    } else if (c.length == "ll") {
        const long long widened = arg.kind == FormatArg::Kind::Signed
                                      ? static_cast<long long>(static_cast<std::int32_t>(arg.bits))
                                      : static_cast<long long>(arg.bits);
        n = std::snprintf(buffer.get(), size, spec.c_str(), widened);
    } else if (std::string_view("dic").find(c.letter) != std::string_view::npos) {
        n = std::snprintf(buffer.get(), size, spec.c_str(), static_cast<int>(arg.bits));
    } else {
        n = std::snprintf(buffer.get(), size, spec.c_str(), static_cast<unsigned>(arg.bits));
    }
    check(n >= 0 && n < size, "snprintf failed");
    return std::string(buffer.get(), static_cast<std::size_t>(n));
}

// The text C prints for the whole format, piece by piece; false when the
// format or an argument is outside the comparison.
bool printWithC(std::string_view format, const std::vector<FormatArg>& args, std::string& out)
{
    std::size_t next = 0;
    for (std::size_t pos = 0; pos < format.size();) {
        if (format[pos] != '%') {
            out.push_back(format[pos++]);
            continue;
        }
        ++pos;
        if (pos < format.size() && format[pos] == '%') {
            out.push_back(format[pos++]);
            continue;
        }
        Conversion c;
        if (!parseConversion(format, pos, c) || next >= args.size())
            return false;
        const FormatArg& arg = args[next++];
        if ((c.letter == 's') != (arg.kind == FormatArg::Kind::String))
            return false;
        out += printOne(c, arg);
    }
    return true;
}

// A dump line from the arguments: the address from the first, sixteen byte
// values from the next ones (or made up), the text column as the converter
// renders it.
void checkLinePlan(const PrintfFormat& format, const std::vector<FormatArg>& args)
{
    const LinePlan plan(format);
    if (!plan.usable())
        return;
    constexpr std::size_t kValues = LinePlan::kLineValues;
    const std::uint32_t address = args.empty() ? 0x1230 : args[0].bits;
    std::int32_t values[kValues];
    char text[kValues];
    FormatArg line[kValues + 2];
    line[0] = FormatArg::ofUnsigned(address);
    for (std::size_t i = 0; i < kValues; ++i) {
        const std::uint32_t bits = i + 1 < args.size() ? args[i + 1].bits : 0x41 + 13 * i;
        values[i] = static_cast<std::int32_t>(bits & 0xFF);
        text[i] = values[i] >= 0x20 && values[i] <= 0x7E ? static_cast<char>(values[i]) : '.';
        line[i + 1] = FormatArg::ofSigned(values[i]);
    }
    line[kValues + 1] = FormatArg::ofString(std::string_view(text, kValues));

    std::string general;
    format.format(general, line, kValues + 2);
    std::string expected;
    for (char c : general) {
        if (c == '\n')
            expected.push_back('\r');
        expected.push_back(c);
    }
    std::unique_ptr<char[]> image(new char[plan.size()]);
    const char* end = plan.write(image.get(), address, values);
    check(end == image.get() + plan.size(), "a planned line is not of its planned size");
    check(std::string_view(image.get(), plan.size()) == expected, "a planned line differs from the general engine");

    // A value that is not a byte (a negative filler, say) is left to the
    // general engine.
    const std::size_t odd = address % kValues;
    values[odd] = static_cast<std::int32_t>(address | 0x100);
    check(plan.write(image.get(), address, values) == nullptr, "a value that is not a byte went into a planned line");
}

void checkScanning(std::string_view line)
{
    if (line.find('\0') != std::string_view::npos)
        return;  // sscanf would stop there
    const std::string text(line);
    static const char* const kPatterns[] = {
        "S1%*2x%4x", "S2%*2x%6x", "S3%*2x%8x", "S7%*2x%8x", "S8%*2x%6x", "S9%*2x%4x",
        ":%*2x%4x", ":%*2x%*4x%*2x%4x", ":%*2x%*4x%*2x%4x%4x",
    };
    for (const char* pattern : kPatterns) {
        const std::uint32_t before = 0x5A5A5A5A;
        std::uint32_t got[2] = {before, before};
        std::uint32_t* targets[] = {&got[0], &got[1]};
        const int stored = HexPattern(pattern).scan(line, targets);
        unsigned want[2] = {before, before};
        int read = std::sscanf(text.c_str(), pattern, &want[0], &want[1]);
        if (read < 0)
            read = 0;  // EOF before the first conversion: nothing stored
        check(stored == read, "a record pattern stores another number of fields than sscanf");
        check(got[0] == want[0] && got[1] == want[1], "a record pattern reads other values than sscanf");
    }
    // The pair rule from the first few starts, over every pair that fits:
    // fast paths take the characters in groups from where they start.
    for (std::size_t start = 0; start + 2 <= line.size() && start < 4; ++start) {
        const std::size_t count = (line.size() - start) / 2;
        std::vector<std::int32_t> cells(count, -7);
        HexScan::scanPairs(line.data() + start, count, cells.data());
        for (std::size_t i = 0; i < count; ++i) {
            const std::string pair(line.substr(start + 2 * i, 2));
            unsigned value;
            const std::int32_t want = std::sscanf(pair.c_str(), "%2x", &value) == 1 ? static_cast<std::int32_t>(value) : -7;
            check(cells[i] == want, "the pair rule reads another value than sscanf");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!bytes.empty() && bytes[0] == '#') {
        checkScanning(bytes.substr(1));
        return 0;
    }
    std::vector<FormatArg> args;
    const std::size_t lf = bytes.find('\n');
    if (lf != std::string_view::npos) {
        args = parseArguments(bytes.substr(0, lf));
        bytes.remove_prefix(lf + 1);
    }
    const PrintfFormat format(bytes);

    std::string appended = "x";
    format.format(appended, args.data(), args.size());
    const std::size_t bound = format.outputBound(args.data(), args.size());
    std::unique_ptr<char[]> exact(new char[bound]);
    const char* end = format.format(exact.get(), args.data(), args.size());
    check(end >= exact.get() && static_cast<std::size_t>(end - exact.get()) <= bound,
          "formatted text exceeds outputBound()");
    check(std::string_view(exact.get(), static_cast<std::size_t>(end - exact.get())) == std::string_view(appended).substr(1),
          "the two format() overloads disagree");

    std::string expected;
    if (printWithC(bytes, args, expected))
        check(expected == appended.substr(1), "text differs from snprintf");
    checkLinePlan(format, args);
    return 0;
}

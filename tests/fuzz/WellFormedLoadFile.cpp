#include "WellFormedLoadFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

namespace {

constexpr std::size_t kMaxRecords = 64;
constexpr std::size_t kMaxDataBytes = 48;

// Accumulates one record's digits and its byte sum for the checksum.
class RecordText {
public:
    explicit RecordText(std::string prefix) : text_(std::move(prefix)) {}

    void addByte(std::uint8_t b)
    {
        static const char kDigits[] = "0123456789ABCDEF";
        text_.push_back(kDigits[b >> 4]);
        text_.push_back(kDigits[b & 0xF]);
        sum_ += b;
    }
    void addNumber(std::uint32_t value, int bytes)
    {
        for (int i = bytes - 1; i >= 0; --i)
            addByte(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void addBytes(const std::vector<std::uint8_t>& bytes)
    {
        for (std::uint8_t b : bytes)
            addByte(b);
    }
    std::uint8_t sum() const { return static_cast<std::uint8_t>(sum_); }
    std::string& text() { return text_; }

private:
    std::string text_;
    unsigned sum_ = 0;
};

// Data records mostly follow on, sometimes jump ahead, back, or anywhere.
std::uint32_t nextDataAddress(FuzzedDataProvider& in, std::uint32_t end, std::uint32_t mask)
{
    switch (in.ConsumeIntegralInRange(0, 3)) {
    case 0: return end & mask;
    case 1: return (end + in.ConsumeIntegralInRange<std::uint32_t>(0, 80)) & mask;
    case 2: return (end - in.ConsumeIntegralInRange<std::uint32_t>(0, 80)) & mask;
    default: return in.ConsumeIntegral<std::uint32_t>() & mask;
    }
}

std::string sRecord(FuzzedDataProvider& in, std::uint32_t& end)
{
    static const char kTypes[] = "011111222333578900123";
    const char type = kTypes[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kTypes - 2)];
    const int addressBytes = type == '2' || type == '8' ? 3 : type == '3' || type == '7' ? 4 : 2;
    const std::uint32_t mask = addressBytes == 4 ? 0xFFFFFFFFu : (1u << (8 * addressBytes)) - 1;
    std::uint32_t address = 0;
    std::vector<std::uint8_t> data;
    if (type >= '1' && type <= '3') {
        address = nextDataAddress(in, end, mask);
        data = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, kMaxDataBytes));
        end = address + static_cast<std::uint32_t>(data.size());
    } else if (type == '0') {
        data = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, 60));
    } else {
        address = in.ConsumeIntegral<std::uint32_t>() & mask;
    }
    RecordText record(std::string("S") + type);
    record.addByte(static_cast<std::uint8_t>(addressBytes + data.size() + 1));
    record.addNumber(address, addressBytes);
    record.addBytes(data);
    record.addByte(static_cast<std::uint8_t>(~record.sum()));
    return record.text();
}

std::string intelHexRecord(FuzzedDataProvider& in, std::uint32_t& end)
{
    static const std::uint8_t kTypes[] = {0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5};
    const std::uint8_t type = kTypes[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kTypes - 1)];
    std::uint32_t offset = 0;
    std::vector<std::uint8_t> data;
    if (type == 0) {
        offset = nextDataAddress(in, end, 0xFFFF);
        data = in.ConsumeBytes<std::uint8_t>(in.ConsumeIntegralInRange<std::size_t>(0, kMaxDataBytes));
        end = offset + static_cast<std::uint32_t>(data.size());
    } else if (type != 1) {
        data = in.ConsumeBytes<std::uint8_t>(type == 2 || type == 4 ? 2 : 4);
        data.resize(type == 2 || type == 4 ? 2 : 4);
    }
    RecordText record(":");
    record.addByte(static_cast<std::uint8_t>(data.size()));
    record.addNumber(offset, 2);
    record.addByte(type);
    record.addBytes(data);
    record.addByte(static_cast<std::uint8_t>(0x100 - record.sum()));
    return record.text();
}

}  // namespace

std::string buildWellFormedLoadFile(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const bool sRecords = in.ConsumeBool();
    const bool lastLineEnded = in.ConsumeBool();
    std::string file;
    std::uint32_t end = 0;
    // At least one record: the first byte decides the converter.
    for (std::size_t n = 0; n < kMaxRecords && (n == 0 || in.remaining_bytes() > 0); ++n) {
        file += sRecords ? sRecord(in, end) : intelHexRecord(in, end);
        file.push_back('\n');
    }
    if (!lastLineEnded)
        file.pop_back();
    return file;
}

std::string withCrLf(std::string_view file)
{
    std::string out;
    out.reserve(file.size() * 2);
    for (char c : file) {
        if (c == '\n')
            out.push_back('\r');
        out.push_back(c);
    }
    return out;
}

std::string withLowerCaseHex(std::string_view file)
{
    std::string out(file);
    for (char& c : out) {
        if (c >= 'A' && c <= 'F')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

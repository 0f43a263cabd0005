#include "LoadImage.h"

namespace {

// About one block in 4096 (every 128 KiB or so) is followed by a hole of one
// to eight blocks: enough to exercise the gap handling, small enough that a
// peer which fills holes (objcopy -O binary) stays near the data size.
constexpr unsigned kGapOdds = 4096;
constexpr unsigned kMaxGapBlocks = 8;

}  // namespace

LoadImage::LoadImage(uint32_t baseAddress, uint64_t seed) : engine_(seed)
{
    block_.address = baseAddress;
}

const LoadImage::Block& LoadImage::next()
{
    if (started_) {
        uint32_t advance = kBlockSize;
        if (roll(kGapOdds) == 0)
            advance += kBlockSize * (1 + roll(kMaxGapBlocks));
        block_.address += advance;
    }
    started_ = true;
    if (blocksLeftInRegion_ == 0)
        startRegion();
    --blocksLeftInRegion_;
    for (uint8_t& byte : block_.bytes)
        byte = nextByte();
    return block_;
}

void LoadImage::startRegion()
{
    blocksLeftInRegion_ = kBlocksPerRegion;
    const unsigned pick = roll(20);  // code 50 %, text 20 %, erased 15 %, table 15 %
    if (pick < 10)
        content_ = Content::Code;
    else if (pick < 14)
        content_ = Content::Text;
    else if (pick < 17)
        content_ = Content::Erased;
    else
        content_ = Content::Table;
}

uint8_t LoadImage::nextByte()
{
    switch (content_) {
    case Content::Code:
        return static_cast<uint8_t>(engine_());
    case Content::Text:
        // Printable ASCII with the odd string terminator.
        return roll(24) == 0 ? 0x00 : static_cast<uint8_t>(0x20 + roll(0x5F));
    case Content::Erased:
        return 0xFF;
    case Content::Table:
        return roll(4) == 0 ? static_cast<uint8_t>(roll(16)) : 0x00;
    }
    return 0;
}

unsigned LoadImage::roll(unsigned sides)
{
    // Modulo bias is irrelevant here; what matters is a fixed sequence.
    return static_cast<unsigned>(engine_() % sides);
}

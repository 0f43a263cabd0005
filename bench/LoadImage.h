#pragma once

#include <array>
#include <cstdint>
#include <random>

// The address space that a generated load file describes: a deterministic
// stream of 32-byte blocks from a base address upwards, contiguous but for a
// rare gap of a few blocks, with content mixed the way firmware images are
// (code-like noise, text, erased flash, sparse tables). The same seed always
// gives the same stream, on every platform: the engine's sequence is fixed by
// the language standard and no distribution object is used.
class LoadImage {
public:
    static constexpr std::size_t kBlockSize = 32;

    struct Block {
        uint32_t address = 0;
        std::array<uint8_t, kBlockSize> bytes{};
    };

    LoadImage(uint32_t baseAddress, uint64_t seed);

    // The next block in address order.
    const Block& next();

private:
    enum class Content { Code, Text, Erased, Table };

    static constexpr std::size_t kBlocksPerRegion = 32;  // content changes every 1 KiB

    void startRegion();
    uint8_t nextByte();
    unsigned roll(unsigned sides);  // 0 .. sides-1

    std::mt19937_64 engine_;
    Block block_;
    bool started_ = false;
    std::size_t blocksLeftInRegion_ = 0;
    Content content_ = Content::Code;
};

#pragma once

#include "LineReader.h"

#include <algorithm>
#include <cstring>
#include <string_view>
#include <vector>

// Input that arrives in reads of the sizes `chunks` cycles through (each at
// least 1), as a pipe may deliver it. `bytes` must outlive the reader.
inline LineReader::Source chunkedSource(std::string_view bytes, std::vector<std::size_t> chunks)
{
    std::size_t next = 0;
    return [bytes, chunks, next](char* buffer, std::size_t size) mutable {
        const std::size_t got = std::min({size, bytes.size(), chunks[next++ % chunks.size()]});
        if (got > 0)
            std::memcpy(buffer, bytes.data(), got);
        bytes.remove_prefix(got);
        return got;
    };
}

// Read sizes that put the read boundaries everywhere: single bytes, small
// odd sizes, and sizes just around a read block.
inline std::vector<std::vector<std::size_t>> readPatterns()
{
    return {{1}, {2}, {3, 1, 7}, {4096, 5}, {LineReader::kBlockSize - 1}, {LineReader::kBlockSize + 3, 2}};
}

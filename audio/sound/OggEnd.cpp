#include "audio/sound/OggEnd.h"
#include <algorithm>
#include <array>
#include <cstring>
#include <sys/types.h>
#include <vector>

namespace Framework
{
namespace Sound
{
namespace
{
constexpr size_t HeaderBytes = 27;                             // "OggS" up to the segment count
constexpr size_t MaxPageBytes = HeaderBytes + 255 + 255 * 255; // 255 segments of 255 bytes
constexpr size_t ChecksumAt = 22;
// Checksums tried before giving up: a real file's last page is the first or
// second met, and each try reads up to a page.
constexpr int MaxChecksums = 16;

// The container's CRC-32 (polynomial 0x04C11DB7, no reflection), its own field counted as zeros.
uint32_t PageChecksum(const uint8_t* page, size_t size)
{
    static const std::array<uint32_t, 256> table = []
    {
        std::array<uint32_t, 256> t{};
        for (uint32_t i = 0; i < 256; ++i)
        {
            uint32_t r = i << 24;
            for (int bit = 0; bit < 8; ++bit)
                r = (r & 0x80000000u) ? (r << 1) ^ 0x04C11DB7u : r << 1;
            t[i] = r;
        }
        return t;
    }();
    uint32_t crc = 0;
    for (size_t i = 0; i < size; ++i)
    {
        const uint8_t byte = i >= ChecksumAt && i < ChecksumAt + 4 ? 0 : page[i];
        crc = (crc << 8) ^ table[((crc >> 24) ^ byte) & 0xFF];
    }
    return crc;
}

uint64_t LittleEndian(const uint8_t* at, int bytes)
{
    uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | at[i];
    return value;
}

// The size of the whole page at the start of bytes (count of them), or 0;
// checksums counts the checksums computed.
size_t WholePage(const uint8_t* bytes, size_t count, int& checksums)
{
    if (count < HeaderBytes || std::memcmp(bytes, "OggS", 4) != 0 || bytes[4] != 0)
        return 0;
    const size_t segments = bytes[26];
    if (count < HeaderBytes + segments)
        return 0;
    size_t size = HeaderBytes + segments;
    for (size_t s = 0; s < segments; ++s)
        size += bytes[HeaderBytes + s];
    if (size > count)
        return 0;
    ++checksums;
    if (PageChecksum(bytes, size) != LittleEndian(bytes + ChecksumAt, 4))
        return 0;
    return size;
}
} // namespace

bool FindOggEnd(FILE* file, uint64_t size, OggEnd& out)
{
    const size_t window = static_cast<size_t>(std::min<uint64_t>(size, MaxTrailingBytes + MaxPageBytes));
    const uint64_t start = size - window;
    std::vector<uint8_t> tail(window);
    if (fseeko(file, static_cast<off_t>(start), SEEK_SET) != 0 || std::fread(tail.data(), 1, window, file) != window)
        return false;
    // From the end back: the first whole page met is the last one.
    int checksums = 0;
    for (size_t at = window; at-- > 0 && checksums < MaxChecksums;)
    {
        const size_t page = WholePage(tail.data() + at, window - at, checksums);
        if (page == 0)
            continue;
        if (window - (at + page) > MaxTrailingBytes)
            return false;
        out.mEnd = start + at + page;
        out.mGranule = static_cast<int64_t>(LittleEndian(tail.data() + at + 6, 8));
        return true;
    }
    return false;
}
} // namespace Sound
} // namespace Framework

#include "support/AudioOggPages.h"
#include <cstring>

namespace TestSupport
{
namespace
{
constexpr size_t HeaderBytes = 27; // "OggS" up to the segment count
constexpr size_t GranuleAt = 6;    // within the header, 8 bytes little-endian
constexpr size_t ChecksumAt = 22;  // within the header, 4 bytes little-endian

// The container's CRC-32: polynomial 0x04C11DB7, no reflection, start 0.
uint32_t OggChecksum(const uint8_t* data, size_t size)
{
    uint32_t crc = 0;
    for (size_t i = 0; i < size; ++i)
    {
        crc ^= static_cast<uint32_t>(data[i]) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

void FixChecksum(std::vector<uint8_t>& bytes, const OggPage& page)
{
    std::memset(bytes.data() + page.mAt + ChecksumAt, 0, 4);
    const uint32_t crc = OggChecksum(bytes.data() + page.mAt, page.mSize);
    for (int i = 0; i < 4; ++i)
        bytes[page.mAt + ChecksumAt + i] = static_cast<uint8_t>(crc >> (8 * i));
}
} // namespace

std::vector<OggPage> OggPages(const std::vector<uint8_t>& bytes)
{
    std::vector<OggPage> pages;
    size_t at = 0;
    while (at + HeaderBytes <= bytes.size() && std::memcmp(bytes.data() + at, "OggS", 4) == 0)
    {
        const size_t segments = bytes[at + 26];
        if (at + HeaderBytes + segments > bytes.size())
            break;
        size_t size = HeaderBytes + segments;
        for (size_t s = 0; s < segments; ++s)
            size += bytes[at + HeaderBytes + s];
        if (at + size > bytes.size())
            break;
        pages.push_back({at, size});
        at += size;
    }
    return pages;
}

int64_t OggGranule(const std::vector<uint8_t>& bytes, const OggPage& page)
{
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i)
        value = (value << 8) | bytes[page.mAt + GranuleAt + i];
    return static_cast<int64_t>(value);
}

void SetOggGranule(std::vector<uint8_t>& bytes, const OggPage& page, int64_t granule)
{
    for (int i = 0; i < 8; ++i)
        bytes[page.mAt + GranuleAt + i] = static_cast<uint8_t>(static_cast<uint64_t>(granule) >> (8 * i));
    FixChecksum(bytes, page);
}

void FixOggChecksums(std::vector<uint8_t>& bytes)
{
    for (const OggPage& page : OggPages(bytes))
        FixChecksum(bytes, page);
}

std::vector<uint8_t> OggHeadersOnly(const std::vector<uint8_t>& bytes)
{
    size_t end = 0;
    for (const OggPage& page : OggPages(bytes))
    {
        if (OggGranule(bytes, page) != 0) // header pages end no sound: position 0
            break;
        end = page.mAt + page.mSize;
    }
    return std::vector<uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(end));
}
} // namespace TestSupport

// The pages of an OGG file, for tests and the fuzz target that damage files
// on purpose: damage inside a page only reaches the Vorbis decoder when the
// page's checksum is made right again (the container drops a page that fails it).
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace TestSupport
{
struct OggPage
{
    size_t mAt = 0;   // offset of "OggS"
    size_t mSize = 0; // header, segment table and body
};

// The well-formed pages from the start, up to the first that is cut short or broken.
std::vector<OggPage> OggPages(const std::vector<uint8_t>& bytes);
// The page's position field (the frame count at its end).
int64_t OggGranule(const std::vector<uint8_t>& bytes, const OggPage& page);
void SetOggGranule(std::vector<uint8_t>& bytes, const OggPage& page, int64_t granule);
// Recomputes the checksum of every page OggPages finds.
void FixOggChecksums(std::vector<uint8_t>& bytes);
// The pages before the first one that holds sound: the three headers alone.
std::vector<uint8_t> OggHeadersOnly(const std::vector<uint8_t>& bytes);
} // namespace TestSupport

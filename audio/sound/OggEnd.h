// Where the Ogg pages of a file end: the last whole page near the file's end,
// found by reading a bounded stretch of it. A streamed file is read up to
// there and no further, so whatever follows its pages (a tag, or gigabytes of
// junk) is never scanned.
#pragma once
#include <cstdint>
#include <cstdio>

namespace Framework
{
namespace Sound
{
// Bytes that may follow a streamed file's last page (a tag, padding); more is refused.
constexpr uint64_t MaxTrailingBytes = 64 << 10;

struct OggEnd
{
    uint64_t mEnd = 0;    // just past the last whole page
    int64_t mGranule = 0; // that page's position: the frame count it announces
};

// Reads the last bytes of file (of size bytes) and finds its last whole page,
// checksum included. False when none ends within MaxTrailingBytes of the end.
// The file's position is left anywhere.
bool FindOggEnd(FILE* file, uint64_t size, OggEnd& out);
} // namespace Sound
} // namespace Framework

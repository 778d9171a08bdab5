// The largest data file the engine reads: levels, tile maps, archetypes, the
// settings and the resource lists are read whole or word by word, and a file
// far beyond any real one (damaged, or not ours) must be refused before its
// content is allocated, not end the program with an allocation failure.
#pragma once
#include <cstdint>
#include <string>

namespace Framework
{
// The largest shipped level is under 50 KB; a thousand times that still reads.
constexpr uint64_t MaxDataFileBytes = uint64_t(64) << 20;

// True when a file of size bytes may be read; otherwise logs that the file at
// path is not read, naming the limit.
bool DataFileSizeAllowed(const std::string& path, uint64_t size);
} // namespace Framework

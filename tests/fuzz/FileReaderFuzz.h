// The fuzz target of the readers of files a user can put under Resources/ or
// drop on the window: the sound decoders (OGG Vorbis decoded whole and
// streamed, WAV) and the image header check of a sprite sheet's texture.
// The test suite runs it over the game's own files and damaged copies of them
// (FileReaderCorpusTest.cpp); a clang build runs it under libFuzzer (README.md).
#pragma once
#include <cstddef>
#include <cstdint>

// Reads the bytes as every reader would; returns 0. A fault shows as a crash
// (or a sanitizer report), which is what a fuzzer looks for.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace FuzzTarget
{
// Whether the image check runs: it needs a GL context, so a display.
bool HasImageCheck();
} // namespace FuzzTarget

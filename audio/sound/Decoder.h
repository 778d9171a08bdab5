// Decoding whole sound files (OGG Vorbis, WAV) into memory.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>
#include "audio/sound/SoundData.h"
#include "audio/sound/SoundResult.h"

namespace Framework
{
namespace Sound
{
// Sizes no real sound of the game comes near; larger files are refused (and
// logged with the limit) before any memory is taken for them.
// A file read whole into memory: an effect, or any sound that is not OGG Vorbis.
constexpr size_t MaxWholeFileBytes = size_t(64) << 20;
// An OGG Vorbis file streamed as it plays (music): hours of it.
constexpr size_t MaxStreamedFileBytes = size_t(256) << 20;
// The samples of a sound decoded whole: 128 MB, over six minutes of 44.1 kHz
// stereo. Silence compresses so well that a small OGG file could decode to gigabytes.
constexpr size_t MaxDecodedSamples = size_t(32) << 20;
// Frames per second: twice what audio hardware plays. A damaged header's rate
// of millions would have the mixer decode a stream many times over each frame.
constexpr int MaxRate = 384000;

// Reads the file at path (stored form, '\' or '/') and decodes it by its
// content, not its name. Sounds with more than two channels keep the first two.
Result DecodeFile(const std::string& path, SoundData& out);
// Reads the whole file at path (stored form) into bytes.
Result ReadSoundFile(const std::string& path, std::vector<uint8_t>& bytes);
// Whether bytes are an OGG file, by their content.
bool IsOggVorbis(const std::vector<uint8_t>& bytes);
// Decodes bytes already in memory; name (the file's) is for the log.
Result DecodeMemory(const std::vector<uint8_t>& bytes, SoundData& out, const std::string& name = "");

Result DecodeWav(const std::vector<uint8_t>& bytes, SoundData& out, const std::string& name);
Result DecodeOggVorbis(const std::vector<uint8_t>& bytes, SoundData& out, const std::string& name);
// Logs why a sound was refused for its size, naming the limit it passed.
void LogTooLarge(const std::string& name, const std::string& why);
} // namespace Sound
} // namespace Framework

// Decoding whole sound files (OGG Vorbis, WAV) into memory.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "audio/sound/SoundData.h"
#include "audio/sound/SoundResult.h"

namespace Framework
{
namespace Sound
{
// Reads the file at path (stored form, '\' or '/') and decodes it by its
// content, not its name. Sounds with more than two channels keep the first two.
Result DecodeFile(const std::string& path, SoundData& out);
// Reads the whole file at path (stored form) into bytes.
Result ReadSoundFile(const std::string& path, std::vector<uint8_t>& bytes);
// Whether bytes are an OGG file, by their content.
bool IsOggVorbis(const std::vector<uint8_t>& bytes);
// Decodes bytes already in memory.
Result DecodeMemory(const std::vector<uint8_t>& bytes, SoundData& out);

Result DecodeWav(const std::vector<uint8_t>& bytes, SoundData& out);
Result DecodeOggVorbis(const std::vector<uint8_t>& bytes, SoundData& out);
} // namespace Sound
} // namespace Framework

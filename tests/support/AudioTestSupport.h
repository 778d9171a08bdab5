// Sounds made in memory for the audio tests, and a WAV writer for decoder tests.
#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include "audio/sound/SoundData.h"

namespace TestSupport
{
// A mono sound of frames frames, each of value level.
Framework::Sound::SoundData ConstantSound(int frames, float level, int rate = 44100);
// A mono sound whose frame i has the value i / frames: the value heard tells the position.
Framework::Sound::SoundData RampSound(int frames, int rate = 44100);
// A 16-bit PCM RIFF WAVE file's bytes.
std::vector<uint8_t> MakeWav16(const std::vector<int16_t>& samples, int channels, int rate);

// A file of the repository (path relative to its top), or one written by a test, as bytes.
std::string SourceFile(const std::string& path);
std::vector<uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
} // namespace TestSupport

#include "support/AudioTestSupport.h"
#include <fstream>
#include <iterator>

namespace TestSupport
{
Framework::Sound::SoundData ConstantSound(int frames, float level, int rate)
{
    Framework::Sound::SoundData data;
    data.mChannels = 1;
    data.mRate = rate;
    data.mSamples.assign(static_cast<size_t>(frames), level);
    return data;
}

Framework::Sound::SoundData RampSound(int frames, int rate)
{
    Framework::Sound::SoundData data;
    data.mChannels = 1;
    data.mRate = rate;
    for (int i = 0; i < frames; ++i)
        data.mSamples.push_back(static_cast<float>(i) / frames);
    return data;
}

namespace
{
void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}
void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }
} // namespace

std::vector<uint8_t> MakeWav16(const std::vector<int16_t>& samples, int channels, int rate)
{
    std::vector<uint8_t> out;
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    PutTag(out, "RIFF");
    Put32(out, 36 + dataBytes);
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(channels));
    Put32(out, static_cast<uint32_t>(rate));
    Put32(out, static_cast<uint32_t>(rate * channels * 2));
    Put16(out, static_cast<uint32_t>(channels * 2));
    Put16(out, 16);
    PutTag(out, "data");
    Put32(out, dataBytes);
    for (int16_t s : samples)
        Put16(out, static_cast<uint16_t>(s));
    return out;
}

std::string SourceFile(const std::string& path) { return std::string(TANDREL_SOURCE_DIR) + "/" + path; }

std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
} // namespace TestSupport

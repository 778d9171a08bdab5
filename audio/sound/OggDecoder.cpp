// OGG Vorbis decoded whole, through libvorbisfile over the bytes in memory.
#include "audio/sound/Decoder.h"
#include "audio/sound/VorbisReader.h"

namespace Framework
{
namespace Sound
{
namespace
{
constexpr size_t BlockFrames = 4096;
} // namespace

Result DecodeOggVorbis(const std::vector<uint8_t>& bytes, SoundData& out, const std::string& name)
{
    VorbisReader reader;
    const Result opened = reader.OpenMemory(bytes.data(), bytes.size());
    if (opened != Result::Ok)
        return opened;
    const int kept = reader.GetFileChannels() >= 2 ? 2 : 1;
    const size_t blockSamples = BlockFrames * kept;
    // Grown as the decoding goes: bytes read without seeking announce no length
    // (and a damaged file's announced length could be anything).
    std::vector<float> samples;
    size_t used = 0;
    for (;;)
    {
        if (used > MaxDecodedSamples)
        {
            LogTooLarge(name, "it decodes to more than " + std::to_string(MaxDecodedSamples) + " samples (" +
                                  std::to_string(MaxDecodedSamples * sizeof(float) >> 20) +
                                  " MB), the most a sound decoded whole may hold");
            return Result::Format;
        }
        if (samples.size() < used + blockSamples)
            samples.resize(used + blockSamples);
        const size_t frames = reader.Read(samples.data() + used, kept, BlockFrames);
        if (frames == 0)
            break;
        used += frames * kept;
    }
    // Headers and no sound (or none that decodes) would never be heard.
    if (used == 0)
        return Result::FileBad;
    samples.resize(used);
    samples.shrink_to_fit();
    out.mChannels = kept;
    out.mRate = reader.GetRate();
    out.mSamples = std::move(samples);
    return Result::Ok;
}
} // namespace Sound
} // namespace Framework

// OGG Vorbis through stb_vorbis (the compiled decoder comes with -lstb).
#include <climits>
#include <cstdlib>
#include "audio/sound/Decoder.h"

#define STB_VORBIS_HEADER_ONLY
#include <stb_vorbis.h>

namespace Framework
{
namespace Sound
{
Result DecodeOggVorbis(const std::vector<uint8_t>& bytes, SoundData& out)
{
    if (bytes.size() > static_cast<size_t>(INT_MAX))
        return Result::FileBad;
    int channels = 0;
    int rate = 0;
    short* pcm = nullptr;
    int frames = stb_vorbis_decode_memory(bytes.data(), static_cast<int>(bytes.size()), &channels, &rate, &pcm);
    if (frames < 0 || !pcm)
    {
        std::free(pcm);
        return Result::FileBad;
    }
    if (channels < 1 || rate <= 0)
    {
        std::free(pcm);
        return Result::Format;
    }
    const int kept = channels >= 2 ? 2 : 1;
    out.mChannels = kept;
    out.mRate = rate;
    out.mSamples.resize(static_cast<size_t>(frames) * kept);
    for (size_t f = 0; f < static_cast<size_t>(frames); ++f)
        for (int c = 0; c < kept; ++c)
            out.mSamples[f * kept + c] = pcm[f * channels + c] / 32768.0f;
    std::free(pcm);
    return Result::Ok;
}
} // namespace Sound
} // namespace Framework

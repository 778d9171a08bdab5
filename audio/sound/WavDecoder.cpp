// RIFF WAVE: PCM of 8, 16, 24 or 32 bits and 32-bit float, plain or extensible.
#include <cstring>
#include "audio/sound/Decoder.h"

namespace Framework
{
namespace Sound
{
namespace
{
constexpr uint16_t FormatPcm = 1;
constexpr uint16_t FormatFloat = 3;
constexpr uint16_t FormatExtensible = 0xFFFE; // the real format is in the sub-format GUID

uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
uint32_t U32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
           (static_cast<uint32_t>(p[3]) << 24);
}

// One sample as a float in [-1, 1].
float ReadSample(const uint8_t* p, uint16_t format, int bits)
{
    if (format == FormatFloat)
    {
        float f;
        uint32_t u = U32(p);
        std::memcpy(&f, &u, sizeof f);
        return f;
    }
    switch (bits)
    {
    case 8:
        return (static_cast<int>(p[0]) - 128) / 128.0f; // 8-bit WAV is unsigned
    case 16:
        return static_cast<int16_t>(U16(p)) / 32768.0f;
    case 24:
    {
        int32_t v = static_cast<int32_t>((static_cast<uint32_t>(p[0]) << 8) | (static_cast<uint32_t>(p[1]) << 16) |
                                         (static_cast<uint32_t>(p[2]) << 24));
        return static_cast<float>(v / 2147483648.0);
    }
    default:
        return static_cast<float>(static_cast<int32_t>(U32(p)) / 2147483648.0);
    }
}
} // namespace

Result DecodeWav(const std::vector<uint8_t>& bytes, SoundData& out, const std::string& name)
{
    const size_t size = bytes.size();
    if (size < 12)
        return Result::FileBad;
    bool haveFormat = false;
    uint16_t format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    const uint8_t* data = nullptr;
    size_t dataSize = 0;

    // Chunks are padded to an even size; a chunk that claims more than the
    // file holds is cut to what is there.
    size_t at = 12;
    while (at + 8 <= size)
    {
        const uint8_t* chunk = bytes.data() + at;
        size_t chunkSize = U32(chunk + 4);
        size_t available = size - (at + 8);
        size_t bodySize = chunkSize < available ? chunkSize : available;
        if (std::memcmp(chunk, "fmt ", 4) == 0)
        {
            if (bodySize < 16)
                return Result::FileBad;
            format = U16(chunk + 8);
            channels = U16(chunk + 10);
            rate = static_cast<int>(U32(chunk + 12));
            bits = U16(chunk + 22);
            if (format == FormatExtensible)
            {
                if (bodySize < 26)
                    return Result::FileBad;
                format = U16(chunk + 8 + 24); // first two bytes of the sub-format GUID
            }
            haveFormat = true;
        }
        else if (std::memcmp(chunk, "data", 4) == 0)
        {
            data = chunk + 8;
            dataSize = bodySize;
        }
        if (chunkSize > available)
            break;
        at += 8 + chunkSize + (chunkSize & 1);
    }
    if (!haveFormat || !data)
        return Result::FileBad;

    const bool pcmOk = format == FormatPcm && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool floatOk = format == FormatFloat && bits == 32;
    if (!pcmOk && !floatOk)
        return Result::Format;
    if (channels < 1 || rate <= 0 || rate > MaxRate)
        return Result::Format;

    const size_t bytesPerSample = static_cast<size_t>(bits / 8);
    const size_t frameBytes = bytesPerSample * static_cast<size_t>(channels);
    const size_t frames = dataSize / frameBytes;
    const int kept = channels >= 2 ? 2 : 1;
    // A format chunk and no whole frame would never be heard.
    if (frames == 0)
        return Result::FileBad;
    if (frames > MaxDecodedSamples / kept)
    {
        LogTooLarge(name, std::to_string(frames * kept) + " samples is more than the " +
                              std::to_string(MaxDecodedSamples) + " a sound decoded whole may hold");
        return Result::Format;
    }
    out.mChannels = kept;
    out.mRate = rate;
    out.mSamples.resize(frames * kept);
    for (size_t f = 0; f < frames; ++f)
        for (int c = 0; c < kept; ++c)
            out.mSamples[f * kept + c] = ReadSample(data + f * frameBytes + c * bytesPerSample, format, bits);
    return Result::Ok;
}
} // namespace Sound
} // namespace Framework

#include "audio/sound/OggStream.h"
#include <climits>
#include "audio/sound/Decoder.h"

#define STB_VORBIS_HEADER_ONLY
#include <stb_vorbis.h>

namespace Framework
{
namespace Sound
{
namespace
{
constexpr size_t ChunkFrames = 4096;

stb_vorbis* OpenDecoder(const std::vector<uint8_t>& bytes)
{
    int error = 0;
    return stb_vorbis_open_memory(bytes.data(), static_cast<int>(bytes.size()), &error, nullptr);
}
} // namespace

Result OggStream::Open(std::vector<uint8_t> bytes, std::shared_ptr<const OggStream>& out)
{
    out.reset();
    if (bytes.size() > static_cast<size_t>(INT_MAX))
        return Result::FileBad;
    stb_vorbis* decoder = OpenDecoder(bytes);
    if (!decoder)
        return Result::FileBad;
    const stb_vorbis_info info = stb_vorbis_get_info(decoder);
    const unsigned int frames = stb_vorbis_stream_length_in_samples(decoder);
    stb_vorbis_close(decoder);
    if (info.channels < 1 || info.sample_rate <= 0)
        return Result::Format;
    auto stream = std::make_shared<OggStream>();
    stream->mBytes = std::move(bytes);
    stream->mChannels = info.channels >= 2 ? 2 : 1;
    stream->mFileChannels = info.channels;
    stream->mRate = static_cast<int>(info.sample_rate);
    stream->mFrames = frames;
    out = std::move(stream);
    return Result::Ok;
}

Result OpenStreamFile(const std::string& path, SoundData& data, std::shared_ptr<const OggStream>& stream)
{
    std::vector<uint8_t> bytes;
    const Result read = ReadSoundFile(path, bytes);
    if (read != Result::Ok)
        return read;
    if (!IsOggVorbis(bytes))
        return DecodeMemory(bytes, data);
    return OggStream::Open(std::move(bytes), stream);
}

OggStreamCursor::OggStreamCursor(std::shared_ptr<const OggStream> stream) : mStream(std::move(stream))
{
    mDecoder = OpenDecoder(mStream->GetBytes());
    // Sized here so the output thread never allocates while it plays.
    mDecoded.resize(ChunkFrames * mStream->GetFileChannels());
    mChunk.resize(ChunkFrames * mStream->GetChannels());
}

OggStreamCursor::~OggStreamCursor()
{
    if (mDecoder)
        stb_vorbis_close(mDecoder);
}

bool OggStreamCursor::Load(size_t frame)
{
    if (!mDecoder)
        return false;
    if (frame < mDecoderAt)
    {
        // Back to the start for a loop; anywhere else by seeking.
        if (frame < ChunkFrames ? !stb_vorbis_seek_start(mDecoder)
                                : !stb_vorbis_seek(mDecoder, static_cast<unsigned int>(frame)))
            return false;
        mDecoderAt = frame < ChunkFrames ? 0 : frame;
    }
    // Decoded with every channel of the file, then the first two kept, as a
    // whole decode keeps them (asking for fewer would mix the others in).
    const int fileChannels = mStream->GetFileChannels();
    const int channels = mStream->GetChannels();
    mChunkFrames = 0;
    for (;;)
    {
        const int got = stb_vorbis_get_samples_short_interleaved(mDecoder, fileChannels, mDecoded.data(),
                                                                 static_cast<int>(mDecoded.size()));
        if (got <= 0)
        {
            mChunkFrames = 0;
            return false;
        }
        mChunkStart = mDecoderAt;
        mChunkFrames = static_cast<size_t>(got);
        mDecoderAt += mChunkFrames;
        if (frame < mDecoderAt)
            break; // a fast pitch may skip whole chunks
    }
    for (size_t f = 0; f < mChunkFrames; ++f)
        for (int c = 0; c < channels; ++c)
            mChunk[f * channels + c] = mDecoded[f * fileChannels + c] / 32768.0f;
    return true;
}

void OggStreamCursor::Frame(size_t frame, float& left, float& right)
{
    if ((frame < mChunkStart || frame >= mChunkStart + mChunkFrames) && !Load(frame))
    {
        left = right = 0.0f;
        return;
    }
    const size_t at = frame - mChunkStart;
    if (mStream->GetChannels() == 2)
    {
        left = mChunk[2 * at];
        right = mChunk[2 * at + 1];
    }
    else
        left = right = mChunk[at];
}
} // namespace Sound
} // namespace Framework

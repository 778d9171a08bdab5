#include "audio/sound/OggStream.h"
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include "audio/sound/Decoder.h"
#include "platform/Platform.h"

namespace Framework
{
namespace Sound
{
namespace
{
// 4096 frames: 32 KB of samples per playing channel, a tenth of a second at 44.1 kHz.
constexpr size_t ChunkFrames = 4096;

int KeptChannels(int fileChannels) { return fileChannels >= 2 ? 2 : 1; }
} // namespace

Result OggStream::Open(const std::string& path, std::shared_ptr<const OggStream>& out)
{
    out.reset();
    const std::string native = Platform::NativePath(path);
    struct stat status;
    if (stat(native.c_str(), &status) == 0 && static_cast<uint64_t>(status.st_size) > MaxStreamedFileBytes)
    {
        LogTooLarge(path, std::to_string(status.st_size) + " bytes is more than the " +
                              std::to_string(MaxStreamedFileBytes >> 20) + " MB a streamed sound may have");
        return Result::Format;
    }
    VorbisReader reader;
    const Result opened = reader.OpenFile(native);
    if (opened != Result::Ok)
        return opened;
    const int channels = KeptChannels(reader.GetFileChannels());
    // Headers with no sound after them would open and never be heard.
    std::vector<float> first(ChunkFrames * channels);
    if (reader.Read(first.data(), channels, ChunkFrames) == 0)
        return Result::FileBad;
    auto stream = std::make_shared<OggStream>();
    stream->mNativePath = native;
    stream->mChannels = channels;
    stream->mRate = reader.GetRate();
    stream->mFrames = reader.GetAnnouncedFrames();
    out = std::move(stream);
    return Result::Ok;
}

Result OpenStreamFile(const std::string& path, SoundData& data, std::shared_ptr<const OggStream>& stream)
{
    char magic[4] = {};
    FILE* file = Platform::OpenFileForReading(Platform::NativePath(path));
    if (!file)
        return Result::FileNotFound;
    const bool ogg = std::fread(magic, 1, sizeof magic, file) == sizeof magic && std::memcmp(magic, "OggS", 4) == 0;
    std::fclose(file);
    return ogg ? OggStream::Open(path, stream) : DecodeFile(path, data);
}

OggStreamCursor::OggStreamCursor(std::shared_ptr<const OggStream> stream) : mStream(std::move(stream))
{
    mReader.OpenFile(mStream->GetNativePath());
    // Sized here so the output thread never allocates while it plays.
    mChunk.resize(ChunkFrames * mStream->GetChannels());
}

bool OggStreamCursor::GetEnd(size_t& frames) const
{
    frames = mEnd;
    return mEnd != SIZE_MAX;
}

bool OggStreamCursor::Load(size_t frame)
{
    if (frame >= mEnd)
        return false;
    const int channels = mStream->GetChannels();
    if (frame < mDecoderAt)
    {
        // Back to the start for a loop; anywhere else by seeking.
        const size_t to = frame < ChunkFrames ? 0 : frame;
        if (!mReader.Seek(to))
        {
            mEnd = 0; // the file changed or broke under us: nothing more plays
            return false;
        }
        mDecoderAt = to;
        mChunkFrames = 0;
        mPreviousFrame = SIZE_MAX;
    }
    for (;;)
    {
        if (mChunkFrames > 0 && mChunkStart + mChunkFrames == mDecoderAt)
        {
            const size_t last = (mChunkFrames - 1) * channels;
            mPreviousFrame = mDecoderAt - 1;
            mPrevious[0] = mChunk[last];
            mPrevious[1] = mChunk[last + channels - 1];
        }
        const size_t got = mReader.Read(mChunk.data(), channels, ChunkFrames);
        if (got == 0)
        {
            mEnd = mDecoderAt;
            return false;
        }
        mChunkStart = mDecoderAt;
        mChunkFrames = got;
        mDecoderAt += got;
        if (frame < mDecoderAt)
            return true; // a fast pitch may skip whole chunks
    }
}

bool OggStreamCursor::Frame(size_t frame, float& left, float& right)
{
    const int channels = mStream->GetChannels();
    if (frame == mPreviousFrame)
    {
        left = mPrevious[0];
        right = mPrevious[1];
        return true;
    }
    if ((frame < mChunkStart || frame >= mChunkStart + mChunkFrames) && !Load(frame))
    {
        left = right = 0.0f;
        return false;
    }
    const size_t at = (frame - mChunkStart) * channels;
    left = mChunk[at];
    right = mChunk[at + channels - 1];
    return true;
}
} // namespace Sound
} // namespace Framework

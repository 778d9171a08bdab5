#include "audio/sound/OggStream.h"
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include "audio/sound/Decoder.h"
#include "audio/sound/OggEnd.h"
#include "core/engine/DebugSystem.h"
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

// Every open of a streamed file, when its sound is made and whenever a channel
// opens it again, passes the same checks, since the file may have changed
// meanwhile: a regular file within the size a streamed sound may have, whose
// pages end near its end. The decoder then reads no further than those pages.
Result OpenChecked(const std::string& path, VorbisReader& reader, int64_t* announced = nullptr)
{
    reader.Close();
    FILE* file = Platform::OpenFileForReading(Platform::NativePath(path));
    if (!file)
        return Result::FileNotFound;
    struct stat status;
    Result result = Result::Ok;
    OggEnd end;
    if (fstat(fileno(file), &status) != 0 || status.st_size < 0)
        result = Result::FileBad;
    else if (static_cast<uint64_t>(status.st_size) > MaxStreamedFileBytes)
    {
        LogTooLarge(path, std::to_string(status.st_size) + " bytes is more than the " +
                              std::to_string(MaxStreamedFileBytes >> 20) + " MB a streamed sound may have");
        result = Result::Format;
    }
    else if (!FindOggEnd(file, static_cast<uint64_t>(status.st_size), end))
    {
        LogTooLarge(path, "no whole Ogg page ends within its last " + std::to_string(MaxTrailingBytes >> 10) +
                              " KB, the most a streamed sound may carry after its pages");
        result = Result::FileBad;
    }
    if (result != Result::Ok)
    {
        std::fclose(file);
        return result;
    }
    if (announced)
        *announced = end.mGranule;
    return reader.OpenFile(file, end.mEnd);
}
} // namespace

Result OggStream::Open(const std::string& path, std::shared_ptr<const OggStream>& out)
{
    out.reset();
    VorbisReader reader;
    int64_t announced = 0;
    const Result opened = OpenChecked(path, reader, &announced);
    if (opened != Result::Ok)
        return opened;
    const int channels = KeptChannels(reader.GetFileChannels());
    // Headers with no sound after them would open and never be heard.
    std::vector<float> first(ChunkFrames * channels);
    if (reader.Read(first.data(), channels, ChunkFrames) == 0)
        return Result::FileBad;
    auto stream = std::make_shared<OggStream>();
    stream->mPath = path;
    stream->mChannels = channels;
    stream->mRate = reader.GetRate();
    stream->mFrames = announced > 0 ? static_cast<size_t>(announced) : 0;
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
    // Sized here so the output thread never allocates while it plays.
    mChunk.resize(ChunkFrames * mStream->GetChannels());
}

Result OggStreamCursor::Open() { return OpenChecked(mStream->GetPath(), mReader); }

bool OggStreamCursor::GetEnd(size_t& frames) const
{
    frames = mEnd;
    return mEnd != SIZE_MAX;
}

bool OggStreamCursor::Restart()
{
    const Result opened = Open();
    if (opened != Result::Ok)
    {
        Log("Sound \"" + mStream->GetPath() + "\" stops playing: opening it again failed: " + ErrorString(opened));
        mEnd = 0; // nothing more plays
        return false;
    }
    mDecoderAt = 0;
    mChunkFrames = 0;
    mPreviousFrame = SIZE_MAX;
    return true;
}

void OggStreamCursor::Load()
{
    const size_t frame = mWanted;
    if (frame >= mEnd || (frame < mDecoderAt && !Restart()))
        return;
    const int channels = mStream->GetChannels();
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
            return;
        }
        mChunkStart = mDecoderAt;
        mChunkFrames = got;
        mDecoderAt += got;
        if (mChunkStart == 0)
        {
            mHasFirst = true;
            mFirst[0] = mChunk[0];
            mFirst[1] = mChunk[channels - 1];
        }
        if (frame < mDecoderAt)
            return; // a fast pitch may skip whole chunks
    }
}

OggStreamCursor::Sample OggStreamCursor::Frame(size_t frame, float& left, float& right)
{
    left = right = 0.0f;
    if (frame >= mEnd)
        return Sample::PastEnd;
    const int channels = mStream->GetChannels();
    if (frame == mPreviousFrame)
    {
        left = mPrevious[0];
        right = mPrevious[1];
    }
    else if (frame >= mChunkStart && frame < mChunkStart + mChunkFrames)
    {
        const size_t at = (frame - mChunkStart) * channels;
        left = mChunk[at];
        right = mChunk[at + channels - 1];
    }
    else if (frame == 0 && mHasFirst)
    {
        left = mFirst[0];
        right = mFirst[1];
    }
    else
    {
        mWanted = frame;
        return Sample::NotLoaded;
    }
    return Sample::Ready;
}
} // namespace Sound
} // namespace Framework

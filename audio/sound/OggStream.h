// An OGG Vorbis sound that stays compressed in memory and is decoded a chunk at
// a time as it plays: music runs for minutes, and decoded whole it would hold
// tens of megabytes of samples.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "audio/sound/SoundData.h"
#include "audio/sound/SoundResult.h"

struct stb_vorbis;

namespace Framework
{
namespace Sound
{
// The file's bytes and what its headers say; shared by every channel playing it.
class OggStream
{
public:
    // Checks that bytes open as OGG Vorbis; the same results as decoding them whole.
    static Result Open(std::vector<uint8_t> bytes, std::shared_ptr<const OggStream>& out);

    int GetChannels() const { return mChannels; } // kept channels: 1 or 2
    int GetFileChannels() const { return mFileChannels; }
    int GetRate() const { return mRate; }
    size_t FrameCount() const { return mFrames; }
    const std::vector<uint8_t>& GetBytes() const { return mBytes; }

private:
    std::vector<uint8_t> mBytes;
    int mChannels = 0;
    int mFileChannels = 0;
    int mRate = 0;
    size_t mFrames = 0;
};

// Reads the file at path (stored form) for streaming: an OGG Vorbis file opens
// as a stream, any other sound is decoded whole into data.
Result OpenStreamFile(const std::string& path, SoundData& data, std::shared_ptr<const OggStream>& stream);

// One channel's decoder on a stream: reads frames in play order, decoding the
// next chunk when the last one is used up and seeking when play goes back (a loop).
class OggStreamCursor
{
public:
    explicit OggStreamCursor(std::shared_ptr<const OggStream> stream);
    ~OggStreamCursor();
    OggStreamCursor(const OggStreamCursor&) = delete;
    OggStreamCursor& operator=(const OggStreamCursor&) = delete;

    bool IsOpen() const { return mDecoder != nullptr; }
    const OggStream& GetStream() const { return *mStream; }
    // The samples of frame (right equals left for a mono sound); silence past
    // what the file holds.
    void Frame(size_t frame, float& left, float& right);

private:
    bool Load(size_t frame);

    std::shared_ptr<const OggStream> mStream;
    stb_vorbis* mDecoder = nullptr;
    std::vector<short> mDecoded; // the current chunk as the file has it, interleaved
    std::vector<float> mChunk;   // the current chunk's kept channels, interleaved, in [-1, 1]
    size_t mChunkStart = 0;      // first frame of the chunk
    size_t mChunkFrames = 0;     // frames in the chunk
    size_t mDecoderAt = 0;       // next frame the decoder gives
};
} // namespace Sound
} // namespace Framework

// An OGG Vorbis sound played straight from its file, a chunk at a time: music
// runs for minutes, and decoded whole (or even held compressed) it would take
// megabytes that nothing needs at once.
#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>
#include "audio/sound/SoundData.h"
#include "audio/sound/SoundResult.h"
#include "audio/sound/VorbisReader.h"

namespace Framework
{
namespace Sound
{
// The file and what its headers say; shared by every channel playing it.
class OggStream
{
public:
    // Checks that the file at path (stored form) opens as OGG Vorbis and that
    // sound decodes from it: a file of headers alone is FileBad, as decoding it whole is.
    static Result Open(const std::string& path, std::shared_ptr<const OggStream>& out);

    const std::string& GetNativePath() const { return mNativePath; }
    int GetChannels() const { return mChannels; } // kept channels: 1 or 2
    int GetRate() const { return mRate; }
    // As the file announces it; playback goes by where the decoding ends instead.
    size_t FrameCount() const { return mFrames; }

private:
    std::string mNativePath;
    int mChannels = 0;
    int mRate = 0;
    size_t mFrames = 0;
};

// Reads the file at path (stored form) for streaming: an OGG Vorbis file opens
// as a stream, any other sound is decoded whole into data.
Result OpenStreamFile(const std::string& path, SoundData& data, std::shared_ptr<const OggStream>& stream);

// One channel's decoder on a stream, with its own handle on the file: reads
// frames in play order, decoding the next chunk when the last one is used up
// and seeking when play goes back (a loop).
class OggStreamCursor
{
public:
    // Opens the file: call it where a wait for the disk does no harm.
    explicit OggStreamCursor(std::shared_ptr<const OggStream> stream);
    OggStreamCursor(const OggStreamCursor&) = delete;
    OggStreamCursor& operator=(const OggStreamCursor&) = delete;

    bool IsOpen() const { return mReader.IsOpen(); }
    const OggStream& GetStream() const { return *mStream; }
    // The samples of frame (right equals left for a mono sound). False, with
    // silence, when frame lies past the stream's end, which is then known.
    bool Frame(size_t frame, float& left, float& right);
    // Frames the stream holds, once Frame has met its end: where the decoding
    // ran out, whatever the file announced. Before that, unknown (false).
    bool GetEnd(size_t& frames) const;

private:
    bool Load(size_t frame);

    std::shared_ptr<const OggStream> mStream;
    VorbisReader mReader;
    std::vector<float> mChunk;        // the current chunk's kept channels, interleaved
    size_t mChunkStart = 0;           // first frame of the chunk
    size_t mChunkFrames = 0;          // frames in the chunk
    size_t mDecoderAt = 0;            // next frame the decoder gives
    size_t mEnd = SIZE_MAX;           // frames in the stream; SIZE_MAX until the decoder runs out
    size_t mPreviousFrame = SIZE_MAX; // the last frame of the chunk before (a step across the
    float mPrevious[2] = {};          // boundary interpolates between the two); SIZE_MAX: none
};
} // namespace Sound
} // namespace Framework

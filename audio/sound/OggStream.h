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

    const std::string& GetPath() const { return mPath; }
    int GetChannels() const { return mChannels; } // kept channels: 1 or 2
    int GetRate() const { return mRate; }
    // What its last page announces. A damaged file may announce 0 or far too
    // much: playback goes by where the decoding ends instead.
    size_t FrameCount() const { return mFrames; }

private:
    std::string mPath;
    int mChannels = 0;
    int mRate = 0;
    size_t mFrames = 0;
};

// Reads the file at path (stored form) for streaming: an OGG Vorbis file opens
// as a stream, any other sound is decoded whole into data.
Result OpenStreamFile(const std::string& path, SoundData& data, std::shared_ptr<const OggStream>& stream);

// One channel's decoder on a stream, with its own handle on the file. Frame
// reads what is decoded and never the file; Load reads and decodes what Frame
// lacked: the next chunk in play order, or the file again from its start when
// play goes back (a loop). The mixer calls Load outside its lock.
class OggStreamCursor
{
public:
    explicit OggStreamCursor(std::shared_ptr<const OggStream> stream);
    OggStreamCursor(const OggStreamCursor&) = delete;
    OggStreamCursor& operator=(const OggStreamCursor&) = delete;

    // Opens the file, with the checks of every open of it (the size, where its pages end).
    Result Open();
    const OggStream& GetStream() const { return *mStream; }

    enum class Sample
    {
        Ready,     // the samples are set
        PastEnd,   // the frame lies past the stream's end, which is then known (silence)
        NotLoaded, // Load must run first (silence)
    };
    // The samples of frame (right equals left for a mono sound).
    Sample Frame(size_t frame, float& left, float& right);
    // Decodes what the last Frame that answered NotLoaded lacked: afterwards
    // that frame is Ready or PastEnd.
    void Load();
    // Frames the stream holds, once Frame has met its end: where the decoding
    // ran out, whatever the file announced. Before that, unknown (false).
    bool GetEnd(size_t& frames) const;

private:
    bool Restart();

    std::shared_ptr<const OggStream> mStream;
    VorbisReader mReader;
    std::vector<float> mChunk;        // the current chunk's kept channels, interleaved
    size_t mChunkStart = 0;           // first frame of the chunk
    size_t mChunkFrames = 0;          // frames in the chunk
    size_t mDecoderAt = 0;            // next frame the decoder gives
    size_t mEnd = SIZE_MAX;           // frames in the stream; SIZE_MAX until the decoder runs out
    size_t mPreviousFrame = SIZE_MAX; // the last frame of the chunk before (a step across the
    float mPrevious[2] = {};          // boundary interpolates between the two); SIZE_MAX: none
    bool mHasFirst = false;           // the first frame, which a loop interpolates towards
    float mFirst[2] = {};             // while the last chunk is still playing
    size_t mWanted = 0;               // what Load decodes
};
} // namespace Sound
} // namespace Framework

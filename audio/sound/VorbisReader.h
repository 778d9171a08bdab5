// An OGG Vorbis decoder (libvorbisfile) over bytes in memory or over a file it
// reads as it goes; the whole decode of effects and the streaming of music both use it.
// Either is read once through from its start, never seeked: libvorbisfile's
// seeking corrupts its own memory on some damaged files (1.3.7), so a stream
// goes back by opening its file again.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include "audio/sound/SoundResult.h"

struct OggVorbis_File;

namespace Framework
{
namespace Sound
{
class VorbisReader
{
public:
    VorbisReader();
    ~VorbisReader();
    VorbisReader(const VorbisReader&) = delete;
    VorbisReader& operator=(const VorbisReader&) = delete;

    // The bytes must outlive the reader. FileBad when the headers do not
    // open, Format when their channels or rate are none a sound has (MaxRate).
    Result OpenMemory(const uint8_t* data, size_t size);
    // The reader takes the file (and closes it) and reads its first end bytes
    // from the start as decoding goes: only libvorbisfile's page buffer and the
    // packet being decoded are held. Results as OpenMemory's.
    Result OpenFile(FILE* file, uint64_t end);
    void Close();
    bool IsOpen() const { return mOpen; }

    int GetFileChannels() const { return mFileChannels; }
    int GetRate() const { return mRate; }

    // Decodes up to maxFrames frames into out, channels samples a frame: the
    // file's first channels (a mono part of a chained file fills every one).
    // 0 at the end of the data, or where the data breaks off beyond repair.
    size_t Read(float* out, int channels, size_t maxFrames);

    // Called before each read from a file; null in the program. Tests hold a read back with it.
    using ReadHook = void (*)();
    static ReadHook sBeforeFileRead;

    // What the callbacks read from: the bytes, or else the file, up to mSize.
    struct Source
    {
        const uint8_t* mData = nullptr;
        FILE* mFile = nullptr; // owned
        uint64_t mSize = 0;
        uint64_t mAt = 0;
    };

private:
    Result OpenSource();

    Source mSource;
    std::unique_ptr<OggVorbis_File> mFile;
    bool mOpen = false; // mFile holds an open decoder (ov_clear is due)
    int mFileChannels = 0;
    int mRate = 0;
};
} // namespace Sound
} // namespace Framework

// An OGG Vorbis decoder (libvorbisfile) over bytes in memory or over a file it
// reads as it goes; the whole decode of effects and the streaming of music both use it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
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

    // The bytes must outlive the reader; they are read once through, without
    // seeking (no announced length, no Seek). FileBad when the headers do not
    // open, Format when their channels or rate are none a sound has (MaxRate).
    Result OpenMemory(const uint8_t* data, size_t size);
    // The file is read as decoding goes: only libvorbisfile's page buffer and
    // the packet being decoded are held. FileNotFound for anything but a regular file.
    Result OpenFile(const std::string& nativePath);
    void Close();
    bool IsOpen() const { return mOpen; }

    int GetFileChannels() const { return mFileChannels; }
    int GetRate() const { return mRate; }
    // What the last page's position announces. A damaged file may announce 0
    // or far too much, so playback goes by where the decoder runs out instead.
    size_t GetAnnouncedFrames() const { return mAnnouncedFrames; }

    // Decodes up to maxFrames frames into out, channels samples a frame: the
    // file's first channels (a mono part of a chained file fills every one).
    // 0 at the end of the data, or where the data breaks off beyond repair.
    size_t Read(float* out, int channels, size_t maxFrames);
    // Decoding goes on from frame (0 is the start). False when the file cannot seek there.
    bool Seek(size_t frame);

    // What the callbacks read from: the bytes, or else the file.
    struct Source
    {
        const uint8_t* mData = nullptr;
        size_t mSize = 0;
        size_t mAt = 0;
        FILE* mFile = nullptr; // owned
    };

private:
    Result OpenSource();

    Source mSource;
    std::unique_ptr<OggVorbis_File> mFile;
    bool mOpen = false; // mFile holds an open decoder (ov_clear is due)
    int mFileChannels = 0;
    int mRate = 0;
    size_t mAnnouncedFrames = 0;
};
} // namespace Sound
} // namespace Framework

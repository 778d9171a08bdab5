#include "audio/sound/VorbisReader.h"
#include <algorithm>
#include <climits>
#include <vorbis/vorbisfile.h>
#include "audio/sound/Decoder.h"

namespace Framework
{
namespace Sound
{
namespace
{
size_t ReadBytes(void* out, size_t size, size_t count, void* opaque)
{
    auto& source = *static_cast<VorbisReader::Source*>(opaque);
    // libvorbisfile asks in bytes (size 1).
    const size_t wanted = static_cast<size_t>(std::min<uint64_t>(size * count, source.mSize - source.mAt));
    size_t given = 0;
    if (source.mFile)
    {
        if (VorbisReader::sBeforeFileRead)
            VorbisReader::sBeforeFileRead();
        given = std::fread(out, 1, wanted, source.mFile);
    }
    else
    {
        std::copy(source.mData + source.mAt, source.mData + source.mAt + wanted, static_cast<uint8_t*>(out));
        given = wanted;
    }
    source.mAt += given;
    return size == 0 ? 0 : given / size;
}
} // namespace

VorbisReader::ReadHook VorbisReader::sBeforeFileRead = nullptr;

VorbisReader::VorbisReader() : mFile(std::make_unique<OggVorbis_File>()) {}

VorbisReader::~VorbisReader() { Close(); }

Result VorbisReader::OpenMemory(const uint8_t* data, size_t size)
{
    Close();
    if (size > static_cast<size_t>(LONG_MAX))
        return Result::FileBad;
    mSource.mData = data;
    mSource.mSize = size;
    return OpenSource();
}

Result VorbisReader::OpenFile(FILE* file, uint64_t end)
{
    Close();
    mSource.mFile = file;
    mSource.mSize = end;
    if (fseeko(file, 0, SEEK_SET) != 0)
    {
        Close();
        return Result::FileBad;
    }
    return OpenSource();
}

Result VorbisReader::OpenSource()
{
    // No close callback: the file is ours to close, whether the open worked or not.
    // Read without seeking, libvorbisfile neither scans the whole source for a
    // length (minutes over a long tail of junk) nor goes the way through chained
    // streams that leaks on a damaged one, and it never seeks (libvorbisfile 1.3.7).
    const ov_callbacks callbacks = {ReadBytes, nullptr, nullptr, nullptr};
    if (ov_open_callbacks(&mSource, mFile.get(), nullptr, 0, callbacks) != 0)
    {
        Close(); // a failed open has already cleared the decoder
        return Result::FileBad;
    }
    mOpen = true;
    const vorbis_info* info = ov_info(mFile.get(), -1);
    if (!info || info->channels < 1 || info->rate <= 0 || info->rate > MaxRate)
    {
        Close();
        return Result::Format;
    }
    mFileChannels = info->channels;
    mRate = static_cast<int>(info->rate);
    return Result::Ok;
}

void VorbisReader::Close()
{
    if (mOpen)
        ov_clear(mFile.get());
    mOpen = false;
    if (mSource.mFile)
        std::fclose(mSource.mFile);
    mSource = Source{};
    mFileChannels = 0;
    mRate = 0;
}

size_t VorbisReader::Read(float* out, int channels, size_t maxFrames)
{
    if (!mOpen || channels < 1)
        return 0;
    const int wanted = static_cast<int>(std::min<size_t>(maxFrames, INT_MAX));
    for (;;)
    {
        float** pcm = nullptr;
        int link = 0;
        const long got = ov_read_float(mFile.get(), &pcm, wanted, &link);
        if (got == OV_HOLE)
            continue; // a page was lost or damaged: decoding resumes after it
        if (got <= 0)
            return 0;
        // Each link of a chained file has its own channel count.
        const vorbis_info* info = ov_info(mFile.get(), link);
        if (!info || info->channels < 1)
            return 0;
        const size_t frames = static_cast<size_t>(got);
        for (int c = 0; c < channels; ++c)
        {
            const float* from = pcm[std::min(c, info->channels - 1)];
            for (size_t f = 0; f < frames; ++f)
                out[f * channels + c] = from[f];
        }
        return frames;
    }
}

} // namespace Sound
} // namespace Framework

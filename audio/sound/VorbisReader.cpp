#include "audio/sound/VorbisReader.h"
#include <algorithm>
#include <climits>
#include <vorbis/vorbisfile.h>
#include "audio/sound/Decoder.h"
#include "platform/Platform.h"

namespace Framework
{
namespace Sound
{
namespace
{
size_t ReadBytes(void* out, size_t size, size_t count, void* opaque)
{
    auto& source = *static_cast<VorbisReader::Source*>(opaque);
    if (source.mFile)
        return std::fread(out, size, count, source.mFile);
    const size_t wanted = size * count; // libvorbisfile asks in bytes (size 1)
    const size_t given = std::min(wanted, source.mSize - source.mAt);
    std::copy(source.mData + source.mAt, source.mData + source.mAt + given, static_cast<uint8_t*>(out));
    source.mAt += given;
    return size == 0 ? 0 : given / size;
}

// Seeking is only for files (see OpenSource).
int SeekBytes(void* opaque, ogg_int64_t offset, int whence)
{
    return fseeko(static_cast<VorbisReader::Source*>(opaque)->mFile, static_cast<off_t>(offset), whence);
}

long TellBytes(void* opaque) { return static_cast<long>(ftello(static_cast<VorbisReader::Source*>(opaque)->mFile)); }
} // namespace

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

Result VorbisReader::OpenFile(const std::string& nativePath)
{
    Close();
    mSource.mFile = Platform::OpenFileForReading(nativePath);
    if (!mSource.mFile)
        return Result::FileNotFound;
    return OpenSource();
}

Result VorbisReader::OpenSource()
{
    // No close callback: the file is ours to close, whether the open worked or not.
    // Bytes in memory are decoded once from start to end: read without seeking,
    // libvorbisfile neither scans the whole of them for a length nor goes the
    // way through chained streams that leaks on a damaged one (libvorbisfile 1.3.7).
    const bool seekable = mSource.mFile != nullptr;
    const ov_callbacks callbacks = {ReadBytes, seekable ? SeekBytes : nullptr, nullptr, seekable ? TellBytes : nullptr};
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
    const ogg_int64_t total = ov_pcm_total(mFile.get(), -1);
    mAnnouncedFrames = total > 0 ? static_cast<size_t>(total) : 0;
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
    mAnnouncedFrames = 0;
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

bool VorbisReader::Seek(size_t frame)
{
    if (!mOpen)
        return false;
    if (frame <= static_cast<size_t>(INT64_MAX) && ov_pcm_seek(mFile.get(), static_cast<ogg_int64_t>(frame)) == 0)
        return true;
    // A damaged last page leaves the file without a length to seek by: from the
    // start, decoding up to the frame.
    if (ov_raw_seek(mFile.get(), 0) != 0)
        return false;
    size_t at = 0;
    while (at < frame)
    {
        float** pcm = nullptr;
        int link = 0;
        const long got = ov_read_float(mFile.get(), &pcm, static_cast<int>(std::min<size_t>(frame - at, 4096)), &link);
        if (got == OV_HOLE)
            continue;
        if (got <= 0)
            return false;
        at += static_cast<size_t>(got);
    }
    return true;
}
} // namespace Sound
} // namespace Framework

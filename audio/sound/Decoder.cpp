#include "audio/sound/Decoder.h"
#include <cstdio>
#include <cstring>
#include <new>
#include <sys/stat.h>
#include "core/engine/DebugSystem.h"
#include "platform/Platform.h"

namespace Framework
{
namespace Sound
{
namespace
{
bool StartsWith(const std::vector<uint8_t>& bytes, size_t at, const char* text)
{
    size_t n = std::strlen(text);
    return bytes.size() >= at + n && std::memcmp(bytes.data() + at, text, n) == 0;
}
} // namespace

void LogTooLarge(const std::string& name, const std::string& why)
{
    Log("Sound \"" + name + "\" cannot be loaded: " + why);
}

Result ReadSoundFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    // Only regular files: reading a folder (or a device) as a sound never ends.
    FILE* file = Platform::OpenFileForReading(Platform::NativePath(path));
    if (!file)
        return Result::FileNotFound;
    struct stat status;
    Result result = Result::Ok;
    // The size is checked before the memory is taken: a file of any size can
    // sit where a sound should be.
    if (fstat(fileno(file), &status) != 0 || status.st_size < 0)
        result = Result::FileBad;
    else if (static_cast<uint64_t>(status.st_size) > MaxWholeFileBytes)
    {
        LogTooLarge(path, std::to_string(status.st_size) + " bytes is more than the " +
                              std::to_string(MaxWholeFileBytes >> 20) + " MB a sound read whole may have");
        result = Result::Format;
    }
    else
    {
        // One read of the whole size: byte by byte into a growing vector took
        // twice the time and held up to twice the memory.
        const size_t size = static_cast<size_t>(status.st_size);
        bytes.resize(size);
        if (std::fread(bytes.data(), 1, size, file) != size)
            result = Result::FileBad;
    }
    std::fclose(file);
    return result;
}

Result DecodeFile(const std::string& path, SoundData& out)
{
    std::vector<uint8_t> bytes;
    const Result result = ReadSoundFile(path, bytes);
    return result == Result::Ok ? DecodeMemory(bytes, out, path) : result;
}

bool IsOggVorbis(const std::vector<uint8_t>& bytes) { return StartsWith(bytes, 0, "OggS"); }

Result DecodeMemory(const std::vector<uint8_t>& bytes, SoundData& out, const std::string& name)
{
    if (IsOggVorbis(bytes))
        return DecodeOggVorbis(bytes, out, name);
    if (StartsWith(bytes, 0, "RIFF") && StartsWith(bytes, 8, "WAVE"))
        return DecodeWav(bytes, out, name);
    return Result::Format;
}
} // namespace Sound
} // namespace Framework

#include "audio/sound/Decoder.h"
#include <cstring>
#include <filesystem>
#include <fstream>
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

Result ReadSoundFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    // Only regular files: reading a folder (or a device) as a sound throws or
    // never ends. The error-code form keeps an overlong name from throwing too.
    const std::string native = Platform::NativePath(path);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(native, ec))
        return Result::FileNotFound;
    std::ifstream file(native, std::ios::binary | std::ios::ate);
    if (!file)
        return Result::FileNotFound;
    // One read of the whole size: byte by byte into a growing vector took
    // twice the time and held up to twice the memory.
    const std::streamoff size = file.tellg();
    if (size < 0 || !file.seekg(0))
        return Result::FileBad;
    bytes.resize(static_cast<size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    return file.gcount() == size ? Result::Ok : Result::FileBad;
}

Result DecodeFile(const std::string& path, SoundData& out)
{
    std::vector<uint8_t> bytes;
    const Result result = ReadSoundFile(path, bytes);
    return result == Result::Ok ? DecodeMemory(bytes, out) : result;
}

bool IsOggVorbis(const std::vector<uint8_t>& bytes) { return StartsWith(bytes, 0, "OggS"); }

Result DecodeMemory(const std::vector<uint8_t>& bytes, SoundData& out)
{
    if (IsOggVorbis(bytes))
        return DecodeOggVorbis(bytes, out);
    if (StartsWith(bytes, 0, "RIFF") && StartsWith(bytes, 8, "WAVE"))
        return DecodeWav(bytes, out);
    return Result::Format;
}
} // namespace Sound
} // namespace Framework

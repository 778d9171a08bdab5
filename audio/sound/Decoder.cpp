#include "audio/sound/Decoder.h"
#include <cstring>
#include <fstream>
#include <iterator>
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

Result DecodeFile(const std::string& path, SoundData& out)
{
    std::ifstream file(Platform::NativePath(path), std::ios::binary);
    if (!file)
        return Result::FileNotFound;
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad())
        return Result::FileBad;
    return DecodeMemory(bytes, out);
}

Result DecodeMemory(const std::vector<uint8_t>& bytes, SoundData& out)
{
    if (StartsWith(bytes, 0, "OggS"))
        return DecodeOggVorbis(bytes, out);
    if (StartsWith(bytes, 0, "RIFF") && StartsWith(bytes, 8, "WAVE"))
        return DecodeWav(bytes, out);
    return Result::Format;
}
} // namespace Sound
} // namespace Framework

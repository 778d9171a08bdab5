#include "core/tiles/TileGridReader.h"
#include <limits>
#include "core/serializers/FileSizeLimit.h"

namespace Framework
{
namespace
{
// The characters the classic locale counts as white space.
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }
} // namespace

TileGridReader TileGridReader::FromStream(std::istream& in)
{
    std::string text;
    if (!in)
        return TileGridReader(std::move(text));
    std::streambuf* buffer = in.rdbuf();
    char chunk[1 << 16];
    for (std::streamsize read; buffer && (read = buffer->sgetn(chunk, sizeof chunk)) > 0;)
    {
        // The file's size was checked when it was opened; a stream that keeps
        // going past the limit (a file still growing) is not held whole.
        if (text.size() + static_cast<size_t>(read) > MaxDataFileBytes)
        {
            TileGridReader refused{std::string()};
            refused.mFailed = true;
            return refused;
        }
        text.append(chunk, static_cast<size_t>(read));
    }
    return TileGridReader(std::move(text));
}

bool TileGridReader::ReadLine(std::string& line)
{
    if (mFailed || mPosition >= mText.size())
        return Fail();
    size_t end = mText.find('\n', mPosition);
    const size_t next = end == std::string::npos ? mText.size() : end + 1;
    if (end == std::string::npos)
        end = mText.size();
    if (end > mPosition && mText[end - 1] == '\r')
        --end;
    line.assign(mText, mPosition, end - mPosition);
    mPosition = next;
    return true;
}

bool TileGridReader::ReadInteger(int64_t& value)
{
    if (mFailed)
        return false;
    const size_t size = mText.size();
    const char* text = mText.data();
    size_t at = mPosition;
    while (at < size && IsSpace(text[at]))
        ++at;
    if (at >= size)
        return Fail();
    const bool negative = text[at] == '-';
    if (negative || text[at] == '+')
        ++at;
    // A negative number may reach one further than a positive one.
    const uint64_t limit = negative ? uint64_t(1) << 63 : uint64_t(std::numeric_limits<int64_t>::max());
    uint64_t magnitude = 0;
    bool overflow = false;
    const size_t firstDigit = at;
    for (; at < size && text[at] >= '0' && text[at] <= '9'; ++at)
    {
        const uint64_t digit = static_cast<uint64_t>(text[at] - '0');
        if (magnitude > (limit - digit) / 10)
            overflow = true;
        else
            magnitude = magnitude * 10 + digit;
    }
    mPosition = at;
    if (at == firstDigit || overflow)
        return Fail();
    value = negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
    return true;
}

bool TileGridReader::ReadUnsigned(uint32_t& value)
{
    int64_t read = 0;
    if (!ReadInteger(read))
        return false;
    if (read < 0 || read > int64_t(std::numeric_limits<uint32_t>::max()))
        return Fail();
    value = static_cast<uint32_t>(read);
    return true;
}

bool TileGridReader::ReadBool(bool& value)
{
    int64_t read = 0;
    if (!ReadInteger(read))
        return false;
    if (read != 0 && read != 1)
        return Fail();
    value = read == 1;
    return true;
}

bool TileGridReader::ReadInt(int32_t& value)
{
    int64_t read = 0;
    if (!ReadInteger(read))
        return false;
    if (read < std::numeric_limits<int32_t>::min() || read > std::numeric_limits<int32_t>::max())
        return Fail();
    value = static_cast<int32_t>(read);
    return true;
}
} // namespace Framework

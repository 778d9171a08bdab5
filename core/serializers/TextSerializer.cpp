#include "core/serializers/TextSerializer.h"
#include <cstdio>
#include <filesystem>
#include "core/engine/DebugSystem.h"
#include "core/serializers/FileSizeLimit.h"
#include "platform/Platform.h"

namespace Framework
{
TextSerializer::ReplaceFunction TextSerializer::sReplace = &Platform::ReplaceWithTemporary;

TextSerializer::TextSerializer(const std::string& path, int mode) : mMode(mode), mTarget(Platform::NativePath(path))
{
    if (mode == Write)
    {
        // A failed or interrupted write must never leave a truncated file behind;
        // a link is written through, a file the user protected is left alone.
        const Platform::WriteTarget where = Platform::ResolveWriteTarget(mTarget);
        if (where.mPath.empty())
        {
            Log("File \"" + mTarget + "\" is left as it is: " + where.mRefusal + ".");
            return;
        }
        mTarget = where.mPath;
        mTemporary = Platform::TemporaryFor(mTarget);
        mStream.open(mTemporary, std::ios::out | std::ios::trunc);
        if (!mStream.is_open())
            Log("Cannot write file \"" + mTarget + "\".");
        return;
    }
    // Reading never creates, truncates or writes a file: a missing name (a typo
    // in a list, a path from random bytes) must leave nothing behind.
    Platform::RemoveLeftoverTemporary(mTarget);
    const Platform::FileKind kind = Platform::KindOfFile(mTarget);
    if (kind == Platform::FileKind::Missing)
    {
        mMissing = true;
        return;
    }
    // A pipe would block and a device never end: anything but a file is unread.
    if (kind != Platform::FileKind::Regular)
    {
        Log("Cannot read \"" + mTarget + "\": it is not a file.");
        return;
    }
    // Readers of one word or one line would hold a file without line breaks whole.
    std::error_code error;
    const uintmax_t size = std::filesystem::file_size(mTarget, error);
    if (error)
    {
        Log("Cannot open file \"" + mTarget + "\".");
        return;
    }
    if (!DataFileSizeAllowed(mTarget, size))
        return;
    mStream.open(mTarget, std::ios::in);
    if (!mStream.is_open())
        Log("Cannot open file \"" + mTarget + "\".");
}

TextSerializer::~TextSerializer()
{
    Close();
    if (mUnplaced)
        std::remove(mTemporary.c_str());
}

bool TextSerializer::Close()
{
    if (mMode == Write)
        return FinishUnplaced() && PutInPlace();
    if (!mStream.is_open())
        return false;
    mStream.close();
    return true;
}

bool TextSerializer::FinishUnplaced()
{
    if (mMode != Write || !mStream.is_open())
        return false;
    mStream.flush();
    bool good = !mStream.fail();
    mStream.close();
    good = good && !mStream.fail();
    if (!good)
    {
        std::remove(mTemporary.c_str());
        Log("Writing file \"" + mTarget + "\" failed; the old file is kept.");
        return false;
    }
    mUnplaced = true;
    return true;
}

bool TextSerializer::SyncUnplaced()
{
    if (!mUnplaced)
        return false;
    const std::string folder = std::filesystem::path(mTemporary).parent_path().string();
    if (Platform::SyncToDisk(mTemporary) && Platform::SyncToDisk(folder.empty() ? "." : folder))
        return true;
    mUnplaced = false;
    std::remove(mTemporary.c_str());
    Log("Writing file \"" + mTarget + "\" failed: the disk did not keep it; the old file is kept.");
    return false;
}

bool TextSerializer::PutInPlace()
{
    if (!mUnplaced)
        return false;
    mUnplaced = false;
    if (!sReplace(mTemporary, mTarget))
    {
        Log("Writing file \"" + mTarget + "\" failed; the old file is kept.");
        return false;
    }
    return true;
}

bool TextSerializer::IsGood() { return mStream.is_open() && !mStream.eof() && !mStream.fail(); }

void TextSerializer::ReadInt(int& value)
{
    int read;
    if (mStream >> read)
        value = read;
}

void TextSerializer::ReadFloat(float& value)
{
    float read;
    if (mStream >> read)
        value = read;
}

void TextSerializer::ReadString(std::string& value)
{
    std::string read;
    mStream >> read;
    // At the end of the file the word is empty: that is the list-end sentinel.
    value = read;
}

void TextSerializer::ReadVec3(Vec3& value)
{
    float x, y, z;
    if (mStream >> x >> y >> z)
        value = Vec3(x, y, z);
}

void TextSerializer::ReadBool(bool& value)
{
    bool read;
    if (mStream >> read)
        value = read;
}

void TextSerializer::ReadUnsigned(uint32_t& value)
{
    // Extraction into an unsigned type accepts "-1"; read signed-wide and check.
    long long read;
    if (!(mStream >> read))
        return;
    if (read < 0 || read > 0xFFFFFFFFll)
    {
        mStream.setstate(std::ios::failbit);
        return;
    }
    value = static_cast<uint32_t>(read);
}

void TextSerializer::ReadLine(std::string& value)
{
    std::string read;
    if (!std::getline(mStream, read))
        return;
    if (!read.empty() && read.back() == '\r')
        read.pop_back();
    value = read;
}

void TextSerializer::WriteInt(const int& value) { mStream << value << '\n'; }
void TextSerializer::WriteFloat(const float& value) { mStream << value << '\n'; }
void TextSerializer::WriteString(const std::string& value) { mStream << value << '\n'; }
void TextSerializer::WriteVec3(const Vec3& value) { mStream << value.x << ' ' << value.y << ' ' << value.z << '\n'; }
void TextSerializer::WriteBool(const bool& value) { mStream << (value ? 1 : 0) << '\n'; }
void TextSerializer::WriteUnsigned(const uint32_t& value) { mStream << value << '\n'; }
} // namespace Framework

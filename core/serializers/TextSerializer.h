// Position-only text files: one value per line, no keys. Every text data file of
// the engine and every component's text record goes through this.
#pragma once
#include <cstdint>
#include <fstream>
#include <string>
#include "core/math/MathTypes.h"

namespace Framework
{
// The read and write operations of a serializer; serializers are local objects
// of the function that uses them, never deleted through this base.
class Serializer
{
public:
    virtual bool IsGood() = 0;
    virtual void ReadInt(int& value) = 0;
    virtual void ReadFloat(float& value) = 0;
    virtual void ReadString(std::string& value) = 0;
    virtual void ReadVec3(Vec3& value) = 0;
    virtual void ReadBool(bool& value) = 0;
    virtual void ReadUnsigned(uint32_t& value) = 0;
    virtual void ReadLine(std::string& value) = 0;
    virtual void WriteInt(const int& value) = 0;
    virtual void WriteFloat(const float& value) = 0;
    virtual void WriteString(const std::string& value) = 0;
    virtual void WriteVec3(const Vec3& value) = 0;
    virtual void WriteBool(const bool& value) = 0;
    virtual void WriteUnsigned(const uint32_t& value) = 0;

protected:
    ~Serializer() = default;
};

class TextSerializer : public Serializer
{
public:
    enum Mode
    {
        Write = 1,    // a new file, put in place when the serializer closes
        ReadOnly = 2, // reads the existing file; a missing one reads as empty and stays missing
    };

    // path is a stored path (backslashes allowed). Reading modes leave a file
    // over MaxDataFileBytes unopened (it is there, but not read).
    TextSerializer(const std::string& path, int mode);
    ~TextSerializer();
    TextSerializer(const TextSerializer&) = delete;
    TextSerializer& operator=(const TextSerializer&) = delete;

    // False once the end of the file is reached or a read failed.
    bool IsGood() override;
    // Each read leaves the target unchanged when it fails.
    void ReadInt(int& value) override;
    void ReadFloat(float& value) override;
    void ReadString(std::string& value) override; // one whitespace-delimited word
    void ReadVec3(Vec3& value) override;
    void ReadBool(bool& value) override; // 0 or 1
    void ReadUnsigned(uint32_t& value) override;
    void ReadLine(std::string& value) override; // the rest of the line, without "\r\n"
    void WriteInt(const int& value) override;
    void WriteFloat(const float& value) override; // the stream's default format: 6 significant digits
    void WriteString(const std::string& value) override;
    void WriteVec3(const Vec3& value) override; // "x y z"
    void WriteBool(const bool& value) override;
    void WriteUnsigned(const uint32_t& value) override;

    // The file was opened (or, in Write mode, its temporary twin).
    bool IsOpen() const { return mStream.is_open(); }
    // Reading modes: no file of that name exists (as opposed to one that exists
    // but cannot be read, which a writer must then leave alone).
    bool IsMissing() const { return mMissing; }
    // Readers and writers with their own layout (the tile rows) use the stream directly.
    std::fstream& Stream() { return mStream; }
    // Closes the file; in Write mode puts the new content in place. False when
    // anything failed (the old file is then left as it was).
    bool Close();
    // Write mode, for files that must change together: closes the temporary
    // and tells whether it is whole, without putting it in place. A whole one
    // waits for PutInPlace; one never put in place is removed with the
    // serializer, and so is one that is not whole, at once.
    bool FinishUnplaced();
    // Makes the finished temporary and its folder durable before it is put in
    // place, so a crash after the rename finds it whole; false when the disk
    // refused (the temporary is then removed).
    bool SyncUnplaced();
    // Renames the finished temporary over the file; false when that failed.
    bool PutInPlace();

    // How PutInPlace renames: the platform's, unless a test fails it.
    using ReplaceFunction = bool (*)(const std::string& temporary, const std::string& target);
    static ReplaceFunction sReplace;

private:
    std::fstream mStream;
    int mMode;
    std::string mTarget;    // native path of the file
    std::string mTemporary; // Write mode: where the content goes until Close
    bool mMissing = false;  // reading modes: nothing exists at the path
    bool mUnplaced = false; // Write mode: a whole temporary waits for PutInPlace
};
} // namespace Framework

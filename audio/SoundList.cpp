#include "audio/SoundList.h"
#include "core/engine/DebugSystem.h"
#include "core/serializers/TextSerializer.h"

namespace Framework
{
namespace
{
// What a word read at the end of the list gives.
bool IsListEnd(const std::string& word) { return word.empty() || word == "\r" || word == "\n"; }

} // namespace

std::string SoundListTag(int index)
{
    // Past 9 the tags go on with ':', ';', '<' ... as the character codes do.
    return std::string("Sound") + static_cast<char>('0' + index);
}

bool ReadSoundList(const std::string& path, SoundEntries& out)
{
    TextSerializer list(path, TextSerializer::ReadOnly);
    // Missing: a fresh list. Present but unreadable: it must not be rewritten.
    if (!list.IsOpen())
        return list.IsMissing();
    while (list.IsGood())
    {
        std::string tag;
        list.ReadString(tag);
        if (IsListEnd(tag))
            break;
        auto entry = std::make_unique<SoundEntry>("", "", SoundType::Music, 0.0f);
        list.ReadString(entry->mFile);
        list.ReadString(entry->mKey);
        list.ReadUnsigned(entry->mType);
        list.ReadFloat(entry->mVolume);
        // A failed conversion, or the file ending inside the record.
        if (list.Stream().fail() || entry->mFile.empty() || entry->mKey.empty())
        {
            Log("Sound list \"" + path + "\": record " + std::to_string(out.size()) + " (" + tag +
                ") is malformed; the list is read up to it and will not be rewritten.");
            return false;
        }
        out.push_back(std::move(entry));
    }
    return true;
}

bool WriteSoundList(const std::string& path, const SoundEntries& entries)
{
    TextSerializer list(path, TextSerializer::Write);
    if (!list.IsOpen())
        return false;
    int index = 0;
    for (const auto& entry : entries)
    {
        list.WriteString(SoundListTag(index++));
        list.WriteString(entry->mFile);
        list.WriteString(entry->mKey);
        list.WriteUnsigned(entry->mType);
        list.WriteFloat(entry->mVolume);
    }
    return list.Close();
}
} // namespace Framework

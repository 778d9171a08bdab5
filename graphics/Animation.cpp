#include "graphics/Animation.h"
#include "core/engine/DebugSystem.h"
#include "core/serializers/TextSerializer.h"

namespace Framework
{
namespace
{
constexpr int FirstHeaderCharacter = 48; // '0': headers run Animation0, Animation1, ...

bool IsListEnd(const std::string& word) { return word.empty() || word == "\n" || word == "\r"; }

// "Animation" and the one character the writer adds (which may be a blank, so
// the word can end with "Animation"). Any other word means a record lost its
// first line and every field after it would be read one line off.
bool IsHeader(const std::string& word) { return word.size() <= 10 && word.compare(0, 9, "Animation") == 0; }
} // namespace

bool ReadAnimations(TextSerializer& file, AnimationTable& table)
{
    // Numbers are read from the stream itself: its state tells a failed number
    // from the end of the file right after a good one.
    std::istream& in = file.Stream();
    // Missing: a fresh table. Present but unreadable: its content must survive.
    if (!file.IsOpen())
        return file.IsMissing();
    while (file.IsGood())
    {
        std::string header;
        file.ReadString(header);
        if (IsListEnd(header))
            return true;
        if (!IsHeader(header))
        {
            Log("Animations.dat has \"" + header.substr(0, 64) + "\" where a record begins; reading stopped there");
            return false;
        }
        Animation animation;
        file.ReadString(animation.mSpriteSheetKey);
        file.ReadString(animation.mName);
        int frame = 0;
        while (in >> frame && frame >= 0)
            animation.mFrames.push_back(static_cast<uint32_t>(frame));
        int framesPerSecond = 0;
        if (in)
            in >> framesPerSecond;
        if (!in)
        {
            Log("Animations.dat ends inside the record \"" + header + "\"; reading stopped there");
            return false;
        }
        animation.mFramesPerSecond = static_cast<uint32_t>(framesPerSecond);
        table.emplace(animation.mName, animation);
    }
    return true;
}

bool WriteAnimations(TextSerializer& file, const AnimationTable& table)
{
    std::ostream& out = file.Stream();
    int counter = FirstHeaderCharacter;
    for (const auto& [name, animation] : table)
    {
        out << "Animation" << static_cast<char>(counter++) << '\n';
        out << animation.mSpriteSheetKey << '\n' << animation.mName << '\n';
        for (uint32_t frame : animation.mFrames)
            out << frame << ' ';
        // Read as an int: a negative rate goes back as it was typed.
        out << "-1\n" << static_cast<int32_t>(animation.mFramesPerSecond) << '\n';
    }
    return file.Close();
}
} // namespace Framework

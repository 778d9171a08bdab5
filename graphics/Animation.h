// An animation: frames of one sprite sheet played at a rate, and the table
// of them kept in "Animations.dat".
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace Framework
{
class TextSerializer;

struct Animation
{
    std::string mSpriteSheetKey;
    std::string mName;
    std::vector<uint32_t> mFrames; // frame indices into the sheet
    uint32_t mFramesPerSecond = 0;
};

using AnimationTable = std::map<std::string, Animation>;

// Reads animation records from in into table; the first record of a name stays.
// A record cut short by the end of the file or a malformed number ends the
// reading and is dropped, with a log line; the result is then false.
bool ReadAnimations(TextSerializer& file, AnimationTable& table);
// Five lines a record, in name order; false when the file could not be written.
bool WriteAnimations(TextSerializer& file, const AnimationTable& table);
} // namespace Framework

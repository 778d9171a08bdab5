// Helpers for the checks of the shipped content: the level list, the names the
// art, animation and sound lists define, loading a level the way the game
// does, and the input recordings that win the play levels.
#pragma once
#include <map>
#include <set>
#include <string>
#include <vector>
#include "support/GameplayFixtures.h"

namespace Framework
{
class Composition;
class TextRenderer;
class Transform;
} // namespace Framework

namespace ContentSupport
{
// Every level pair under Resources/LevelData, by name ("Level1", "UI", ...).
std::vector<std::string> LevelNames();
bool IsPlayLevel(const std::string& name);      // Level1 to Level9
std::string LevelPath(const std::string& name); // "Resources\\LevelData\\" + name

// The names the content lists define, read from the repository's Resources/.
struct Vocabulary
{
    std::map<std::string, int> mSheetFrames;                  // sheet key -> frame count (rows x cols)
    std::map<std::string, std::string> mAnimationSheets;      // animation name -> its sheet
    std::map<std::string, std::vector<int>> mAnimationFrames; // animation name -> frames
    std::set<std::string> mSoundKeys;
};
const Vocabulary& Names();

// Where a text's words lie as the game lays them out with its font: from x
// (its Transform's) over the sum of each glyph's advance, and from 0.25 em
// below y to 0.85 em above it.
struct WordsExtent
{
    float mLeft = 0.0f, mBottom = 0.0f, mRight = 0.0f, mTop = 0.0f;
    float mWidth = 0.0f;
};
WordsExtent WordsOf(const Framework::TextRenderer& text, const Framework::Transform& transform);
// Whether the game's font renders here (the words' extents need it).
bool GameFontReadable();

// The objects of the loaded levels in id order (UI first, when loaded).
std::vector<Framework::Composition*> ObjectsInOrder(Framework::GameObjectFactory& factory);

// The systems of a game without a window: the Camera's creator, which the
// graphics system registers only with a GL context, is added too.
void InitWorld(TestSupport::GameplayWorld& world);

// The first line where two texts differ, with its number, or "" when equal.
std::string FirstDifference(const std::string& a, const std::string& b);

// Loads a level as entering its state does: for a play level the UI level
// first, then the level; state LEVEL with physics running (or the state
// that loads it, for the menus and scenes).
void EnterLevel(TestSupport::GameplayWorld& world, const std::string& name);

// A recording of a player's input: each line "frame KEY" presses KEY for that
// one frame (frames counted from the level's first step); "frame CLICK x y"
// points the mouse at the world point (x, y) and presses the left button for
// that one frame; "end frame" closes it. '#' starts a comment line.
struct Click
{
    float mX = 0.0f;
    float mY = 0.0f;
};
struct Recording
{
    std::multimap<int, int> mTaps;     // frame -> virtual key
    std::multimap<int, Click> mClicks; // frame -> the world point clicked
    int mEnd = 0;
    std::string mError;
};
Recording ReadRecording(const std::string& path);
// The same recording with every tap and click moved by frames (never before
// frame 0); the end stays.
Recording Shifted(const Recording& recording, int frames);
// The same recording with only its input number `input` moved (the taps in
// frame order, then the clicks); every other input stays.
Recording ShiftedOne(const Recording& recording, size_t input, int frames);
size_t InputCount(const Recording& recording);
int KeyCode(const std::string& name); // "SPACE", "UP", "RIGHT", "ESCAPE", ...
} // namespace ContentSupport

// The game's level table: every level the program opens by name, how many play
// levels there are, the levels that play by other rules, and the star limits
// of the play levels. A level path is the level folder and the file name
// without extension ("Resources\LevelData\Level1"), spelled as the level
// switch stores and compares it. Adding a level touches the table in
// Levels.cpp and the content, nothing else, up to nine play levels: the level
// picks ("Level<k>Pick") and the win screen read a level's number as one digit.
#pragma once
#include <string>

namespace Framework
{
// The play levels "Level1" .. "Level9": the level picks open them, the win
// screen's next button walks through them, the settings file keeps them, and
// the unlocked count never passes their number.
constexpr int PlayLevelCount = 9;

// The progress file (unlocked count and won levels), beside the levels.
extern const char* const gGameSettingsPath;
// The folder of the levels as the editor's save and load dialogs name it
// (forward slashes, with the last one): a level is this and its name.
constexpr const char* LevelFolder = "Resources/LevelData/";

// ---- Numbered levels ---------------------------------------------------------
// Path of level n: the play levels 1 to PlayLevelCount, then the scrolling
// level and the ending. An empty path for any other n. The paths are held, so
// callers may compare with them every frame.
const std::string& LevelPath(int n);

// ---- Named levels ------------------------------------------------------------
const std::string& ScrollingLevel();    // "Level10", after the last play level: the view scrolls, the apple never rests
const std::string& EndingLevel();       // "Level11", after the van's scene: the apple drops in, the ending plays
const std::string& SplashScreenLevel(); // state SPLASH_SCREEN
const std::string& MainMenuLevel();     // state MAIN_MENU
const std::string& StoryLevel();        // state PLAY_STORY
const std::string& CreditsLevel();      // state CREDITS
const std::string& UiLevel();           // the HUD, loaded before a level unless it has none
const std::string& PlayTestLevel();     // what the editor saves and plays on F7

// ---- Rules by level ----------------------------------------------------------
bool IsScrollingLevel(const std::string& path);
bool IsEndingLevel(const std::string& path);
// Played without the HUD: no UI level is loaded before it (the scrolling
// level, the ending and the play-test level).
bool HasNoHud(const std::string& path);
// The final times in seconds below which the level earns 3, 2 and 1 stars;
// null for a level that is not rated (only the play levels are).
const float* StarLimits(const std::string& path);
} // namespace Framework

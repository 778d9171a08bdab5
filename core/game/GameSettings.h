// The game settings file: how many levels are unlocked and which were won,
// kept between runs in "Resources\LevelData\GameSettings.xml".
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include "core/game/Levels.h" // gGameSettingsPath, the play levels it keeps

namespace Framework
{
// Reads the file into count and levels. A missing file or element leaves the
// values as they were; a present "Level<n>" with an unreadable value reads as 0.
// Returns false when the file could not be read; a file that exists but cannot
// be parsed is first moved aside (SetAsideUnreadableSettings).
bool ReadGameSettings(const std::string& path, uint32_t& count, std::map<std::string, bool>& levels);
// Renames the file at path to path + ".unreadable" (then ".unreadable1", ...)
// with a log line; returns the new name, or "" when it could not be moved.
std::string SetAsideUnreadableSettings(const std::string& path);
// Writes the file through a temporary name, so a failed write keeps the old
// file. Missing level entries are added as false. Returns false on failure.
bool WriteGameSettings(const std::string& path, uint32_t count, std::map<std::string, bool>& levels);
} // namespace Framework

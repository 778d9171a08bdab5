// The level paths the apple behaves differently in, as the level switch stores them.
#pragma once
#include <string>

namespace Framework
{
// Level10: the camera scrolls and the apple never comes to rest.
inline bool IsScrollingLevel(const std::string& level) { return level == "Resources\\LevelData\\Level10"; }
// Level11: the apple drops in from the right and the ending plays.
inline bool IsEndingLevel(const std::string& level) { return level == "Resources\\LevelData\\Level11"; }
} // namespace Framework

// Stars for a finished level, from its final time.
#pragma once
#include <cstdint>
#include <string>

namespace Framework
{
// 0 to 3 stars for finishing the level at levelPath in finalTime seconds;
// 0 for a level without limits (the level table holds them, Levels.h).
uint32_t StarRating(const std::string& levelPath, float finalTime);
} // namespace Framework

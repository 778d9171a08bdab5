// The level stopwatch, held by the physics system: the win contact stops it.
#pragma once
#include <cstdint>

namespace Framework
{
struct LevelTimer
{
    float mRunningTime = 0.0f; // seconds played in the level
    float mFinalTime = 0.0f;   // the running time when the goal was reached; 0 until then

    // 0 to 3 stars for the level just played; 0 outside "LEVEL".
    uint32_t GetStarRating() const;
};
} // namespace Framework

#include "core/game/StarRating.h"

namespace Framework
{
namespace
{
struct StarLimits
{
    const char* mLevel;
    float mLimits[3]; // 3, 2 and 1 stars below these many seconds
};

const StarLimits gStarTable[] = {
    {"Resources\\LevelData\\Level1", {40.0f, 55.0f, 70.0f}},  {"Resources\\LevelData\\Level2", {50.0f, 65.0f, 80.0f}},
    {"Resources\\LevelData\\Level3", {37.0f, 52.0f, 67.0f}},  {"Resources\\LevelData\\Level4", {51.0f, 61.0f, 71.0f}},
    {"Resources\\LevelData\\Level5", {48.0f, 63.0f, 78.0f}},  {"Resources\\LevelData\\Level6", {75.0f, 90.0f, 105.0f}},
    {"Resources\\LevelData\\Level7", {75.0f, 90.0f, 105.0f}}, {"Resources\\LevelData\\Level8", {75.0f, 90.0f, 105.0f}},
    {"Resources\\LevelData\\Level9", {75.0f, 90.0f, 105.0f}},
};
} // namespace

uint32_t StarRating(const std::string& levelPath, float finalTime)
{
    for (const StarLimits& row : gStarTable)
    {
        if (levelPath != row.mLevel)
            continue;
        for (uint32_t i = 0; i < 3; ++i)
            if (finalTime < row.mLimits[i])
                return 3 - i;
        return 0;
    }
    return 0;
}
} // namespace Framework

#include "core/game/StarRating.h"
#include "core/game/Levels.h"

namespace Framework
{
uint32_t StarRating(const std::string& levelPath, float finalTime)
{
    const float* limits = StarLimits(levelPath);
    if (!limits)
        return 0;
    for (uint32_t i = 0; i < 3; ++i)
        if (finalTime < limits[i])
            return 3 - i;
    return 0;
}
} // namespace Framework

#include "physics/LevelTimer.h"
#include "core/game/GameLogic.h"
#include "core/game/StarRating.h"

namespace Framework
{
uint32_t LevelTimer::GetStarRating() const
{
    if (!gLogic || gLogic->mState.mCurrent != GameState::LEVEL)
        return 0;
    return StarRating(gLogic->mState.GetCurrentLevel(), mFinalTime);
}
} // namespace Framework

#include "core/engine/FrameRateController.h"
#include "platform/Platform.h"
#include <algorithm>

namespace Framework
{
float gDeltaTime = 0.0f;

FrameRateController::FrameRateController(Clock clock)
    : mClock(clock ? std::move(clock) : Clock(Platform::SteadyNanoseconds))
{
    mStartTime = mEndTime = mClock();
}

void FrameRateController::EndFrame()
{
    ++mFrameCount;
    mNow = static_cast<uint32_t>(mClock() / 1000000ull);
    const uint32_t elapsed = mNow - mLastMeasurement; // unsigned: survives the wrap
    if (elapsed > 250)
    {
        mFps = static_cast<float>(mFrameCount) * 1000.0f / static_cast<float>(elapsed);
        mLastMeasurement = mNow;
        mFrameCount = 0;
    }
    // Never more than one 60 Hz step: below 60 fps the game runs slower than real time.
    // Before the first measurement fps is 0 and 1/fps is infinite.
    mDt = std::min(0.016667f, 1.0f / mFps);
    gDeltaTime = mDt;
}
} // namespace Framework

#include <gtest/gtest.h>
#include "core/engine/FrameRateController.h"

using namespace Framework;

namespace
{
// Steps a fake clock by a fixed frame time.
struct FakeClock
{
    uint64_t now = 5'000'000'000ull;
    FrameRateController::Clock Fn()
    {
        return [this] { return now; };
    }
};

float RunFrames(FakeClock& clock, FrameRateController& frc, int frames, uint64_t frameNs)
{
    for (int i = 0; i < frames; ++i)
    {
        clock.now += frameNs;
        frc.EndFrame();
    }
    return frc.mDt;
}
} // namespace

TEST(FrameRateController, FirstFramesUseTheSixtyHertzCap)
{
    FakeClock clock;
    FrameRateController frc(clock.Fn());
    clock.now += 1'000'000;
    frc.EndFrame();
    EXPECT_FLOAT_EQ(frc.mDt, 0.016667f);
    EXPECT_FLOAT_EQ(gDeltaTime, 0.016667f);
}

TEST(FrameRateController, ThirtyFramesASecondStaysAtTheCap)
{
    FakeClock clock;
    FrameRateController frc(clock.Fn());
    EXPECT_FLOAT_EQ(RunFrames(clock, frc, 40, 33'333'333ull), 0.016667f);
    EXPECT_NEAR(frc.mFps, 30.0f, 1.0f);
}

TEST(FrameRateController, HundredTwentyFramesASecondHalvesTheStep)
{
    FakeClock clock;
    FrameRateController frc(clock.Fn());
    const float dt = RunFrames(clock, frc, 120, 8'333'333ull);
    EXPECT_NEAR(frc.mFps, 120.0f, 2.0f);
    EXPECT_NEAR(dt, 1.0f / 120.0f, 0.0002f);
}

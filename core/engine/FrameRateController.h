// Measures frames per second and sets the frame time every system receives.
#pragma once
#include <cstdint>
#include <functional>

namespace Framework
{
extern float gDeltaTime; // the current frame time in seconds

class FrameRateController
{
public:
    using Clock = std::function<uint64_t()>; // steady-clock nanoseconds
    explicit FrameRateController(Clock clock = nullptr);

    // Once a frame, after the buffer swap.
    void EndFrame();
    uint64_t Now() const { return mClock(); }

    Clock mClock;
    uint64_t mStartTime = 0;
    uint64_t mEndTime = 0;
    float mFps = 0.0f;
    float mDt = 0.0f;
    uint32_t mFrameCount = 0;
    uint32_t mNow = 0;             // steady-clock milliseconds at the last EndFrame
    uint32_t mLastMeasurement = 1; // milliseconds of the last fps measurement
};
} // namespace Framework

// The session log under the Documents folder and the per-system profiler records.
#pragma once
#include <ctime>
#include <mutex>
#include <string>
#include <vector>
#include "core/engine/FrameRateController.h"
#include "core/engine/LogBuffer.h"

namespace Framework
{
// One profiler series: the last 20 frames' milliseconds, indexed by the frame index.
struct ProfileRecord
{
    std::string mName;
    std::vector<float> mSamples = std::vector<float>(20, 0.0f);
};

class DebugSystem
{
public:
    static constexpr int SampleCount = 20;

    explicit DebugSystem(const std::string& folder);
    ~DebugSystem();

    void OpenLog();
    // Thread-safe: the level loader thread logs too. Lines are queued from the
    // first FlushLog on and written by the next one (or at exit, or on SIGTERM).
    void Log(const std::string& message);
    // Writes the queued lines; called once a frame. From the first call on,
    // lines are queued instead of written one by one.
    void FlushLog();
    void InitProfiler();
    void DrawProfiler();
    static float GetSample(void* data, int i);
    // Advances the frame index: 1, 2, ... 19, 0, ...
    void NextFrame() { mFrameIndex = (mFrameIndex + 1) % SampleCount; }

    bool mProfilerShown = false;
    int mFrameIndex = 0;
    std::time_t mSessionTime;
    std::tm mLocalTime{};
    std::string mPath; // the Documents folder, then the log file's path
    LogBuffer mLogFile;
    bool mLoggingEnabled = false;
    FrameRateController mSystemStopwatch;
    FrameRateController mFrameStopwatch;
    std::vector<ProfileRecord> mRecords;
    std::vector<float> mShares;
    int mRefreshCountdown = 20; // shares are recomputed every 10th drawn frame, first at the 20th

private:
    std::mutex mLogMutex;
    bool mLogQueued = false;     // set by the first FlushLog: lines wait for the next one
    std::time_t mStampTime = -1; // the second mStamp was made for
    char mStamp[32] = {};
};

extern DebugSystem* gDebug;

// Logs through the debug system when there is one (it outlives every system,
// but code under test may run without it).
inline void Log(const std::string& message)
{
    if (gDebug)
        gDebug->Log(message);
}
} // namespace Framework

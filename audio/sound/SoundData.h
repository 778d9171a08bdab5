// A sound decoded into memory: interleaved float samples in [-1, 1].
#pragma once
#include <vector>

namespace Framework
{
namespace Sound
{
struct SoundData
{
    std::vector<float> mSamples; // frame after frame, mChannels samples each
    int mChannels = 0;           // 1 (mono) or 2 (left, right)
    int mRate = 0;               // native frames per second

    size_t FrameCount() const { return mChannels > 0 ? mSamples.size() / mChannels : 0; }
};
} // namespace Sound
} // namespace Framework

#include "audio/sound/SoundSystem.h"
#include <algorithm>
#include "platform/Platform.h"

namespace Framework
{
namespace Sound
{
namespace
{
// After a long stall (a level load, a debugger) the no-sound output catches up
// at most this much, so it never spends a frame mixing minutes of silence.
constexpr uint64_t MaxCatchUpSeconds = 1;
constexpr int ScratchFrames = 4096;
} // namespace

System::System() = default;

System::~System() { Close(); }

Result System::SetOutput(OutputType output)
{
    if (mReleased)
        return Result::NotInitialized;
    if (mMixer.IsInitialized())
        return Result::Initialized;
    if (output != OutputType::AutoDetect && output != OutputType::NoSound && output != OutputType::NoSoundManual)
        return Result::InvalidParam;
    mOutput = output;
    return Result::Ok;
}

Result System::GetNumDrivers(int* count)
{
    if (!count)
        return Result::InvalidParam;
    *count = mOutput == OutputType::AutoDetect ? Platform::AudioDevice::CountOutputDevices() : 0;
    return Result::Ok;
}

Result System::Init(int maxChannels)
{
    if (mReleased)
        return Result::NotInitialized;
    Result result = mMixer.Init(maxChannels);
    if (result != Result::Ok)
        return result;
    mActiveOutput = mOutput;
    if (mOutput == OutputType::AutoDetect && !mDevice.Open(mMixer.GetOutputRate(), &System::Pull, this))
        mActiveOutput = OutputType::NoSound;
    mClockStart = Platform::SteadyNanoseconds();
    mFramesMixed = 0;
    return Result::Ok;
}

Result System::Update()
{
    if (!mMixer.IsInitialized())
        return Result::NotInitialized;
    if (mActiveOutput != OutputType::NoSound)
        return Result::Ok;
    const uint64_t rate = static_cast<uint64_t>(mMixer.GetOutputRate());
    const uint64_t elapsed = Platform::SteadyNanoseconds() - mClockStart;
    const uint64_t due = elapsed / 1000000000ull * rate + elapsed % 1000000000ull * rate / 1000000000ull;
    if (due <= mFramesMixed)
        return Result::Ok;
    uint64_t pending = due - mFramesMixed;
    if (pending > MaxCatchUpSeconds * rate)
        pending = MaxCatchUpSeconds * rate;
    mFramesMixed = due;
    mScratch.resize(2 * ScratchFrames);
    while (pending > 0)
    {
        const int frames = static_cast<int>(std::min<uint64_t>(pending, ScratchFrames));
        mMixer.Render(mScratch.data(), frames);
        pending -= static_cast<uint64_t>(frames);
    }
    return Result::Ok;
}

Result System::Close()
{
    mDevice.Close();
    return mMixer.Close();
}

Result System::Release()
{
    if (mReleased)
        return Result::NotInitialized;
    Close();
    mReleased = true;
    return Result::Ok;
}

void System::Pull(void* self, float* out, int frames) { static_cast<System*>(self)->mMixer.Render(out, frames); }
} // namespace Sound
} // namespace Framework

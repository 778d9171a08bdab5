// The sound system: the mixer plus where its output goes (the audio device, or
// nowhere while still mixing), created, initialised, updated once a frame and closed.
#pragma once
#include <cstdint>
#include <vector>
#include "audio/sound/Mixer.h"
#include "audio/sound/SoundHandles.h"
#include "audio/sound/SoundResult.h"
#include "platform/AudioDevice.h"

namespace Framework
{
namespace Sound
{
class System
{
public:
    System();
    ~System();
    System(const System&) = delete;
    System& operator=(const System&) = delete;

    // Before Init only.
    Result SetOutput(OutputType output);
    // What actually plays: NoSound when AutoDetect found no device to open.
    OutputType GetActiveOutput() const { return mActiveOutput; }
    // Output devices of the chosen output; 0 for the no-sound outputs.
    Result GetNumDrivers(int* count);
    // Starts the output and the mixer with at most maxChannels channels at once.
    Result Init(int maxChannels);
    // Once a frame. The no-sound output mixes here the time gone since the last call.
    Result Update();
    // Stops the output and frees every sound, channel and group.
    Result Close();
    // The end of the system's use: Close, and no Init after it.
    Result Release();

    // Sounds, channels and groups.
    Mixer& GetMixer() { return mMixer; }

private:
    static void Pull(void* self, float* out, int frames);

    Mixer mMixer;
    Platform::AudioDevice mDevice;
    OutputType mOutput = OutputType::AutoDetect;
    OutputType mActiveOutput = OutputType::AutoDetect;
    bool mReleased = false;
    uint64_t mClockStart = 0;    // when the no-sound output started, in steady nanoseconds
    uint64_t mFramesMixed = 0;   // frames the no-sound output mixed since then
    std::vector<float> mScratch; // where the no-sound output mixes to
};
} // namespace Sound
} // namespace Framework

#include "platform/AudioDevice.h"
#include <SDL.h>

namespace Framework
{
namespace Platform
{
namespace
{
constexpr int BufferFrames = 1024; // about 23 ms at 44100 Hz
} // namespace

AudioDevice::~AudioDevice() { Close(); }

int AudioDevice::CountOutputDevices()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return 0;
    int count = SDL_GetNumAudioDevices(0);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    // -1: the driver cannot list its devices, but it has a default one.
    return count < 0 ? 1 : count;
}

bool AudioDevice::Open(int rate, Callback callback, void* user)
{
    Close();
    if (!callback || rate <= 0)
        return false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return false;
    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = AUDIO_F32SYS;
    want.channels = 2;
    want.samples = BufferFrames;
    want.callback = [](void* self, Uint8* stream, int bytes) { Pull(self, stream, bytes); };
    want.userdata = this;
    mCallback = callback;
    mUser = user;
    SDL_AudioSpec have{};
    mDevice = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (mDevice == 0)
    {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        mCallback = nullptr;
        mUser = nullptr;
        return false;
    }
    SDL_PauseAudioDevice(mDevice, 0);
    return true;
}

void AudioDevice::Close()
{
    if (mDevice == 0)
        return;
    SDL_CloseAudioDevice(mDevice); // waits for a running callback
    mDevice = 0;
    mCallback = nullptr;
    mUser = nullptr;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

void AudioDevice::Pull(void* self, uint8_t* stream, int bytes)
{
    auto* device = static_cast<AudioDevice*>(self);
    const int frames = bytes / static_cast<int>(2 * sizeof(float));
    if (device->mCallback)
        device->mCallback(device->mUser, reinterpret_cast<float*>(stream), frames);
    else
        SDL_memset(stream, 0, static_cast<size_t>(bytes));
}
} // namespace Platform
} // namespace Framework

// The default audio output device: stereo 32-bit float frames pulled by a
// callback on the device's own thread.
#pragma once
#include <cstdint>

namespace Framework
{
namespace Platform
{
class AudioDevice
{
public:
    // Fills frames stereo frames (2 * frames floats) at out.
    using Callback = void (*)(void* user, float* out, int frames);

    AudioDevice() = default;
    ~AudioDevice();
    AudioDevice(const AudioDevice&) = delete;
    AudioDevice& operator=(const AudioDevice&) = delete;

    // Output devices the audio driver lists; the default device may still open when it lists none.
    static int CountOutputDevices();
    // Opens the default device at rate frames per second (the driver converts
    // when the hardware runs otherwise) and starts pulling. False when none opens.
    bool Open(int rate, Callback callback, void* user);
    // Stops the callback; when Close returns it no longer runs.
    void Close();
    bool IsOpen() const { return mDevice != 0; }

private:
    static void Pull(void* self, uint8_t* stream, int bytes);

    uint32_t mDevice = 0; // SDL audio device id; 0 when closed
    Callback mCallback = nullptr;
    void* mUser = nullptr;
};
} // namespace Platform
} // namespace Framework

// The sound system's outputs: the audio device, its fallback, and the no-sound outputs.
#include <gtest/gtest.h>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include "audio/sound/SoundSystem.h"
#include "support/AudioTestSupport.h"

using namespace Framework::Sound;

namespace
{
// Sets an environment variable for one test and puts the old value back.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value) : mName(name)
    {
        const char* old = std::getenv(name);
        mHad = old != nullptr;
        if (old)
            mOld = old;
        setenv(name, value, 1);
    }
    ~ScopedEnv()
    {
        if (mHad)
            setenv(mName, mOld.c_str(), 1);
        else
            unsetenv(mName);
    }

private:
    const char* mName;
    std::string mOld;
    bool mHad = false;
};

ChannelHandle PlayLong(System& system)
{
    SoundHandle sound;
    system.GetMixer().CreateSound(TestSupport::ConstantSound(44100 * 10, 0.1f), Mode::Default, &sound);
    ChannelHandle channel;
    system.GetMixer().PlaySound(sound, {}, false, &channel);
    return channel;
}
} // namespace

TEST(SoundSystem, ManualOutputMixesOnlyWhenRendered)
{
    System system;
    ASSERT_EQ(system.SetOutput(OutputType::NoSoundManual), Result::Ok);
    ASSERT_EQ(system.Init(10), Result::Ok);
    EXPECT_EQ(system.SetOutput(OutputType::NoSound), Result::Initialized);
    ChannelHandle channel = PlayLong(system);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    system.Update();
    double position = -1.0;
    system.GetMixer().GetPosition(channel, &position);
    EXPECT_EQ(position, 0.0);
}

TEST(SoundSystem, NoSoundOutputStillMixesInRealTime)
{
    System system;
    ASSERT_EQ(system.SetOutput(OutputType::NoSound), Result::Ok);
    int drivers = -1;
    system.GetNumDrivers(&drivers);
    EXPECT_EQ(drivers, 0);
    ASSERT_EQ(system.Init(10), Result::Ok);
    ChannelHandle channel = PlayLong(system);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    system.Update();
    double position = 0.0;
    ASSERT_EQ(system.GetMixer().GetPosition(channel, &position), Result::Ok);
    EXPECT_GT(position, 44100 * 0.04);
    EXPECT_LT(position, 44100 * 1.01); // one catch-up at most
}

TEST(SoundSystem, TheDefaultDeviceOpensUnderTheDummyDriver)
{
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    System system;
    ASSERT_EQ(system.Init(10), Result::Ok);
    EXPECT_EQ(system.GetActiveOutput(), OutputType::AutoDetect);
    PlayLong(system);
    EXPECT_EQ(system.Close(), Result::Ok);
}

TEST(SoundSystem, FallsBackToNoSoundWhenNoDeviceOpens)
{
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    System system;
    int drivers = -1;
    system.GetNumDrivers(&drivers);
    EXPECT_EQ(drivers, 0);
    ASSERT_EQ(system.Init(10), Result::Ok);
    EXPECT_EQ(system.GetActiveOutput(), OutputType::NoSound);
    ChannelHandle channel = PlayLong(system);
    EXPECT_FALSE(channel.IsNull());
}

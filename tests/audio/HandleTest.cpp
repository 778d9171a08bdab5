// Handles: null and stale handles are refused and change nothing; channels are
// stolen oldest first when all are busy; calls before Init are refused.
#include <gtest/gtest.h>
#include <limits>
#include "audio/sound/Mixer.h"
#include "support/AudioTestSupport.h"

using namespace Framework::Sound;
using TestSupport::ConstantSound;

namespace
{
SoundHandle MakeSound(Mixer& mixer, float level = 0.5f)
{
    SoundHandle sound;
    mixer.CreateSound(ConstantSound(10, level), Mode::Default, &sound);
    return sound;
}
} // namespace

TEST(SoundHandles, NullHandlesAreInvalid)
{
    Mixer mixer;
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    float volume = 0.0f;
    EXPECT_EQ(mixer.SetVolume(ChannelHandle{}, 1.0f), Result::InvalidHandle);
    EXPECT_EQ(mixer.GetVolume(ChannelHandle{}, &volume), Result::InvalidHandle);
    EXPECT_EQ(mixer.Stop(ChannelHandle{}), Result::InvalidHandle);
    EXPECT_EQ(mixer.SetMute(GroupHandle{}, true), Result::InvalidHandle);
    ChannelHandle channel;
    EXPECT_EQ(mixer.PlaySound(SoundHandle{}, {}, false, &channel), Result::InvalidHandle);
    EXPECT_TRUE(channel.IsNull());
}

TEST(SoundHandles, AStoppedChannelsHandleIsStaleAndDoesNotReachItsSlotsNextChannel)
{
    Mixer mixer;
    ASSERT_EQ(mixer.Init(1), Result::Ok);
    SoundHandle sound = MakeSound(mixer);
    ChannelHandle first;
    mixer.PlaySound(sound, {}, false, &first);
    ASSERT_EQ(mixer.Stop(first), Result::Ok);
    EXPECT_EQ(mixer.Stop(first), Result::InvalidHandle);

    ChannelHandle second;
    mixer.PlaySound(sound, {}, false, &second);
    EXPECT_EQ(second.mSlot, first.mSlot);
    EXPECT_NE(second, first);
    EXPECT_EQ(mixer.SetVolume(first, 0.0f), Result::InvalidHandle);
    EXPECT_EQ(mixer.SetPaused(first, true), Result::InvalidHandle);
    float volume = 0.0f;
    mixer.GetVolume(second, &volume);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    bool paused = true;
    mixer.GetPaused(second, &paused);
    EXPECT_FALSE(paused);
}

TEST(SoundHandles, AllChannelsBusyStealsTheOldest)
{
    Mixer mixer;
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    SoundHandle sound = MakeSound(mixer);
    ChannelHandle a, b, c;
    mixer.PlaySound(sound, {}, false, &a);
    mixer.PlaySound(sound, {}, false, &b);
    ASSERT_EQ(mixer.PlaySound(sound, {}, false, &c), Result::Ok);
    bool playing = false;
    EXPECT_EQ(mixer.IsPlaying(a, &playing), Result::InvalidHandle);
    EXPECT_EQ(mixer.IsPlaying(b, &playing), Result::Ok);
    EXPECT_EQ(mixer.IsPlaying(c, &playing), Result::Ok);
    EXPECT_EQ(mixer.GetPlayingCount(), 2);
}

TEST(SoundHandles, CloseMakesEveryHandleStale)
{
    Mixer mixer;
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    SoundHandle sound = MakeSound(mixer);
    ChannelHandle channel;
    mixer.PlaySound(sound, {}, false, &channel);
    ASSERT_EQ(mixer.Close(), Result::Ok);
    EXPECT_EQ(mixer.Stop(channel), Result::NotInitialized);
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    EXPECT_EQ(mixer.Stop(channel), Result::InvalidHandle);
    ChannelHandle none;
    EXPECT_EQ(mixer.PlaySound(sound, {}, false, &none), Result::InvalidHandle);
}

TEST(SoundHandles, CallsBeforeInitAndBadValuesAreRefused)
{
    Mixer mixer;
    SoundHandle sound;
    EXPECT_EQ(mixer.CreateSound(ConstantSound(4, 0.1f), Mode::Default, &sound), Result::NotInitialized);
    EXPECT_EQ(mixer.Init(0), Result::InvalidParam);
    ASSERT_EQ(mixer.Init(1), Result::Ok);
    EXPECT_EQ(mixer.Init(1), Result::Initialized);
    sound = MakeSound(mixer);
    ChannelHandle channel;
    mixer.PlaySound(sound, {}, false, &channel);
    EXPECT_EQ(mixer.SetLoopCount(channel, -2), Result::InvalidParam);
    EXPECT_EQ(mixer.SetFrequency(channel, -1.0f), Result::InvalidParam);
    EXPECT_EQ(mixer.SetVolume(channel, std::numeric_limits<float>::quiet_NaN()), Result::InvalidParam);
}

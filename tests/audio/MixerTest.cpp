// The mixer rendered into a buffer: gains, rates, loops, pause, mute, clipping.
//
// Contents:
//   the fixture: make, play, render the left side, position and playing
//   mono and stereo rendering, gains and clipping
//   step and interpolation by frequency and pitch
//   loop counts
//   pause and mute, own and inherited
//   stopping and releasing groups and sounds
#include <gtest/gtest.h>
#include <cmath>
#include <vector>
#include "audio/sound/Mixer.h"
#include "support/AudioTestSupport.h"

using namespace Framework::Sound;
using TestSupport::ConstantSound;
using TestSupport::RampSound;

namespace
{
class MixerTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(mMixer.Init(4), Result::Ok); }

    SoundHandle Make(SoundData data, Mode mode = Mode::Default)
    {
        SoundHandle sound;
        EXPECT_EQ(mMixer.CreateSound(std::move(data), mode, &sound), Result::Ok);
        return sound;
    }
    ChannelHandle Play(SoundHandle sound, GroupHandle group = {})
    {
        ChannelHandle channel;
        EXPECT_EQ(mMixer.PlaySound(sound, group, false, &channel), Result::Ok);
        return channel;
    }
    // Renders frames frames and returns the left samples.
    std::vector<float> Left(int frames)
    {
        std::vector<float> buffer(2 * frames);
        mMixer.Render(buffer.data(), frames);
        std::vector<float> left;
        for (int i = 0; i < frames; ++i)
            left.push_back(buffer[2 * i]);
        return left;
    }
    double Position(ChannelHandle channel)
    {
        double at = -1.0;
        EXPECT_EQ(mMixer.GetPosition(channel, &at), Result::Ok);
        return at;
    }
    bool Playing(ChannelHandle channel)
    {
        bool playing = false;
        mMixer.IsPlaying(channel, &playing);
        return playing;
    }

    Mixer mMixer;
};
} // namespace

TEST_F(MixerTest, RendersAMonoSoundOnBothSidesAtItsOwnLevel)
{
    Play(Make(ConstantSound(100, 0.25f)));
    std::vector<float> buffer(2 * 8);
    mMixer.Render(buffer.data(), 8);
    for (float v : buffer)
        EXPECT_FLOAT_EQ(v, 0.25f);
}

TEST_F(MixerTest, RendersStereoSidesSeparately)
{
    SoundData data;
    data.mChannels = 2;
    data.mRate = 44100;
    data.mSamples = {0.5f, -0.25f, 0.5f, -0.25f, 0.5f, -0.25f};
    Play(Make(data));
    std::vector<float> buffer(4);
    mMixer.Render(buffer.data(), 2);
    EXPECT_FLOAT_EQ(buffer[0], 0.5f);
    EXPECT_FLOAT_EQ(buffer[1], -0.25f);
}

TEST_F(MixerTest, GainIsChannelTimesGroupTimesMaster)
{
    GroupHandle group;
    ASSERT_EQ(mMixer.CreateChannelGroup(&group), Result::Ok);
    ChannelHandle channel = Play(Make(ConstantSound(100, 0.5f)), group);
    // No two of the factors cancel out, so leaving any one of them out shows.
    ASSERT_EQ(mMixer.SetVolume(channel, 0.5f), Result::Ok);
    ASSERT_EQ(mMixer.SetVolume(group, 0.25f), Result::Ok);
    ASSERT_EQ(mMixer.SetVolume(mMixer.GetMasterChannelGroup(), 1.5f), Result::Ok);
    EXPECT_FLOAT_EQ(Left(1)[0], 0.5f * 0.5f * 0.25f * 1.5f);
}

TEST_F(MixerTest, SumOfChannelsIsClippedToTheUnitRange)
{
    Play(Make(ConstantSound(10, 0.8f)));
    Play(Make(ConstantSound(10, 0.8f)));
    SoundHandle negative = Make(ConstantSound(10, -0.9f));
    EXPECT_FLOAT_EQ(Left(1)[0], 1.0f);
    mMixer.Stop(mMixer.GetMasterChannelGroup());
    Play(negative);
    Play(negative);
    EXPECT_FLOAT_EQ(Left(1)[0], -1.0f);
    // A damaged file's NaN or infinite samples are silence: the other channels are still heard.
    mMixer.Stop(mMixer.GetMasterChannelGroup());
    Play(Make(ConstantSound(10, std::nanf(""))));
    Play(Make(ConstantSound(10, INFINITY)));
    Play(Make(ConstantSound(10, 0.5f)));
    EXPECT_FLOAT_EQ(Left(1)[0], 0.5f);
}

TEST_F(MixerTest, StepIsFrequencyTimesPitchOverOutputRate)
{
    // A 22050 Hz sound starts at its own rate: half a frame per output frame.
    ChannelHandle channel = Play(Make(RampSound(1000, 22050)));
    float frequency = 0.0f;
    mMixer.GetFrequency(channel, &frequency);
    EXPECT_FLOAT_EQ(frequency, 22050.0f);
    Left(100);
    EXPECT_DOUBLE_EQ(Position(channel), 50.0);

    // An absolute 44100 Hz plays it at one frame per frame, pitch 2 at two.
    mMixer.SetFrequency(channel, 44100.0f);
    Left(100);
    EXPECT_DOUBLE_EQ(Position(channel), 150.0);
    mMixer.SetPitch(channel, 2.0f);
    Left(100);
    EXPECT_DOUBLE_EQ(Position(channel), 350.0);
}

TEST_F(MixerTest, HalfStepsInterpolateBetweenFrames)
{
    Play(Make(RampSound(10, 22050)));
    std::vector<float> left = Left(4);
    EXPECT_FLOAT_EQ(left[0], 0.0f);
    EXPECT_FLOAT_EQ(left[1], 0.05f);
    EXPECT_FLOAT_EQ(left[2], 0.1f);
    EXPECT_FLOAT_EQ(left[3], 0.15f);
}

TEST_F(MixerTest, LoopCountZeroPlaysOnceThenTheHandleGoesStale)
{
    ChannelHandle channel = Play(Make(ConstantSound(10, 0.5f)));
    std::vector<float> left = Left(20);
    EXPECT_FLOAT_EQ(left[9], 0.5f);
    EXPECT_FLOAT_EQ(left[10], 0.0f);
    bool playing = true;
    EXPECT_EQ(mMixer.IsPlaying(channel, &playing), Result::InvalidHandle);
    EXPECT_FALSE(playing);
}

TEST_F(MixerTest, LoopCountNPlaysNPlusOneTimes)
{
    ChannelHandle channel = Play(Make(ConstantSound(10, 0.5f)));
    ASSERT_EQ(mMixer.SetLoopCount(channel, 2), Result::Ok);
    std::vector<float> left = Left(40);
    EXPECT_FLOAT_EQ(left[29], 0.5f);
    EXPECT_FLOAT_EQ(left[30], 0.0f);
    EXPECT_FALSE(Playing(channel));
    // A step of two and a half lengths uses two loops at once: four loops last two steps.
    ChannelHandle fast = Play(Make(ConstantSound(10, 0.5f)));
    ASSERT_EQ(mMixer.SetLoopCount(fast, 4), Result::Ok);
    ASSERT_EQ(mMixer.SetFrequency(fast, 25 * 44100.0f), Result::Ok);
    left = Left(3);
    EXPECT_FLOAT_EQ(left[1], 0.5f);
    EXPECT_FLOAT_EQ(left[2], 0.0f);
}

TEST_F(MixerTest, LoopForeverAndLoopModeNeverEnd)
{
    ChannelHandle set = Play(Make(ConstantSound(10, 0.1f)));
    ASSERT_EQ(mMixer.SetLoopCount(set, LoopForever), Result::Ok);
    ChannelHandle looping = Play(Make(ConstantSound(10, 0.1f), Mode::LoopNormal));
    // A sound of no frames has no length to loop over: it ends at once.
    ChannelHandle empty = Play(Make(ConstantSound(0, 0.1f), Mode::LoopNormal));
    int loops = 0;
    mMixer.GetLoopCount(looping, &loops);
    EXPECT_EQ(loops, LoopForever);
    Left(1005);
    EXPECT_TRUE(Playing(set));
    EXPECT_TRUE(Playing(looping));
    EXPECT_FALSE(Playing(empty));
    EXPECT_DOUBLE_EQ(Position(looping), 5.0);
    // Steps of many lengths at once still land inside the sound.
    ASSERT_EQ(mMixer.SetFrequency(looping, 3e38f), Result::Ok);
    ASSERT_EQ(mMixer.SetPitch(looping, 3e38f), Result::Ok);
    Left(10);
    EXPECT_TRUE(Playing(looping));
    EXPECT_LT(Position(looping), 10.0);
}

TEST_F(MixerTest, PauseHoldsThePositionAndSilences)
{
    ChannelHandle channel = Play(Make(RampSound(100)));
    Left(10);
    mMixer.SetPaused(channel, true);
    std::vector<float> left = Left(10);
    EXPECT_FLOAT_EQ(left[0], 0.0f);
    EXPECT_DOUBLE_EQ(Position(channel), 10.0);
    EXPECT_TRUE(Playing(channel));
    mMixer.SetPaused(channel, false);
    EXPECT_FLOAT_EQ(Left(1)[0], 0.1f);
}

TEST_F(MixerTest, PauseIsInheritedFromGroupAndMaster)
{
    GroupHandle group;
    mMixer.CreateChannelGroup(&group);
    ChannelHandle channel = Play(Make(RampSound(100)), group);
    mMixer.SetPaused(group, true);
    Left(10);
    EXPECT_DOUBLE_EQ(Position(channel), 0.0);
    mMixer.SetPaused(group, false);
    mMixer.SetPaused(mMixer.GetMasterChannelGroup(), true);
    Left(10);
    EXPECT_DOUBLE_EQ(Position(channel), 0.0);
    bool paused = true;
    mMixer.GetPaused(channel, &paused);
    EXPECT_FALSE(paused); // the channel's own flag is untouched
}

TEST_F(MixerTest, MuteSilencesButKeepsAdvancing)
{
    GroupHandle group;
    mMixer.CreateChannelGroup(&group);
    ChannelHandle channel = Play(Make(ConstantSound(100, 0.5f)), group);
    mMixer.SetMute(channel, true);
    EXPECT_FLOAT_EQ(Left(10)[5], 0.0f);
    EXPECT_DOUBLE_EQ(Position(channel), 10.0);
    mMixer.SetMute(channel, false);
    mMixer.SetMute(group, true);
    EXPECT_FLOAT_EQ(Left(10)[5], 0.0f);
    EXPECT_DOUBLE_EQ(Position(channel), 20.0);
    mMixer.SetMute(group, false);
    EXPECT_FLOAT_EQ(Left(1)[0], 0.5f);
}

TEST_F(MixerTest, AMutedOneShotStillEnds)
{
    ChannelHandle channel = Play(Make(ConstantSound(10, 0.5f)));
    mMixer.SetMute(mMixer.GetMasterChannelGroup(), true);
    Left(20);
    EXPECT_FALSE(Playing(channel));
}

TEST_F(MixerTest, GroupStopEndsOnlyItsChannelsAndMasterStopEndsAll)
{
    GroupHandle music, effects;
    mMixer.CreateChannelGroup(&music);
    mMixer.CreateChannelGroup(&effects);
    SoundHandle sound = Make(ConstantSound(100, 0.1f));
    ChannelHandle a = Play(sound, music);
    ChannelHandle b = Play(sound, effects);
    ChannelHandle c = Play(sound);
    ASSERT_EQ(mMixer.Stop(effects), Result::Ok);
    EXPECT_TRUE(Playing(a));
    EXPECT_FALSE(Playing(b));
    EXPECT_TRUE(Playing(c));
    ASSERT_EQ(mMixer.Stop(mMixer.GetMasterChannelGroup()), Result::Ok);
    EXPECT_EQ(mMixer.GetPlayingCount(), 0);
}

TEST_F(MixerTest, ReleasingASoundOrGroupStopsItsChannels)
{
    GroupHandle group;
    mMixer.CreateChannelGroup(&group);
    SoundHandle sound = Make(ConstantSound(100, 0.1f));
    ChannelHandle inGroup = Play(sound, group);
    ChannelHandle other = Play(Make(ConstantSound(100, 0.1f)));
    ASSERT_EQ(mMixer.ReleaseChannelGroup(group), Result::Ok);
    EXPECT_FALSE(Playing(inGroup));
    EXPECT_EQ(mMixer.SetVolume(group, 1.0f), Result::InvalidHandle);
    ChannelHandle again = Play(sound);
    ASSERT_EQ(mMixer.ReleaseSound(sound), Result::Ok);
    EXPECT_FALSE(Playing(again));
    EXPECT_TRUE(Playing(other));
    ChannelHandle none;
    EXPECT_EQ(mMixer.PlaySound(sound, {}, false, &none), Result::InvalidHandle);
    EXPECT_TRUE(none.IsNull());
    EXPECT_EQ(mMixer.ReleaseChannelGroup(mMixer.GetMasterChannelGroup()), Result::InvalidParam);
}

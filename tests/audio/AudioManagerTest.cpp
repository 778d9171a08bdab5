// The audio manager: music and effects in their groups, volumes, mute on M,
// the sound library's additions, and the channels gameplay reaches through it.
//
// Contents:
//   the fixture: a sound list of one music and one effect
//   music and one-shots in their groups
//   volumes
//   mute on M
//   finding and adding sounds
//   the component creator
#include <gtest/gtest.h>
#include <filesystem>
#include "audio/AudioComponent.h"
#include "audio/sound/Mixer.h"
#include "core/objects/ComponentCreator.h"
#include "core/objects/Factory.h"
#include "core/window/InputSys.h"
#include "core/engine/Message.h"
#include "support/AudioManagerFixture.h"
#include "support/AudioOggPages.h"
#include "support/AudioTestSupport.h"
#include "support/ObjectTestSupport.h"

using namespace Framework;

namespace
{
class AudioManagerTest : public TestSupport::AudioManagerFixture
{
protected:
    void SetUp() override
    {
        AudioManagerFixture::SetUp();
        WriteSound("Short.wav", 100);
        WriteSound("Long.wav", 44100);
        WriteList(Record("Sound0", "Resources/Audio/Long.wav", "Theme", 0, "1") +
                  Record("Sound1", "Resources/Audio/Short.wav", "Blip", 1, "0.8"));
    }
    Sound::Mixer& Mixer() { return mAudio->GetMixer(); }
    bool Muted(Sound::ChannelHandle channel)
    {
        bool muted = false;
        Mixer().GetMute(channel, &muted);
        return muted;
    }
    bool Muted(Sound::GroupHandle group)
    {
        bool muted = false;
        Mixer().GetMute(group, &muted);
        return muted;
    }
};
} // namespace

TEST_F(AudioManagerTest, MusicLoopsInTheMusicGroup)
{
    AudioManager& audio = Start();
    audio.PlayMusic("Theme");
    ASSERT_TRUE(audio.IsMusicPlaying());
    Render(44100 * 2 + 10);
    EXPECT_TRUE(audio.IsMusicPlaying());
    Mixer().Stop(audio.GetEffectsGroup());
    EXPECT_TRUE(audio.IsMusicPlaying());
    Mixer().Stop(audio.GetMusicGroup());
    EXPECT_FALSE(audio.IsMusicPlaying());
}

TEST_F(AudioManagerTest, PlayMusicReplacesTheMusicAndAnUnknownKeyOnlyStopsIt)
{
    AudioManager& audio = Start();
    audio.PlayMusic("Theme");
    const Sound::ChannelHandle first = gMusicChannel;
    audio.PlayMusic("Theme");
    EXPECT_FALSE(audio.IsChannelPlaying(first));
    EXPECT_TRUE(audio.IsMusicPlaying());
    audio.PlayMusic("NoSuchKey");
    EXPECT_FALSE(audio.IsMusicPlaying());
    EXPECT_EQ(Mixer().GetPlayingCount(), 0);
}

TEST_F(AudioManagerTest, OneShotsPlayOnceAtTheEffectsVolumeOutsideTheEffectsGroup)
{
    AudioManager& audio = Start();
    audio.SetGroupVolume(1, 0.5f);
    audio.PlayOneShot("Blip");
    EXPECT_FLOAT_EQ(audio.GetChannelVolume(1), 0.5f);
    // On the master group: stopping the effects group leaves it alone.
    Mixer().Stop(audio.GetEffectsGroup());
    EXPECT_TRUE(audio.IsChannelPlaying(gEffectChannel));
    EXPECT_NEAR(Render(1)[0], 0.5f * 0.5f, 1e-3);
    // Played as soon as the manager is made, it still plays all of its 100 frames.
    const std::vector<float> rest = Render(200);
    EXPECT_NEAR(rest[98], 0.5f * 0.5f, 1e-3);
    EXPECT_EQ(rest[99], 0.0f);
    EXPECT_FALSE(audio.IsChannelPlaying(gEffectChannel));
    audio.PlayOneShot("NoSuchKey");
    EXPECT_EQ(Mixer().GetPlayingCount(), 0);
}

TEST_F(AudioManagerTest, StopEffectsStopsTheOneShotAndTheEffectsGroup)
{
    AudioManager& audio = Start();
    SoundEntry* blip = audio.FindSound("Blip");
    const Sound::ChannelHandle inGroup = audio.PlaySound(blip->mSound, 1, 1.0f, 1.0f, 44100.0f);
    audio.PlayOneShot("Blip");
    audio.PlayMusic("Theme");
    audio.StopEffects();
    EXPECT_FALSE(audio.IsChannelPlaying(inGroup));
    EXPECT_FALSE(audio.IsChannelPlaying(gEffectChannel));
    EXPECT_TRUE(audio.IsMusicPlaying());
}

TEST_F(AudioManagerTest, PlaySoundGivesMusicFullVolumeForeverAndEffectsTheirVolume)
{
    AudioManager& audio = Start();
    const Sound::ChannelHandle music = audio.PlaySound(audio.FindSound("Theme")->mSound, 0, 0.3f, 1.0f, 22050.0f);
    const Sound::ChannelHandle effect = audio.PlaySound(audio.FindSound("Blip")->mSound, 1, 0.3f, 2.0f, 22050.0f);
    float volume = 0.0f, pitch = 0.0f, frequency = 0.0f;
    int loops = 0;
    Mixer().GetVolume(music, &volume);
    Mixer().GetLoopCount(music, &loops);
    EXPECT_FLOAT_EQ(volume, 1.0f);
    EXPECT_EQ(loops, Sound::LoopForever);
    Mixer().GetVolume(effect, &volume);
    Mixer().GetPitch(effect, &pitch);
    Mixer().GetFrequency(effect, &frequency);
    EXPECT_FLOAT_EQ(volume, 0.3f);
    EXPECT_FLOAT_EQ(pitch, 2.0f);
    EXPECT_FLOAT_EQ(frequency, 22050.0f);
    EXPECT_TRUE(audio.PlaySound(audio.FindSound("Blip")->mSound, 2, 1.0f, 1.0f, 44100.0f).IsNull());
}

TEST_F(AudioManagerTest, GetVolumeOfMusicIsTheSmallerOfGroupAndChannel)
{
    AudioManager& audio = Start();
    audio.SetGroupVolume(0, 0.5f);
    EXPECT_FLOAT_EQ(audio.GetVolume(0), 0.5f); // no music: the group alone
    audio.PlayMusic("Theme");
    audio.SetChannelVolume(0, 0.8f);
    EXPECT_FLOAT_EQ(audio.GetVolume(0), 0.5f);
    audio.SetChannelVolume(0, 0.3f);
    EXPECT_FLOAT_EQ(audio.GetVolume(0), 0.3f);
    audio.SetGroupVolume(1, 0.7f);
    EXPECT_FLOAT_EQ(audio.GetVolume(1), 0.7f);
    EXPECT_FLOAT_EQ(audio.GetVolume(2), 0.0f);
}

TEST_F(AudioManagerTest, NewMusicStartsAtTheMusicGroupsVolumeWhenThatIsLower)
{
    AudioManager& audio = Start();
    audio.SetGroupVolume(0, 0.4f);
    audio.PlayMusic("Theme");
    EXPECT_FLOAT_EQ(audio.GetChannelVolume(0), 0.4f);
}

TEST_F(AudioManagerTest, MTogglesMuteOnBothGroupsAndBothChannels)
{
    InputSys input;
    AudioManager& audio = Start();
    audio.PlayMusic("Theme");
    audio.PlayOneShot("Blip");
    auto press = [&](bool down)
    {
        WindowMessage message(nullptr, down ? WM_KEYDOWN : WM_KEYUP, 'M', 0);
        input.SendMessage(&message);
        input.Update(0.016f);
        audio.Update(0.016f);
    };
    press(true);
    EXPECT_TRUE(audio.mMuted);
    EXPECT_TRUE(Muted(audio.GetMusicGroup()));
    EXPECT_TRUE(Muted(audio.GetEffectsGroup()));
    EXPECT_TRUE(Muted(gMusicChannel));
    EXPECT_TRUE(Muted(gEffectChannel));
    EXPECT_FLOAT_EQ(Render(1)[0], 0.0f);

    // Held down it stays muted; a second press unmutes.
    input.Update(0.016f);
    audio.Update(0.016f);
    EXPECT_TRUE(audio.mMuted);
    press(false);
    press(true);
    EXPECT_FALSE(audio.mMuted);
    EXPECT_FALSE(Muted(audio.GetMusicGroup()));
    EXPECT_FALSE(Muted(gMusicChannel));
    EXPECT_GT(Render(1)[0], 0.0f);
}

TEST_F(AudioManagerTest, MuteReachesMusicStartedWhileMuted)
{
    AudioManager& audio = Start();
    audio.mMuted = true;
    audio.Update(0.016f);
    audio.PlayMusic("Theme");
    audio.Update(0.016f);
    EXPECT_TRUE(Muted(gMusicChannel));
}

TEST_F(AudioManagerTest, FindSoundOfAnUnknownKeyIsNull)
{
    AudioManager& audio = Start();
    EXPECT_EQ(audio.FindSound("Aaa"), nullptr);
    EXPECT_EQ(audio.FindSound(" "), nullptr);
    EXPECT_EQ(audio.FindSound("Blip")->mKey, "Blip");
}

TEST_F(AudioManagerTest, AddSoundAppendsAnEffectAtTheNewSoundVolume)
{
    WriteSound("New.wav", 10);
    AudioManager& audio = Start();
    gNewSoundVolume = 0.6f;
    audio.AddSound("Resources/Audio/New.wav", "Added");
    SoundEntry* entry = audio.FindSound("Added");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->mType, 1u);
    EXPECT_FLOAT_EQ(entry->mVolume, 0.6f);
    EXPECT_FALSE(entry->mSound.IsNull());
    EXPECT_EQ(audio.GetSoundKeys().back(), "Added");
    Shutdown();
    const std::vector<std::string> lines = ListLines();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[10], "Sound2");
    EXPECT_EQ(lines[11], "Resources/Audio/New.wav");
    EXPECT_EQ(lines[12], "Added");
    EXPECT_EQ(lines[13], "1");
    EXPECT_EQ(lines[14], "0.6");
}

TEST_F(AudioManagerTest, AddSoundWithAnExistingKeyUpdatesThatEntry)
{
    WriteSound("New.wav", 10);
    AudioManager& audio = Start();
    const Sound::SoundHandle old = audio.FindSound("Blip")->mSound;
    gNewSoundVolume = 0.9f;
    audio.AddSound("Resources/Audio/New.wav", "Blip");
    EXPECT_EQ(audio.GetSounds().size(), 2u);
    EXPECT_EQ(audio.GetSoundKeys().size(), 3u);
    SoundEntry* entry = audio.FindSound("Blip");
    EXPECT_EQ(entry->mFile, "Resources/Audio/New.wav");
    EXPECT_FLOAT_EQ(entry->mVolume, 0.9f);
    EXPECT_NE(entry->mSound, old);
    size_t frames = 0;
    audio.GetMixer().GetSoundLength(entry->mSound, &frames);
    EXPECT_EQ(frames, 10u);
    Shutdown();
    EXPECT_EQ(ListLines().size(), 10u);
}

TEST_F(AudioManagerTest, AddSoundRefusesBlankKeysAndPaths)
{
    WriteSound("New.wav", 10);
    AudioManager& audio = Start();
    for (const auto& [file, key] :
         std::vector<std::pair<std::string, std::string>>{{"Resources/Audio/New.wav", ""},
                                                          {"Resources/Audio/New.wav", "Two words"},
                                                          {"Resources/Audio/New.wav", " "},
                                                          {"", "Key"},
                                                          {"Resources/Audio/My New.wav", "Key"}})
    {
        testing::internal::CaptureStdout();
        audio.AddSound(file, key);
        EXPECT_NE(testing::internal::GetCapturedStdout().find("Sound cannot be added"), std::string::npos);
    }
    EXPECT_EQ(audio.GetSounds().size(), 2u);
    EXPECT_EQ(audio.GetSoundKeys().size(), 3u);
}

TEST_F(AudioManagerTest, ASoundThatCannotBeLoadedStaysInTheLibraryAndTheList)
{
    TestSupport::WriteFile(mFolder.File("Resources/Audio/Broken.ogg"), "OggS and then nothing");
    // Headers that open and no sound after them: music that would never be heard.
    const std::vector<uint8_t> good = TestSupport::ReadBytes(mFolder.File("Resources/Audio/AirCon.ogg"));
    TestSupport::WriteBytes(mFolder.File("Resources/Audio/Silent.ogg"), TestSupport::OggHeadersOnly(good));
    WriteList(Record("Sound0", "Resources/Audio/Missing.ogg", "Gone", 1, "1") +
              Record("Sound1", "Resources/Audio/Short.wav", "Odd", 7, "1") +
              Record("Sound2", "Resources/Audio/Broken.ogg", "Hum", 0, "1") +
              Record("Sound3", "Resources/Audio/Broken.ogg", "Crack", 1, "1") +
              Record("Sound4", "Resources/Audio/Silent.ogg", "Hush", 0, "1") +
              Record("Sound5", "Resources/Audio/AirCon.ogg", "Tune", 0, "1"));
    TestSupport::LogCapture log;
    testing::internal::CaptureStdout();
    AudioManager& audio = Start();
    // Sounds load in the background: a failure is reported when the sound is
    // first played at the latest, else at the first frame after its load.
    audio.PlayOneShot("Crack");
    EXPECT_TRUE(audio.FindSound("Crack")->mSound.IsNull());
    ASSERT_NE(audio.FindSound("Gone"), nullptr);
    ASSERT_NE(audio.FindSound("Hum"), nullptr);
    audio.GetMixer().FinishSound(audio.FindSound("Gone")->mSound);
    audio.GetMixer().FinishSound(audio.FindSound("Hum")->mSound);
    audio.GetMixer().FinishSound(audio.FindSound("Hush")->mSound);
    audio.Update(0.016f);
    EXPECT_TRUE(audio.FindSound("Gone")->mSound.IsNull());
    EXPECT_TRUE(audio.FindSound("Hum")->mSound.IsNull()); // music that does not open is skipped too
    EXPECT_TRUE(audio.FindSound("Hush")->mSound.IsNull());
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_NE(printed.find("FMOD Message 5 : File not found."), std::string::npos);
    // Once for the missing file, once for the unknown type, once each for the broken music and effect,
    // once for the silent music.
    size_t count = 0;
    for (size_t at = printed.find("Sound cannot be loaded"); at != std::string::npos;
         at = printed.find("Sound cannot be loaded", at + 1))
        ++count;
    EXPECT_EQ(count, 5u);
    testing::internal::CaptureStdout();
    audio.PlayMusic("Gone"); // nothing to play: reported, nothing breaks
    // Music opens its file at each play: one deleted since it loaded is reported as missing, in the log too.
    ASSERT_EQ(audio.GetMixer().FinishSound(audio.FindSound("Tune")->mSound), Sound::Result::Ok);
    std::filesystem::remove(mFolder.File("Resources/Audio/AirCon.ogg"));
    audio.PlayMusic("Tune");
    EXPECT_NE(testing::internal::GetCapturedStdout().find("FMOD Message 5 : File not found."), std::string::npos);
    EXPECT_NE(log.Text().find("Sound \"Resources/Audio/AirCon.ogg\" (Tune) cannot be played: File not found."),
              std::string::npos)
        << log.Text();
    EXPECT_FALSE(audio.IsMusicPlaying());
    Shutdown();
    EXPECT_EQ(ListLines().size(), 30u);
}

TEST_F(AudioManagerTest, RegistersTheAudioComponentCreatorWithTheFactory)
{
    GameObjectFactory factory;
    Start();
    ComponentCreator* creator = factory.GetCreator("AudioComponent");
    ASSERT_NE(creator, nullptr);
    EXPECT_EQ(creator->mTypeId, 11u);
    EXPECT_EQ(factory.GetComponentName(11), "AudioComponent");
    Component* made = creator->Create();
    EXPECT_NE(dynamic_cast<AudioComponent*>(made), nullptr);
    EXPECT_EQ(mAudio->GetComponents().size(), 1u);
    delete made;
    EXPECT_TRUE(mAudio->GetComponents().empty());
}

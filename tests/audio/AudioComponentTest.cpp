// The audio component: its file forms, Play and Stop, the update's resolve,
// delayed start and fades, the inspector's edits, and its channel pairs.
//
// Contents:
//   1. The fixture: a sound list of three keys; a headless inspector frame
//   2. Defaults and files
//   3. Play and Stop
//   4. Channel pairs
//   5. Update: play on start, delays, fades
//   6. Inspector
#include <gtest/gtest.h>
#include <imgui.h>
#include <memory>
#include "audio/AudioComponent.h"
#include "audio/sound/Mixer.h"
#include "core/game/GameLogic.h"
#include "core/serializers/TextSerializer.h"
#include "core/serializers/XmlSerializer.h"
#include "support/AudioManagerFixture.h"

using namespace Framework;

// ---- 1. The fixture ---------------------------------------------------------
namespace
{
class AudioComponentTest : public TestSupport::AudioManagerFixture
{
protected:
    void SetUp() override
    {
        AudioManagerFixture::SetUp();
        WriteSound("Short.wav", 100);
        WriteSound("Long.wav", 44100);
        WriteList(Record("Sound0", "Resources/Audio/Long.wav", "Theme", 0, "1") +
                  Record("Sound1", "Resources/Audio/Long.wav", "Hum", 1, "0.5") +
                  Record("Sound2", "Resources/Audio/Short.wav", "Blip", 1, "1"));
        Start();
    }
    size_t PairsOf(const std::string& key, const AudioComponent* component)
    {
        size_t count = 0;
        for (const auto& pair : mAudio->FindSound(key)->mChannels)
            count += pair.second == component ? 1 : 0;
        return count;
    }
    Sound::ChannelHandle ChannelOf(const std::string& key)
    {
        const auto& channels = mAudio->FindSound(key)->mChannels;
        return channels.empty() ? Sound::ChannelHandle{} : channels.begin()->first;
    }
};

// A headless editor frame around the inspector.
class InspectorFrame
{
public:
    InspectorFrame()
    {
        ImGui::CreateContext();
        ImGuiIO& io = ImGui::GetIO();
        io.DisplaySize = ImVec2(800, 600);
        io.DeltaTime = 1.0f / 60.0f;
        io.IniFilename = nullptr;
        unsigned char* pixels;
        int width, height;
        io.Fonts->GetTexDataAsRGBA32(&pixels, &width, &height);
    }
    ~InspectorFrame() { ImGui::DestroyContext(); }
    void Draw(AudioComponent& component)
    {
        ImGui::NewFrame();
        ImGui::Begin("Inspector");
        component.DrawInspector();
        ImGui::End();
        ImGui::EndFrame();
    }
};
} // namespace

// ---- 2. Defaults and files --------------------------------------------------

TEST_F(AudioComponentTest, OnlyTheKeyGoesToXmlAndText)
{
    AudioComponent component;
    component.mKey = "Blip";
    component.mVolume = 3.0f;
    XmlSerializer writer;
    writer.CreateRoot("Object");
    component.SerializeXml(writer);
    ASSERT_TRUE(writer.SaveFile(mFolder.File("c.xml")));
    const std::string xml = TestSupport::ReadFile(mFolder.File("c.xml"));
    EXPECT_NE(xml.find("<AudioComponent>"), std::string::npos);
    EXPECT_NE(xml.find("<Key Value=\"Blip\"/>"), std::string::npos);
    EXPECT_EQ(xml.find("Volume"), std::string::npos);

    XmlSerializer reader;
    ASSERT_TRUE(reader.LoadFile(mFolder.File("c.xml")));
    reader.EnterChild(); // AudioComponent
    reader.EnterChild(); // Key
    AudioComponent read;
    read.UnserializeXml(reader);
    EXPECT_EQ(read.mKey, "Blip");

    {
        TextSerializer text(mFolder.File("c.txt"), TextSerializer::Write);
        component.SerializeText(text);
    }
    EXPECT_EQ(TestSupport::ReadFile(mFolder.File("c.txt")), "AudioComponent\nBlip\n");
    TextSerializer text(mFolder.File("c.txt"), TextSerializer::ReadOnly);
    std::string name;
    text.ReadString(name);
    AudioComponent fromText;
    fromText.UnserializeText(text);
    EXPECT_EQ(fromText.mKey, "Blip");
}

// ---- 3. Play and Stop -------------------------------------------------------

TEST_F(AudioComponentTest, PlayStartsTheKeysSoundAndStopEndsIt)
{
    AudioComponent component;
    component.SetKey("Hum");
    component.mVolume = 0.8f;
    component.Play();
    EXPECT_TRUE(component.IsPlaying());
    EXPECT_EQ(PairsOf("Hum", &component), 1u);
    float volume = 0.0f;
    mAudio->GetMixer().GetVolume(ChannelOf("Hum"), &volume);
    EXPECT_FLOAT_EQ(volume, 0.5f); // the entry's ceiling
    component.Stop();
    EXPECT_FALSE(component.IsPlaying());
    EXPECT_EQ(mAudio->GetMixer().GetPlayingCount(), 0);
}

TEST_F(AudioComponentTest, PlayingAgainReplacesTheComponentsChannel)
{
    AudioComponent component;
    component.SetKey("Hum");
    const auto* pairs = mAudio->FindSound("Hum")->mChannels.data();
    component.Play();
    component.Play();
    EXPECT_EQ(mAudio->GetMixer().GetPlayingCount(), 1);
    EXPECT_EQ(PairsOf("Hum", &component), 1u);
    // Starting a sound during play allocates nothing: the pairs stay in the entry's room.
    EXPECT_EQ(mAudio->FindSound("Hum")->mChannels.data(), pairs);
}

TEST_F(AudioComponentTest, PlaySoundSwitchesToAnotherKey)
{
    AudioComponent component;
    component.SetKey("Hum");
    component.Play();
    component.PlaySound("Blip");
    EXPECT_EQ(component.mKey, "Blip");
    EXPECT_EQ(PairsOf("Hum", &component), 0u);
    EXPECT_EQ(PairsOf("Blip", &component), 1u);
    EXPECT_EQ(mAudio->GetMixer().GetPlayingCount(), 1);
}

TEST_F(AudioComponentTest, StopLeavesOtherComponentsChannelsAlone)
{
    AudioComponent a, b;
    a.SetKey("Hum");
    b.SetKey("Hum");
    a.Play();
    b.Play();
    a.Stop();
    EXPECT_FALSE(a.IsPlaying());
    EXPECT_TRUE(b.IsPlaying());
}

TEST_F(AudioComponentTest, PlayWithoutAKeyPrintsAndPlaysNothing)
{
    AudioComponent component;
    testing::internal::CaptureStdout();
    component.Play();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "AudioSource has no key\n");
    EXPECT_EQ(mAudio->GetMixer().GetPlayingCount(), 0);
}

TEST_F(AudioComponentTest, AnUnknownKeyPlaysNothingRatherThanTheFirstSound)
{
    AudioComponent component;
    component.SetKey("Aardvark");
    EXPECT_EQ(component.mEntry, nullptr);
    component.Play();
    EXPECT_EQ(mAudio->GetMixer().GetPlayingCount(), 0);
}

TEST_F(AudioComponentTest, ApplyVolumeSetsVolumePitchAndFrequencyOnItsChannel)
{
    AudioComponent component;
    EXPECT_FALSE(component.ApplyVolume());
    component.SetKey("Hum");
    component.Play();
    component.mVolume = 0.25f;
    component.mPitch = 1.5f;
    component.mFrequency = 22050.0f;
    EXPECT_TRUE(component.ApplyVolume());
    float volume = 0.0f, pitch = 0.0f, frequency = 0.0f;
    mAudio->GetMixer().GetVolume(ChannelOf("Hum"), &volume);
    mAudio->GetMixer().GetPitch(ChannelOf("Hum"), &pitch);
    mAudio->GetMixer().GetFrequency(ChannelOf("Hum"), &frequency);
    EXPECT_FLOAT_EQ(volume, 0.25f);
    EXPECT_FLOAT_EQ(pitch, 1.5f);
    EXPECT_FLOAT_EQ(frequency, 22050.0f);
}

// ---- 4. Channel pairs -------------------------------------------------------

TEST_F(AudioComponentTest, EndedChannelsArePrunedFromTheEntry)
{
    AudioComponent component;
    component.SetKey("Blip");
    component.Play();
    EXPECT_EQ(PairsOf("Blip", &component), 1u);
    Render(200);
    mAudio->Update(0.016f);
    EXPECT_TRUE(mAudio->FindSound("Blip")->mChannels.empty());
}

TEST_F(AudioComponentTest, ADestroyedComponentsPairsGoButItsSoundPlaysOn)
{
    auto component = std::make_unique<AudioComponent>();
    component->SetKey("Hum");
    component->Play();
    const Sound::ChannelHandle channel = ChannelOf("Hum");
    component.reset();
    EXPECT_TRUE(mAudio->FindSound("Hum")->mChannels.empty());
    EXPECT_TRUE(mAudio->IsChannelPlaying(channel));
    EXPECT_TRUE(mAudio->GetComponents().empty());
}

// ---- 5. Update --------------------------------------------------------------

TEST_F(AudioComponentTest, AComponentWithPlayUnsetStaysSilentUntilAScriptPlaysIt)
{
    AudioComponent component;
    component.mKey = "Theme";
    mAudio->Update(0.016f);
    mAudio->Update(0.016f);
    EXPECT_TRUE(component.mResolved);
    EXPECT_NE(component.mEntry, nullptr);
    EXPECT_EQ(mAudio->GetMixer().GetPlayingCount(), 0);
    component.Play();
    EXPECT_TRUE(component.IsPlaying());
}

TEST_F(AudioComponentTest, AComponentWithPlaySetStartsAtItsFirstUpdate)
{
    AudioComponent component;
    component.mKey = "Theme";
    component.mPlay = true;
    mAudio->Update(0.016f);
    EXPECT_TRUE(component.IsPlaying());
    mAudio->Update(0.016f);
    EXPECT_EQ(mAudio->GetMixer().GetPlayingCount(), 1);
}

TEST_F(AudioComponentTest, ACloneIsNeitherRegisteredNorUpdated)
{
    AudioComponent original;
    original.mKey = "Theme";
    original.mVolume = 0.7f;
    AudioComponent copy(original);
    copy.mPlay = true;
    EXPECT_EQ(copy.mKey, "Theme");
    EXPECT_FLOAT_EQ(copy.mVolume, 0.7f);
    EXPECT_EQ(mAudio->GetComponents().size(), 1u);
    mAudio->Update(0.016f);
    EXPECT_FALSE(copy.mResolved);
    EXPECT_EQ(mAudio->GetMixer().GetPlayingCount(), 0);
}

TEST_F(AudioComponentTest, ADelayedStartPlaysWhenItsTimerReachesTheDelay)
{
    AudioComponent component;
    component.SetKey("Hum");
    component.mDelayedStart = true;
    component.mDelay = 0.5f;
    component.Update(0.2f);
    component.Update(0.2f);
    EXPECT_FALSE(component.IsPlaying());
    EXPECT_TRUE(component.mDelayedStart);
    component.Update(0.2f);
    EXPECT_TRUE(component.IsPlaying());
    EXPECT_FALSE(component.mDelayedStart);
    EXPECT_FLOAT_EQ(component.mDelayTimer, 0.6f); // kept for the script that armed it
}

TEST_F(AudioComponentTest, AFadeOutRunsWhilePlayingThenTheFadeInEndsAFrameLater)
{
    AudioComponent component;
    component.SetKey("Hum");
    component.Update(0.1f); // resolve
    component.mFadeOut = true;
    component.mFadeDuration = 0.3f;
    component.mFadeTarget = 0.9f;
    component.mFadeLevel = 0.5f;

    component.Update(0.2f); // not playing: the fade-out waits
    EXPECT_FLOAT_EQ(component.mFadeTimer, 0.0f);
    component.Play();
    component.Update(0.2f);
    EXPECT_TRUE(component.mFadeOut);
    component.Update(0.2f);
    // 0.4 >= 0.3: out ends, and the shared timer ends the fade-in at once.
    EXPECT_FALSE(component.mFadeOut);
    EXPECT_FALSE(component.mFadeIn);
    EXPECT_FLOAT_EQ(component.mFadeLevel, 0.9f);
}

TEST_F(AudioComponentTest, AFadeInAloneReachesItsTargetAfterItsDuration)
{
    AudioComponent component;
    component.SetKey("Hum");
    component.mFadeIn = true;
    component.mFadeDuration = 0.25f;
    component.mFadeTarget = 0.6f;
    component.Update(0.1f);
    component.Update(0.1f);
    EXPECT_TRUE(component.mFadeIn);
    component.Update(0.1f);
    EXPECT_FALSE(component.mFadeIn);
    EXPECT_FLOAT_EQ(component.mFadeLevel, 0.6f);
}

TEST_F(AudioComponentTest, ManagerInitClearsTheStartState)
{
    AudioComponent component;
    component.mResolved = true;
    component.mStarted = true;
    component.mStartValue = 7;
    mAudio->Init();
    EXPECT_FALSE(component.mResolved);
    EXPECT_FALSE(component.mStarted);
    EXPECT_EQ(component.mStartValue, 0);
}

// ---- 6. Inspector -----------------------------------------------------------

TEST_F(AudioComponentTest, InspectorVolumesAreClampedAndFrequencyIsShownInMultiples)
{
    AudioComponent component;
    component.SetVolumeClamped(150.0f);
    EXPECT_FLOAT_EQ(component.mVolume, 100.0f);
    component.SetVolumeClamped(0.5f);
    EXPECT_FLOAT_EQ(component.mVolume, 1.0f);
    component.SetMinVolume(-2.0f);
    EXPECT_FLOAT_EQ(component.mMinVolume, 0.0f);
    EXPECT_FLOAT_EQ(component.GetFrequencyShown(), 1.0f);
    component.SetFrequencyShown(2.0f);
    EXPECT_FLOAT_EQ(component.mFrequency, 88200.0f);
    component.mPitch = 3.0f;
    component.ResetDefaults();
    EXPECT_FLOAT_EQ(component.mPitch, 1.0f);
    EXPECT_FLOAT_EQ(component.mFrequency, 44100.0f);
    EXPECT_FLOAT_EQ(component.mMinVolume, 1.0f);
}

TEST_F(AudioComponentTest, ChoosingTheNoSoundKeyEmptiesTheKeyAndStops)
{
    AudioComponent component;
    component.SelectKey(2); // " ", "Blip", "Hum", "Theme"
    EXPECT_EQ(component.mKey, "Hum");
    EXPECT_EQ(component.mSelectedKeyIndex, 2);
    component.Play();
    component.SelectKey(0);
    EXPECT_EQ(component.mKey, "");
    EXPECT_FALSE(component.IsPlaying());
    testing::internal::CaptureStdout();
    component.Play();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "AudioSource has no key\n");
}

TEST_F(AudioComponentTest, InTheEditorTheInspectorStopsAComponentWithoutPlay)
{
    GameLogic logic;
    logic.mState.mCurrent = GameState::EDITOR;
    InspectorFrame frame;
    AudioComponent component;
    component.mKey = "Theme"; // as read from a level: no combo position yet
    component.mPlay = true;
    mAudio->Update(0.016f);
    ASSERT_TRUE(component.IsPlaying());

    frame.Draw(component);
    EXPECT_EQ(component.mKey, "Theme");
    EXPECT_EQ(component.mSelectedKeyIndex, 3);
    EXPECT_TRUE(component.IsPlaying());

    component.mPlay = false; // the box unticked
    frame.Draw(component);
    EXPECT_FALSE(component.IsPlaying());
    EXPECT_FALSE(component.mResolved);
    component.mPlay = true; // ticked again: plays at the next update
    mAudio->Update(0.016f);
    EXPECT_TRUE(component.IsPlaying());
}

TEST_F(AudioComponentTest, AnEmptyKeyRoundTripsWithoutTakingTheNextLine)
{
    AudioComponent empty;
    {
        TextSerializer text(mFolder.File("two.txt"), TextSerializer::Write);
        empty.SerializeText(text);
        text.WriteString("Transform");
    }
    TextSerializer text(mFolder.File("two.txt"), TextSerializer::ReadOnly);
    std::string type;
    text.ReadString(type);
    AudioComponent read;
    read.mKey = "Old";
    read.UnserializeText(text);
    EXPECT_EQ(read.mKey, "");
    text.ReadString(type);
    EXPECT_EQ(type, "Transform") << "the next component's type line is still there";
}

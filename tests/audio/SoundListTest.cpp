// The sound list file: reading at construction, the library's keys, and the
// rewrite at shutdown.
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <thread>
#include "audio/SoundList.h"
#include "audio/sound/Mixer.h"
#include "support/AudioManagerFixture.h"

using namespace Framework;

namespace
{
class SoundListTest : public TestSupport::AudioManagerFixture
{
};

std::vector<std::string> Keys(AudioManager& audio) { return audio.GetSoundKeys(); }
} // namespace

TEST_F(SoundListTest, ATrailingNewlineEndsTheListOnTheEmptyWord)
{
    WriteSound("A.wav", 10);
    WriteList(Record("Sound0", "Resources/Audio/A.wav", "Zed", 1, "0.8") +
              Record("Sound1", "Resources/Audio/A.wav", "Alpha", 0, "1") + "\n");
    AudioManager& audio = Start();
    ASSERT_EQ(audio.GetSounds().size(), 2u);
    EXPECT_EQ(Keys(audio), (std::vector<std::string>{" ", "Alpha", "Zed"}));
    EXPECT_FLOAT_EQ(audio.FindSound("Zed")->mVolume, 0.8f);
    EXPECT_EQ(audio.FindSound("Alpha")->mType, 0u);
}

TEST_F(SoundListTest, AListWithoutAFinalNewlineLoadsItsLastRecord)
{
    WriteSound("A.wav", 10);
    std::string text = Record("Sound0", "Resources/Audio/A.wav", "Only", 1, "0.5");
    text.pop_back();
    WriteList(text);
    AudioManager& audio = Start();
    ASSERT_NE(audio.FindSound("Only"), nullptr);
    EXPECT_FLOAT_EQ(audio.FindSound("Only")->mVolume, 0.5f);
}

TEST_F(SoundListTest, ShutdownWritesTheRecordsBackInOrder)
{
    WriteSound("A.wav", 10);
    const std::string text = Record("Sound0", "Resources/Audio/A.wav", "Zed", 1, "0.8") +
                             Record("Sound1", "Resources/Audio/A.wav", "Alpha", 0, "1");
    WriteList(text);
    Start();
    Shutdown();
    EXPECT_EQ(ListText(), text);
}

TEST_F(SoundListTest, TagsContinuePastNineWithTheFollowingCharacters)
{
    WriteSound("A.wav", 10);
    std::string text;
    for (int i = 0; i < 12; ++i)
        text += Record("Sound0", "Resources/Audio/A.wav", "Key" + std::to_string(i), 1, "1");
    WriteList(text);
    Start();
    Shutdown();
    const std::vector<std::string> lines = ListLines();
    ASSERT_EQ(lines.size(), 60u);
    EXPECT_EQ(lines[0], "Sound0");
    EXPECT_EQ(lines[45], "Sound9");
    EXPECT_EQ(lines[50], "Sound:");
    EXPECT_EQ(lines[55], "Sound;");
    EXPECT_EQ(SoundListTag(12), "Sound<");
}

TEST_F(SoundListTest, AMissingListIsCreatedEmptyAndLeavesOnlyTheNoSoundKey)
{
    std::remove(mFolder.File("Resources/Audio/Audio.dat").c_str());
    AudioManager& audio = Start();
    EXPECT_EQ(Keys(audio), (std::vector<std::string>{" "}));
    EXPECT_EQ(audio.FindSound("Anything"), nullptr);
    Shutdown();
    EXPECT_EQ(ListText(), "");
}

TEST_F(SoundListTest, TheFirstRecordOfAKeyWinsAndBothAreKept)
{
    WriteSound("A.wav", 10);
    WriteSound("B.wav", 20);
    const std::string text = Record("Sound0", "Resources/Audio/A.wav", "Same", 1, "0.25") +
                             Record("Sound1", "Resources/Audio/B.wav", "Same", 1, "0.75");
    WriteList(text);
    AudioManager& audio = Start();
    EXPECT_FLOAT_EQ(audio.FindSound("Same")->mVolume, 0.25f);
    EXPECT_EQ(Keys(audio), (std::vector<std::string>{" ", "Same"}));
    Shutdown();
    EXPECT_EQ(ListText(), text);
}

TEST_F(SoundListTest, AMalformedRecordKeepsTheRecordsBeforeItAndTheFileUntouched)
{
    WriteSound("A.wav", 10);
    const std::string text = Record("Sound0", "Resources/Audio/A.wav", "First", 1, "1") +
                             "Sound1\nResources/Audio/A.wav\nBroken\nloud\n1\n" +
                             Record("Sound2", "Resources/Audio/A.wav", "Last", 1, "1");
    WriteList(text);
    AudioManager& audio = Start();
    EXPECT_NE(audio.FindSound("First"), nullptr);
    EXPECT_EQ(audio.FindSound("Broken"), nullptr);
    Shutdown();
    EXPECT_EQ(ListText(), text);
}

TEST_F(SoundListTest, ARecordCutShortIsMalformed)
{
    WriteSound("A.wav", 10);
    const std::string text =
        Record("Sound0", "Resources/Audio/A.wav", "First", 1, "1") + "Sound1\nResources/Audio/A.wav\n";
    WriteList(text);
    AudioManager& audio = Start();
    EXPECT_EQ(audio.GetSounds().size(), 1u);
    Shutdown();
    EXPECT_EQ(ListText(), text);
}

TEST_F(SoundListTest, TheGamesOwnListLoadsEverySound)
{
    testing::internal::CaptureStdout();
    AudioManager& audio = Start();
    // The effects decode on the workers, and the music's files are checked
    // there, before anything plays: no first play waits for a decode.
    auto decoding = [&]
    {
        return std::any_of(audio.GetSounds().begin(), audio.GetSounds().end(),
                           [&](const auto& entry) { return audio.GetMixer().IsSoundDecoding(entry->mSound); });
    };
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (decoding() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    EXPECT_FALSE(decoding());
    // Each decodes cleanly.
    for (const auto& entry : audio.GetSounds())
        EXPECT_EQ(audio.GetMixer().FinishSound(entry->mSound), Sound::Result::Ok) << entry->mKey;
    audio.Update(0.016f);
    const std::string printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(printed, "");
    ASSERT_GT(audio.GetSounds().size(), 20u);
    for (const auto& entry : audio.GetSounds())
        EXPECT_FALSE(entry->mSound.IsNull()) << entry->mKey;
    ASSERT_NE(audio.FindSound("MainMenu_Background_Music"), nullptr);
    EXPECT_EQ(audio.FindSound("MainMenu_Background_Music")->mType, 0u);
}

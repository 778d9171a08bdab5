// Decoding sound files into memory (WAV, OGG Vorbis, files that are not sounds) and streaming them.
#include <gtest/gtest.h>
#include <filesystem>
#include "audio/sound/Decoder.h"
#include "audio/sound/Mixer.h"
#include "support/AudioTestSupport.h"
#include "support/TestSupport.h"

using namespace Framework::Sound;

TEST(WavDecoder, Reads16BitStereoPcm)
{
    SoundData data;
    ASSERT_EQ(DecodeMemory(TestSupport::MakeWav16({16384, -16384, 0, 32767}, 2, 22050), data), Result::Ok);
    EXPECT_EQ(data.mChannels, 2);
    EXPECT_EQ(data.mRate, 22050);
    ASSERT_EQ(data.FrameCount(), 2u);
    EXPECT_FLOAT_EQ(data.mSamples[0], 0.5f);
    EXPECT_FLOAT_EQ(data.mSamples[1], -0.5f);
    EXPECT_NEAR(data.mSamples[3], 1.0f, 1e-4);
}

TEST(WavDecoder, ADataChunkCutShortKeepsTheWholeFramesThatArePresent)
{
    std::vector<uint8_t> bytes = TestSupport::MakeWav16({100, 200, 300, 400}, 1, 8000);
    bytes.resize(bytes.size() - 3); // one and a half frames lost
    SoundData data;
    ASSERT_EQ(DecodeMemory(bytes, data), Result::Ok);
    EXPECT_EQ(data.FrameCount(), 2u);
}

TEST(WavDecoder, BrokenOrUnsupportedFilesAreRefused)
{
    SoundData data;
    std::vector<uint8_t> header = TestSupport::MakeWav16({1, 2}, 1, 8000);
    header.resize(20); // the format chunk is cut
    EXPECT_EQ(DecodeMemory(header, data), Result::FileBad);

    std::vector<uint8_t> adpcm = TestSupport::MakeWav16({1, 2}, 1, 8000);
    adpcm[20] = 2; // format tag 2: ADPCM
    EXPECT_EQ(DecodeMemory(adpcm, data), Result::Format);

    std::vector<uint8_t> noChannels = TestSupport::MakeWav16({1, 2}, 1, 8000);
    noChannels[22] = 0;
    EXPECT_EQ(DecodeMemory(noChannels, data), Result::Format);
}

TEST(SoundFiles, AFileThatIsNoSoundOrIsMissingIsRefused)
{
    TestSupport::TempFolder folder;
    TestSupport::WriteFile(folder.File("text.ogg"), "not a sound at all");
    TestSupport::WriteFile(folder.File("cut.ogg"), "OggS and then nothing");
    SoundData data;
    EXPECT_EQ(DecodeFile(folder.File("text.ogg"), data), Result::Format);
    EXPECT_EQ(DecodeFile(folder.File("cut.ogg"), data), Result::FileBad);
    EXPECT_EQ(DecodeFile(folder.File("missing.ogg"), data), Result::FileNotFound);
    // Streamed, they fail the same way.
    Mixer mixer;
    ASSERT_EQ(mixer.Init(1), Result::Ok);
    SoundHandle sound;
    EXPECT_EQ(mixer.CreateStream(folder.File("text.ogg"), Mode::LoopNormal, &sound), Result::Format);
    EXPECT_EQ(mixer.CreateStream(folder.File("cut.ogg"), Mode::LoopNormal, &sound), Result::FileBad);
    EXPECT_EQ(mixer.CreateStream(folder.File("missing.ogg"), Mode::LoopNormal, &sound), Result::FileNotFound);
    EXPECT_TRUE(sound.IsNull());
}

TEST(SoundFiles, AStreamedFilePlaysTheSamplesOfItsWholeDecodeLoopsAndEnds)
{
    TestSupport::TempFolder folder;
    TestSupport::CopyResources(folder.Path());
    TestSupport::WorkingDirectory cwd(folder.Path());
    const std::string file = "Resources\\Audio\\AirCon.ogg"; // mono, 22050 Hz, 44100 frames
    Mixer mixer(22050);                                      // one frame of the sound per frame of output
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    SoundHandle decoded, streamed, once;
    ASSERT_EQ(mixer.CreateSound(file, Mode::LoopNormal, &decoded), Result::Ok);
    ASSERT_EQ(mixer.CreateStream(file, Mode::LoopNormal, &streamed), Result::Ok);
    ASSERT_EQ(mixer.CreateStream(file, Mode::Default, &once), Result::Ok);
    size_t length = 0;
    ASSERT_EQ(mixer.GetSoundLength(streamed, &length), Result::Ok);
    EXPECT_EQ(length, 44100u);

    // Past the end and round again, in blocks that do not divide the length.
    auto play = [&](SoundHandle sound, int frames)
    {
        ChannelHandle channel;
        EXPECT_EQ(mixer.PlaySound(sound, {}, false, &channel), Result::Ok);
        std::vector<float> all, block(2 * 1000);
        for (int done = 0; done < frames; done += 1000)
        {
            mixer.Render(block.data(), 1000);
            all.insert(all.end(), block.begin(), block.end());
        }
        mixer.Stop(channel);
        return all;
    };
    const std::vector<float> whole = play(decoded, 100000);
    const std::vector<float> stream = play(streamed, 100000);
    ASSERT_EQ(whole.size(), stream.size());
    size_t differing = 0;
    for (size_t i = 0; i < whole.size(); ++i)
        differing += whole[i] != stream[i];
    EXPECT_EQ(differing, 0u);
    EXPECT_NE(whole[2 * 46000], 0.0f); // the second pass is heard, not silence

    // Played once, it ends at its length and its handle goes stale.
    ChannelHandle channel;
    ASSERT_EQ(mixer.PlaySound(once, {}, false, &channel), Result::Ok);
    std::vector<float> block(2 * 44000);
    mixer.Render(block.data(), 44000);
    bool playing = false;
    EXPECT_EQ(mixer.IsPlaying(channel, &playing), Result::Ok);
    mixer.Render(block.data(), 200);
    EXPECT_EQ(mixer.IsPlaying(channel, &playing), Result::InvalidHandle);
    EXPECT_FALSE(playing);
}

TEST(SoundFiles, DecodesTheGamesOggVorbisFilesByStoredPath)
{
    TestSupport::TempFolder folder;
    TestSupport::CopyResources(folder.Path());
    TestSupport::WorkingDirectory cwd(folder.Path());
    SoundData data;
    // Stored paths may use backslashes.
    ASSERT_EQ(DecodeFile("Resources\\Audio\\AirCon.ogg", data), Result::Ok);
    EXPECT_EQ(data.mChannels, 1);
    EXPECT_EQ(data.mRate, 22050);
    EXPECT_EQ(data.FrameCount(), 44100u); // two seconds

    Mixer mixer;
    ASSERT_EQ(mixer.Init(1), Result::Ok);
    SoundHandle sound;
    EXPECT_EQ(mixer.CreateSound("Resources/Audio/ButtonClick.ogg", Mode::Default, &sound), Result::Ok);
    EXPECT_FALSE(sound.IsNull());
    EXPECT_EQ(mixer.CreateSound("Resources/Audio/Nothing.ogg", Mode::Default, &sound), Result::FileNotFound);
    EXPECT_TRUE(sound.IsNull());
}

TEST(SoundFiles, AFolderOrAnOverlongNameIsRefusedNotReadAsAFile)
{
    TestSupport::TempFolder folder;
    std::filesystem::create_directories(folder.File("Music.ogg"));
    SoundData data;
    EXPECT_EQ(DecodeFile(folder.File("Music.ogg"), data), Result::FileNotFound); // used to throw from the stream
    EXPECT_EQ(DecodeFile(folder.File(std::string(400, 'x') + ".ogg"), data), Result::FileNotFound);
}

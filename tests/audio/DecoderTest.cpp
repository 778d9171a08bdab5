// Decoding sound files into memory: WAV, OGG Vorbis, and files that are not sounds.
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

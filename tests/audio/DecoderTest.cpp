// Decoding sound files into memory (WAV, OGG Vorbis, files that are not sounds) and streaming them.
#include <gtest/gtest.h>
#include <malloc.h>
#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <future>
#include <mutex>
#include <thread>
#include "audio/sound/Decoder.h"
#include "audio/sound/Mixer.h"
#include "audio/sound/VorbisReader.h"
#include "support/AudioOggPages.h"
#include "support/AudioTestSupport.h"
#include "support/ObjectTestSupport.h"
#include "support/TestSupport.h"

using namespace Framework::Sound;
using TestSupport::ReadBytes;
using TestSupport::SourceFile;
using TestSupport::WriteBytes;

namespace
{
size_t Find(const std::vector<uint8_t>& bytes, const char* text, size_t from = 0)
{
    const size_t n = std::strlen(text);
    return static_cast<size_t>(
        std::search(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(), text, text + n) - bytes.begin());
}

// Heap bytes in use, small blocks and mapped ones alike (0 under the sanitizers, which keep their own).
size_t HeapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// Plays sound from its start on a fresh channel for frames frames; the samples, left and right.
std::vector<float> PlayFor(Mixer& mixer, SoundHandle sound, int frames)
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
}

// Holds the reads of files back while held: VorbisReader::sBeforeFileRead calls Pass.
struct ReadGate
{
    void Pass()
    {
        std::unique_lock<std::mutex> lock(mMutex);
        mReading = true;
        mChanged.notify_all();
        mChanged.wait(lock, [this] { return !mHeld; });
    }
    void AwaitReader()
    {
        std::unique_lock<std::mutex> lock(mMutex);
        mChanged.wait(lock, [this] { return mReading; });
    }
    void Release()
    {
        std::lock_guard<std::mutex> lock(mMutex);
        mHeld = false;
        mChanged.notify_all();
    }

    std::mutex mMutex;
    std::condition_variable mChanged;
    bool mHeld = false;
    bool mReading = false;
};
ReadGate sGate;

size_t Differing(const std::vector<float>& a, const std::vector<float>& b)
{
    size_t differing = a.size() != b.size();
    for (size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        differing += a[i] != b[i];
    return differing;
}

// Root mean square of one side (0 left, 1 right) of interleaved stereo samples.
float Level(const std::vector<float>& stereo, int side)
{
    double sum = 0.0;
    for (size_t i = side; i < stereo.size(); i += 2)
        sum += stereo[i] * stereo[i];
    return static_cast<float>(std::sqrt(sum / (stereo.size() / 2)));
}
} // namespace

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

    std::vector<uint8_t> megahertz = TestSupport::MakeWav16({1, 2}, 1, 8000);
    megahertz[26] = 0x10; // 8000 + 16 x 65536 Hz
    EXPECT_EQ(DecodeMemory(megahertz, data), Result::Format);
}

TEST(SoundFiles, AFileThatIsNoSoundOrIsMissingIsRefused)
{
    TestSupport::TempFolder folder;
    TestSupport::WriteFile(folder.File("text.ogg"), "not a sound at all");
    TestSupport::WriteFile(folder.File("cut.ogg"), "OggS and then nothing");
    // Headers that open well and no sound after them: it would never be heard.
    WriteBytes(folder.File("headers.ogg"),
               TestSupport::OggHeadersOnly(ReadBytes(SourceFile("Resources/Audio/AirCon.ogg"))));
    SoundData data;
    EXPECT_EQ(DecodeFile(folder.File("text.ogg"), data), Result::Format);
    EXPECT_EQ(DecodeFile(folder.File("cut.ogg"), data), Result::FileBad);
    EXPECT_EQ(DecodeFile(folder.File("headers.ogg"), data), Result::FileBad);
    EXPECT_EQ(DecodeFile(folder.File("missing.ogg"), data), Result::FileNotFound);
    // Streamed, they fail the same way.
    Mixer mixer;
    ASSERT_EQ(mixer.Init(1), Result::Ok);
    SoundHandle sound;
    EXPECT_EQ(mixer.CreateStream(folder.File("text.ogg"), Mode::LoopNormal, &sound), Result::Format);
    EXPECT_EQ(mixer.CreateStream(folder.File("cut.ogg"), Mode::LoopNormal, &sound), Result::FileBad);
    EXPECT_EQ(mixer.CreateStream(folder.File("headers.ogg"), Mode::LoopNormal, &sound), Result::FileBad);
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
    const std::vector<float> whole = PlayFor(mixer, decoded, 100000);
    const std::vector<float> stream = PlayFor(mixer, streamed, 100000);
    EXPECT_EQ(Differing(whole, stream), 0u);
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

TEST(SoundFiles, DamagedOggHeadersAreRefusedWithoutACrashOrALeak)
{
    const std::vector<uint8_t> good = ReadBytes(SourceFile("Resources/Audio/AirCon.ogg"));
    // The comment header counts 100 comments where it holds one: the decoder
    // used before freed the 99 list entries it never set.
    std::vector<uint8_t> comments = good;
    const size_t vendor = Find(comments, "\x03vorbis") + 7;
    const size_t count = vendor + 4 + comments[vendor]; // the vendor's name is under 256 bytes
    comments[count] = 100;
    // The first codebook claims 16 million sparse entries: the decoder used
    // before kept their 16 MB table when the entries ran out.
    std::vector<uint8_t> codebook = good;
    const size_t book = Find(codebook, "BCV", Find(codebook, "\x05vorbis"));
    codebook[book + 5] = codebook[book + 6] = codebook[book + 7] = 0xFF;
    codebook[book + 8] = static_cast<uint8_t>((codebook[book + 8] & ~3) | 2); // not ordered, sparse
    TestSupport::FixOggChecksums(comments);                                   // so the damage reaches the decoder
    TestSupport::FixOggChecksums(codebook);

    // Whole, and cut to under a kilobyte.
    TestSupport::TempFolder folder;
    WriteBytes(folder.File("Comments.ogg"), comments);
    WriteBytes(folder.File("Codebook.ogg"), codebook);
    comments.resize(1000);
    codebook.resize(1000);
    WriteBytes(folder.File("CommentsCut.ogg"), comments);
    WriteBytes(folder.File("CodebookCut.ogg"), codebook);
    Mixer mixer;
    ASSERT_EQ(mixer.Init(1), Result::Ok);
    const size_t before = HeapInUse();
    for (int i = 0; i < 10; ++i)
        for (const std::string name : {"Comments.ogg", "Codebook.ogg", "CommentsCut.ogg", "CodebookCut.ogg"})
        {
            SoundData data;
            SoundHandle sound;
            EXPECT_EQ(DecodeFile(folder.File(name), data), Result::FileBad) << name;
            EXPECT_EQ(mixer.CreateStream(folder.File(name), Mode::LoopNormal, &sound), Result::FileBad) << name;
        }
    EXPECT_LT(HeapInUse(), before + (1u << 20));

    // 500 MHz: the mixer would decode the file hundreds of times over for each frame heard.
    std::vector<uint8_t> rate = good;
    const size_t at = Find(rate, "\x01vorbis") + 12;
    rate[at] = 0x00, rate[at + 1] = 0x65, rate[at + 2] = 0xCD, rate[at + 3] = 0x1D;
    TestSupport::FixOggChecksums(rate);
    WriteBytes(folder.File("Rate.ogg"), rate);
    SoundData data;
    SoundHandle sound;
    EXPECT_EQ(DecodeFile(folder.File("Rate.ogg"), data), Result::Format);
    EXPECT_EQ(mixer.CreateStream(folder.File("Rate.ogg"), Mode::LoopNormal, &sound), Result::Format);
}

TEST(SoundFiles, AFileTooLargeForAnySoundIsRefusedBeforeItIsRead)
{
    TestSupport::LogCapture log;
    TestSupport::TempFolder folder;
    // Sparse: the size is there, the disk and the memory are not used.
    WriteBytes(folder.File("Huge.wav"), TestSupport::MakeWav16({1, 2}, 1, 8000));
    std::filesystem::resize_file(folder.File("Huge.wav"), uint64_t(100) << 30);
    WriteBytes(folder.File("Huge.ogg"), ReadBytes(SourceFile("Resources/Audio/AirCon.ogg")));
    std::filesystem::resize_file(folder.File("Huge.ogg"), uint64_t(100) << 30);

    Mixer mixer;
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    // An effect is read whole, on a worker thread.
    SoundHandle effect, music, wav;
    ASSERT_EQ(mixer.CreateSoundInBackground(folder.File("Huge.wav"), Mode::Default, &effect), Result::Ok);
    EXPECT_EQ(mixer.FinishSound(effect), Result::Format);
    // Music streams, but nothing of this size is music either.
    EXPECT_EQ(mixer.CreateStream(folder.File("Huge.ogg"), Mode::LoopNormal, &music), Result::Format);
    EXPECT_EQ(mixer.CreateStream(folder.File("Huge.wav"), Mode::LoopNormal, &wav), Result::Format);
    // Zeros after its pages (sparse): libvorbisfile's search for a last page
    // through such a tail grew with its square (14 s for 64 MB). Up to 64 KB of
    // them are left unread; more is refused.
    const std::vector<uint8_t> airCon = ReadBytes(SourceFile("Resources/Audio/AirCon.ogg"));
    for (const uint64_t tail : {uint64_t(64) << 10, (uint64_t(64) << 10) + 1, uint64_t(4) << 20})
    {
        const std::string name = folder.File("Tail" + std::to_string(tail) + ".ogg");
        WriteBytes(name, airCon);
        std::filesystem::resize_file(name, airCon.size() + tail);
        EXPECT_EQ(mixer.CreateStream(name, Mode::LoopNormal, &music), tail == 64 << 10 ? Result::Ok : Result::FileBad)
            << tail;
    }
    const std::string text = log.Text();
    EXPECT_NE(text.find("Huge.wav\" cannot be loaded: 107374182400 bytes is more than the 64 MB a sound read whole"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Tail4194304.ogg\" cannot be loaded: no whole Ogg page ends within its last 64 KB"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Huge.ogg\" cannot be loaded: 107374182400 bytes is more than the 256 MB a streamed sound"),
              std::string::npos)
        << text;
}

TEST(SoundFiles, AStreamLoopsWhereItsDecodingEndsWhateverItsLastPageAnnounces)
{
    TestSupport::TempFolder folder;
    const std::vector<uint8_t> good = ReadBytes(SourceFile("Resources/Audio/AirCon.ogg")); // 44100 frames
    Mixer mixer(22050); // one frame of the sound per frame of output
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    // 0 and -1 announced no length at all (the music never started), the huge
    // one a length it never reaches (the music played once, then silence).
    std::vector<std::pair<std::string, std::vector<uint8_t>>> damaged;
    for (const int64_t last : {int64_t(0), int64_t(-1), int64_t(1) << 40})
    {
        damaged.emplace_back("Music" + std::to_string(last) + ".ogg", good);
        SetOggGranule(damaged.back().second, TestSupport::OggPages(good).back(), last);
    }
    // Its first page of sound lost: decoding goes on after the gap.
    const TestSupport::OggPage lost = TestSupport::OggPages(good)[2];
    damaged.emplace_back("Gap.ogg", good);
    damaged.back().second.erase(damaged.back().second.begin() + static_cast<std::ptrdiff_t>(lost.mAt),
                                damaged.back().second.begin() + static_cast<std::ptrdiff_t>(lost.mAt + lost.mSize));
    for (const auto& [name, bytes] : damaged)
    {
        const std::string file = folder.File(name);
        WriteBytes(file, bytes);
        SoundHandle decoded, streamed;
        ASSERT_EQ(mixer.CreateSound(file, Mode::LoopNormal, &decoded), Result::Ok) << name;
        ASSERT_EQ(mixer.CreateStream(file, Mode::LoopNormal, &streamed), Result::Ok) << name;
        const std::vector<float> whole = PlayFor(mixer, decoded, 100000);
        const std::vector<float> stream = PlayFor(mixer, streamed, 100000);
        EXPECT_EQ(Differing(whole, stream), 0u) << name;
        EXPECT_GT(Level({stream.begin() + 2 * 50000, stream.begin() + 2 * 60000}, 0), 0.01f) << name; // looping on
    }
}

TEST(SoundFiles, AStreamThatLibvorbisfileCannotSeekLoopsAsItsWholeDecodePlays)
{
    // Pages of another serial number and with failing checksums among its own:
    // libvorbisfile's seek back to the start for a loop corrupted the heap.
    const std::string file = SourceFile("tests/fuzz/corpus/PcmSeekCorruptsMemory.ogg");
    SoundData data;
    ASSERT_EQ(DecodeFile(file, data), Result::Ok);
    Mixer mixer(data.mRate); // one frame of the sound per frame of output
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    SoundHandle decoded, streamed;
    ASSERT_EQ(mixer.CreateSound(file, Mode::LoopNormal, &decoded), Result::Ok);
    ASSERT_EQ(mixer.CreateStream(file, Mode::LoopNormal, &streamed), Result::Ok);
    const int frames = static_cast<int>(3 * data.FrameCount());
    EXPECT_EQ(Differing(PlayFor(mixer, decoded, frames), PlayFor(mixer, streamed, frames)), 0u);
}

TEST(SoundFiles, AStreamReopenedAfterItsFileGrewIsRefusedAndStops)
{
    TestSupport::LogCapture log;
    TestSupport::TempFolder folder;
    const std::vector<uint8_t> good = ReadBytes(SourceFile("Resources/Audio/AirCon.ogg")); // 44100 frames
    const std::string file = folder.File("Music.ogg");
    WriteBytes(file, good);
    Mixer mixer(22050);
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    SoundHandle music;
    ChannelHandle playing, again;
    ASSERT_EQ(mixer.CreateStream(file, Mode::LoopNormal, &music), Result::Ok);
    ASSERT_EQ(mixer.PlaySound(music, {}, false, &playing), Result::Ok);
    std::vector<float> block(2 * 40000);
    mixer.Render(block.data(), 40000);
    // Grown in place to 300 GB (sparse), its last page copied to its new end:
    // only its size is wrong now.
    const TestSupport::OggPage last = TestSupport::OggPages(good).back();
    std::filesystem::resize_file(file, (uint64_t(300) << 30) - last.mSize);
    std::ofstream(file, std::ios::binary | std::ios::app)
        .write(reinterpret_cast<const char*>(good.data() + last.mAt), static_cast<std::streamsize>(last.mSize));
    // A new channel opens it, and so does the playing one for its loop: each is refused.
    ASSERT_EQ(mixer.PlaySound(music, {}, false, &again), Result::Format);
    mixer.Render(block.data(), 10000);
    bool isPlaying = true;
    EXPECT_EQ(mixer.IsPlaying(playing, &isPlaying), Result::InvalidHandle);
    const std::string text = log.Text();
    EXPECT_EQ(TestSupport::CountOf(text, "Music.ogg\" cannot be loaded: 322122547200 bytes is more than the 256 MB"),
              2u)
        << text;
    EXPECT_EQ(TestSupport::CountOf(text, "Music.ogg\" stops playing: opening it again failed"), 1u) << text;
}

TEST(SoundFiles, AStreamWaitingForItsFileHoldsUpNoOtherCallToTheMixer)
{
    Mixer mixer(22050);
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    SoundHandle music;
    ChannelHandle channel;
    ASSERT_EQ(mixer.CreateStream(SourceFile("Resources/Audio/AirCon.ogg"), Mode::LoopNormal, &music), Result::Ok);
    ASSERT_EQ(mixer.PlaySound(music, {}, false, &channel), Result::Ok);
    // From here a read of the file waits until the test lets it go: a disk that stalls.
    sGate.mHeld = true;
    VorbisReader::sBeforeFileRead = [] { sGate.Pass(); };
    std::thread output(
        [&]
        {
            std::vector<float> block(2 * 1000);
            mixer.Render(block.data(), 1000);
        });
    sGate.AwaitReader();
    // What the game does in a frame, while the read still waits.
    auto frame = std::async(std::launch::async,
                            [&]
                            {
                                float volume = 0.0f;
                                mixer.SetVolume(channel, 0.5f);
                                mixer.GetVolume(channel, &volume);
                                return mixer.Stop(channel) == Result::Ok && volume == 0.5f;
                            });
    const bool answered = frame.wait_for(std::chrono::seconds(30)) == std::future_status::ready;
    sGate.Release();
    output.join();
    VorbisReader::sBeforeFileRead = nullptr;
    EXPECT_TRUE(answered);
    EXPECT_TRUE(frame.get());
    EXPECT_EQ(mixer.GetPlayingCount(), 0); // the render let the stopped channel go
}

// Made with sox (-R for the same bytes every time):
//   sox -R -D -n -r 22050 -c 2 LeftOnly.ogg synth 0.3 sine 440 sine 440 remix 1v0.5 0
//   sox -R -D -n -r 22050 -c 3 ThreeChannels.ogg synth 0.3 sine 440 sine 440 sine 880 remix 1v0.5 0 3v0.9
// Each has a tone on its first channel, silence on its second, and the three-channel
// one a louder tone on its third.
TEST(SoundFiles, AFilesFirstTwoChannelsPlayLeftAndRightDecodedWholeOrStreamed)
{
    Mixer mixer(22050);
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    for (const std::string name : {"LeftOnly.ogg", "ThreeChannels.ogg"})
    {
        const std::string file = SourceFile("tests/audio/data/" + name);
        SoundHandle decoded, streamed;
        ASSERT_EQ(mixer.CreateSound(file, Mode::Default, &decoded), Result::Ok);
        ASSERT_EQ(mixer.CreateStream(file, Mode::Default, &streamed), Result::Ok);
        for (const std::vector<float>& played : {PlayFor(mixer, decoded, 6000), PlayFor(mixer, streamed, 6000)})
        {
            EXPECT_NEAR(Level(played, 0), 0.354f, 0.01f) << name; // a sine of amplitude 0.5
            EXPECT_LT(Level(played, 1), 0.01f) << name;
        }
    }
}

TEST(SoundFiles, StreamedMusicKeepsItsFileOnDiskAndABoundedBufferInMemory)
{
    const std::string file = SourceFile("Resources/Audio/Game_Background_Music.ogg"); // 180 KB
    Mixer mixer;
    ASSERT_EQ(mixer.Init(2), Result::Ok);
    const size_t before = HeapInUse();
    SoundHandle music;
    ASSERT_EQ(mixer.CreateStream(file, Mode::LoopNormal, &music), Result::Ok);
    // Its name and what its headers say, not the file; the slack is the allocator's caches.
    EXPECT_LT(HeapInUse(), before + 64 * 1024);
    // Playing, the decoder's tables and one chunk of samples, however long the music.
    ChannelHandle channel;
    ASSERT_EQ(mixer.PlaySound(music, {}, false, &channel), Result::Ok);
    std::vector<float> block(2 * 4096);
    for (int i = 0; i < 100; ++i)
        mixer.Render(block.data(), 4096);
    EXPECT_LT(HeapInUse(), before + 512 * 1024);
}

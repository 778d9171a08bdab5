#include "support/AudioManagerFixture.h"
#include <fstream>
#include "audio/sound/Mixer.h"
#include "support/AudioTestSupport.h"

namespace TestSupport
{
void AudioManagerFixture::SetUp()
{
    CopyResources(mFolder.Path());
    mCwd = std::make_unique<WorkingDirectory>(mFolder.Path());
    Framework::gNewSoundVolume = 1.0f;
}

void AudioManagerFixture::TearDown()
{
    mAudio.reset();
    mCwd.reset();
}

void AudioManagerFixture::WriteSound(const std::string& name, int frames, float level)
{
    std::vector<int16_t> samples(static_cast<size_t>(frames), static_cast<int16_t>(level * 32767.0f));
    std::vector<uint8_t> bytes = MakeWav16(samples, 1, 44100);
    std::ofstream out(mFolder.File("Resources/Audio/" + name), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void AudioManagerFixture::WriteList(const std::string& text)
{
    WriteFile(mFolder.File("Resources/Audio/Audio.dat"), text);
}

std::string AudioManagerFixture::ListText() const { return ReadFile(mFolder.File("Resources/Audio/Audio.dat")); }

std::vector<std::string> AudioManagerFixture::ListLines() const
{
    return ReadLines(mFolder.File("Resources/Audio/Audio.dat"));
}

std::string AudioManagerFixture::Record(const std::string& tag, const std::string& file, const std::string& key,
                                        int type, const std::string& volume)
{
    return tag + "\n" + file + "\n" + key + "\n" + std::to_string(type) + "\n" + volume + "\n";
}

Framework::AudioManager& AudioManagerFixture::Start()
{
    mAudio = std::make_unique<Framework::AudioManager>(Framework::Sound::OutputType::NoSoundManual);
    return *mAudio;
}

std::vector<float> AudioManagerFixture::Render(int frames)
{
    std::vector<float> buffer(2 * static_cast<size_t>(frames));
    mAudio->GetMixer().Render(buffer.data(), frames);
    std::vector<float> left;
    for (int i = 0; i < frames; ++i)
        left.push_back(buffer[2 * static_cast<size_t>(i)]);
    return left;
}
} // namespace TestSupport

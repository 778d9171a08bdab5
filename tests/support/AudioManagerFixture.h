// A temporary copy of the resources with a sound list of our own, and an audio
// manager on the silent output that mixes only when the test renders.
#pragma once
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>
#include "audio/AudioManager.h"
#include "support/TestSupport.h"

namespace TestSupport
{
class AudioManagerFixture : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a mono 44100 Hz WAV of frames frames at level under Resources/Audio/name.
    void WriteSound(const std::string& name, int frames, float level = 0.5f);
    // Replaces the sound list with text.
    void WriteList(const std::string& text);
    std::string ListText() const;
    std::vector<std::string> ListLines() const;
    // A sound list record, five lines.
    static std::string Record(const std::string& tag, const std::string& file, const std::string& key, int type,
                              const std::string& volume);
    Framework::AudioManager& Start();
    void Shutdown() { mAudio.reset(); }
    // Mixes frames frames; returns the left samples.
    std::vector<float> Render(int frames);

    TempFolder mFolder;
    std::unique_ptr<WorkingDirectory> mCwd;
    std::unique_ptr<Framework::AudioManager> mAudio;
};
} // namespace TestSupport

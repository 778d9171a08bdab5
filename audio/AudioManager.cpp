#include "audio/AudioManager.h"

namespace Framework
{
AudioManager* gAudio = nullptr;

AudioManager::AudioManager() { gAudio = this; }
AudioManager::~AudioManager()
{
    if (gAudio == this)
        gAudio = nullptr;
}
void AudioManager::Update(float) {}
} // namespace Framework

// Music and sound effects: the sound list, the music and effects groups, mute and pause.
#pragma once
#include "core/System.h"

namespace Framework
{
class AudioManager : public System
{
public:
    AudioManager();
    ~AudioManager() override;
    void Update(float dt) override;
    std::string GetName() override { return "Audio Manager"; }
    void SendMessage(Message*) override {}

    bool mMuted = false;
    bool mPaused = false; // set by the core engine's pause and by loss of focus
};

extern AudioManager* gAudio;
} // namespace Framework

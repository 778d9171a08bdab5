// Fixtures for gameplay tests: a fake input state driven by the test, and a
// world of the engine's systems (no window, no GL) stepped with a fixed dt in
// their real update order.
#pragma once
#include <memory>
#include <set>
#include <string>
#include <vector>
#include "audio/sound/SoundHandles.h"
#include "core/window/InputSys.h"
#include "core/engine/System.h"
#include "game/GameFrame.h"
#include "support/TestSupport.h"

namespace Framework
{
class AudioManager;
class Composition;
class CoreEngine;
class GameObjectFactory;
class GraphicsSystem;
class ParticleSystem;
class Physics;
class RenderingManager;
class ResourceManager;
} // namespace Framework

namespace TestSupport
{
// The input system with the keyboard and mouse in the test's hands: Press and
// Release change the raw keys as window messages would, and each Update rolls
// them into the current and previous states like the real one. The mouse stays
// where SetMouseWorld put it.
class FakeInput : public Framework::InputSys
{
public:
    void Update(float) override
    {
        mState.CaptureView();
        mState.UpdateKeys();
    }
    void Press(int vk) { mState.mRawKeys[vk] = true; }
    void Release(int vk) { mState.mRawKeys[vk] = false; }
    // Sets the state of this frame directly, without an Update.
    void SetNow(int vk, bool down, bool downBefore)
    {
        mState.mRawKeys[vk] = down;
        mState.mCurrentKeys[vk] = down;
        mState.mPreviousKeys[vk] = downBefore;
    }
    // Puts the cursor where GetMouseWorldX/Y give (x, y) through the active
    // camera as it stands (the view the next frame captures).
    void SetMouseWorld(float x, float y);
};

// Records, without a sound being heard, what the audio manager started: each
// new channel a component started as "<object name>:<sound key>", and the
// music going on and off as "music:on" and "music:off". Poll after each frame.
class SoundRecorder
{
public:
    void Poll();
    void Clear() { mEvents.clear(); }
    std::vector<std::string> mEvents;

private:
    std::set<Framework::Sound::ChannelHandle> mSeen;
    bool mMusicOn = false;
};

// The systems in the engine's order (input, factory, resource manager,
// physics, rendering manager, graphics, game logic, audio with a silent
// output, particles), inside a
// temporary working folder holding a copy of Resources/. Step runs every
// system's Update with dt = 1/64 (exact in binary, so timers hit their
// thresholds exactly); graphics draws only with a GL context.
class GameplayWorld
{
public:
    static constexpr float Dt = 1.0f / 64.0f;

    // withResources: copy the repository's Resources/ into the working folder.
    explicit GameplayWorld(bool withResources = false);
    ~GameplayWorld();

    // Runs the Init of every system (registers the component creators).
    void Init();
    void Step(int frames = 1);
    void SetState(uint32_t state);
    std::string File(const std::string& relative) const { return mFolder.File(relative); }

    TempFolder mFolder;
    std::unique_ptr<WorkingDirectory> mWorkingDirectory;
    FakeInput* mInput = nullptr;
    Framework::GameObjectFactory* mFactory = nullptr;
    Framework::ResourceManager* mResources = nullptr;
    Framework::Physics* mPhysics = nullptr;
    Framework::RenderingManager* mRendering = nullptr;
    Framework::GraphicsSystem* mGraphics = nullptr;
    Framework::GameFrame* mLogic = nullptr; // the game logic, as the running game drives it
    Framework::AudioManager* mAudio = nullptr;
    Framework::ParticleSystem* mParticles = nullptr;
    SoundRecorder mSounds;                    // polled after every frame
    std::vector<Framework::System*> mSystems; // update order; owned, deleted in this order
};
} // namespace TestSupport

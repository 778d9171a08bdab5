#include "support/GameplayFixtures.h"
#include <filesystem>
#include "audio/AudioComponent.h"
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "game/GameFrame.h"
#include "gameplay/ResourceManager.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleSystem.h"
#include "graphics/Renderer.h"
#include "graphics/RenderingManager.h"
#include "physics/Physics.h"
#include "platform/Platform.h"

namespace TestSupport
{
void FakeInput::SetMouseWorld(float x, float y)
{
    // The conversion is linear in the cursor: two probes give it.
    mState.CaptureView();
    mState.mCursor = Framework::Vec3(0.0f);
    const float x0 = mState.GetMouseWorldX(), y0 = mState.GetMouseWorldY();
    mState.mCursor = Framework::Vec3(1.0f, 1.0f, 0.0f);
    const float dx = mState.GetMouseWorldX() - x0, dy = mState.GetMouseWorldY() - y0;
    mState.mCursor = Framework::Vec3(dx != 0.0f ? (x - x0) / dx : 0.0f, dy != 0.0f ? (y - y0) / dy : 0.0f, 0.0f);
}

void SoundRecorder::Poll()
{
    if (!Framework::gAudio)
        return;
    for (const auto& entry : Framework::gAudio->GetSounds())
        for (const auto& [channel, component] : entry->mChannels)
            if (mSeen.insert(channel).second)
            {
                const Framework::Composition* owner = component ? component->GetOwner() : nullptr;
                mEvents.push_back((owner ? owner->mName : std::string("?")) + ":" + entry->mKey);
            }
    const bool musicOn = Framework::gAudio->IsMusicPlaying();
    if (musicOn != mMusicOn)
        mEvents.push_back(musicOn ? "music:on" : "music:off");
    mMusicOn = musicOn;
}

GameplayWorld::GameplayWorld(bool withResources)
{
    if (withResources)
        CopyResources(mFolder.Path());
    else
        std::filesystem::create_directories(mFolder.File("Resources/LevelData"));
    mWorkingDirectory = std::make_unique<WorkingDirectory>(mFolder.Path());

    mInput = new FakeInput();
    mFactory = new Framework::GameObjectFactory();
    mResources = new Framework::ResourceManager();
    mPhysics = new Framework::Physics();
    mRendering = new Framework::RenderingManager();
    mGraphics = new Framework::GraphicsSystem();
    mLogic = new Framework::GameFrame();
    mAudio = new Framework::AudioManager(Framework::Sound::OutputType::NoSoundManual);
    mParticles = new Framework::ParticleSystem();
    mSystems = {mInput, mFactory, mResources, mPhysics, mRendering, mGraphics, mLogic, mAudio, mParticles};
}

GameplayWorld::~GameplayWorld()
{
    // Objects first, while every system their components leave is still there.
    if (mFactory)
        mFactory->DestroyAllObjects();
    for (Framework::System* system : mSystems)
        delete system;
    mWorkingDirectory.reset();
}

void GameplayWorld::Init()
{
    for (Framework::System* system : mSystems)
        system->Init();
    // Without a GL context the graphics system stops before its creators.
    Framework::RegisterRenderComponentCreators();
}

void GameplayWorld::Step(int frames)
{
    for (int frame = 0; frame < frames; ++frame)
        for (Framework::System* system : mSystems)
        {
            if (system == mGraphics && !Framework::Platform::HasGLContext())
                continue;
            system->Update(Dt);
            if (system == mAudio)
                mSounds.Poll();
        }
}

void GameplayWorld::SetState(uint32_t state)
{
    Framework::LevelState& levelState = mLogic->mState;
    levelState.mPrevious = levelState.mCurrent = levelState.mNext = state;
}
} // namespace TestSupport

#include "support/GameplayFixtures.h"
#include <filesystem>
#include "audio/AudioComponent.h"
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "gameplay/ResourceManager.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/ParticleSystem.h"
#include "graphics/Renderer.h"
#include "graphics/RenderingManager.h"
#include "physics/Physics.h"
#include "platform/Platform.h"

namespace TestSupport
{
namespace
{
// Must match InputState::GetMouseWorldX/Y without a window system: a 1 x 1
// client area at the window position, 675 x 365 world units at zoom 1 (the
// frame's borders are 0 under a display without a window manager).
constexpr float BorderLeft = 0.0f;
constexpr float BorderTop = 0.0f;
constexpr float WorldHalfWidth = 675.0f;
constexpr float WorldHalfHeight = 365.0f;
} // namespace

void FakeInput::SetMouseWorld(float x, float y)
{
    Framework::Vec3 position(0.0f);
    Framework::Vec3 zoom(1.0f);
    if (Framework::gGraphicsSystem)
        if (const Framework::Camera* camera = Framework::gGraphicsSystem->GetActiveCamera())
        {
            position = camera->Position;
            zoom = camera->CamSize;
        }
    mState.mWindowPosition = Framework::Vec3(0.0f);
    mState.mCursor.x = (x - position.x) * zoom.x / WorldHalfWidth * 0.5f + 0.5f + BorderLeft;
    mState.mCursor.y = 0.5f - (y - position.y) * zoom.y / WorldHalfHeight * 0.5f + BorderTop;
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
    mLogic = new Framework::GameLogic();
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

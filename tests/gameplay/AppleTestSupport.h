// A world for the apple's tests: the engine's systems stepped at 1/64 s in a
// level state, the apple sheet and animations without GL, and builders for
// the apple and for the objects it touches.
#pragma once
#include <algorithm>
#include <string>
#include <vector>
#include "audio/AudioComponent.h"
#include "audio/AudioManager.h"
#include "core/objects/ComponentCreator.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/engine/Message.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ResourceManager.h"
#include "gameplay/ScriptId.h"
#include "graphics/Animation.h"
#include "graphics/Animator.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Renderer.h"
#include "graphics/RenderingManager.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"
#include "physics/SpatialGrid.h"
#include "support/GameplayFixtures.h"

namespace TestSupport
{
constexpr const char* Level1Path = "Resources\\LevelData\\Level1";

struct AppleParts
{
    Framework::Vec3 mPosition{5.0f, 5.0f, 0.0f};
    bool mBody = true;
    bool mAudio = true;
    bool mAnimator = true;
    int32_t mScript = Framework::ScriptId::Player;
    float mMass = 1.0f;
};

struct PropSpec
{
    std::string mName = "Prop";
    uint32_t mTag = 0;
    Framework::Vec3 mPosition{0.0f};
    Framework::Vec3 mScale{1.0f, 1.0f, 1.0f};
    Framework::Vec3 mHalfLength{1.0f, 1.0f, 0.0f};
    float mMass = 0.0f; // static unless set
    bool mBody = true;
    bool mAnimator = false;
    bool mBehaviour = false; // a Behaviour with the default script, for GiveScript
    bool mCamera = false;
};

class AppleWorld
{
public:
    AppleWorld() : mWorld(true)
    {
        mWorld.Init();
        mWorld.SetState(Framework::GameState::LEVEL);
        mWorld.mLogic->mState.mLoadedLevelPath = Level1Path;
        mWorld.mPhysics->mRunning = true;
        mWorld.mGraphics->mSpriteSheets["Apple"].mFrames.resize(67);
        // Without a GL context the graphics system registers no Camera creator.
        if (!mWorld.mFactory->GetCreator("Camera"))
            mWorld.mFactory->AddComponentCreator(
                "Camera", new Framework::ComponentCreatorType<Framework::Camera>(Framework::ComponentType::Camera));
        for (const char* name : {"Apple100", "Apple75", "Apple50", "Apple100Pop", "Apple75Pop", "Apple50Pop",
                                 "AppleDyingAni", "AppleLand", "AppleChangeDirAni"})
            AddAnimation(name, {0, 1, 2, 3});
    }

    void AddAnimation(const std::string& name, const std::vector<uint32_t>& frames)
    {
        Framework::Animation& animation = mWorld.mRendering->mAnimations[name];
        animation.mSpriteSheetKey = "Apple";
        animation.mName = name;
        animation.mFrames = frames;
        animation.mFramesPerSecond = 10;
    }

    Framework::Composition* MakeApple(const AppleParts& parts = {})
    {
        using namespace Framework;
        Composition* apple = gFactory->CreateObject("Player", ObjectKind::GameObject);
        apple->mTag = ObjectTag::Player;
        apple->GetComponent<Transform>()->mPosition = parts.mPosition;
        if (parts.mBody)
        {
            static_cast<Body*>(gFactory->AddComponent(apple, "Body"))->mMass = parts.mMass;
            static_cast<ShapeCircle*>(gFactory->AddComponent(apple, "Circle"))->Radius = 1.0f;
        }
        static_cast<Renderer*>(gFactory->AddComponent(apple, "Renderer"))->mSpriteSheetKey = "Apple";
        if (parts.mAnimator)
            static_cast<Animator*>(gFactory->AddComponent(apple, "Animator"))->mAniName = "Apple100";
        AudioComponent* audio = nullptr;
        if (parts.mAudio)
        {
            // A key, as level files give it: a component resolves its key in its
            // first update and stops what plays then.
            audio = static_cast<AudioComponent*>(gFactory->AddComponent(apple, "AudioComponent"));
            audio->mKey = "AppleLand";
        }
        static_cast<Behaviour*>(gFactory->AddComponent(apple, "Behaviour"))->ScriptID = parts.mScript;
        apple->Initialize();
        if (audio)
            audio->Update(0.0f);
        return apple;
    }

    Framework::Composition* MakeProp(const PropSpec& spec)
    {
        using namespace Framework;
        Composition* prop = gFactory->CreateObject(spec.mName, ObjectKind::GameObject);
        prop->mTag = spec.mTag;
        Transform* transform = prop->GetComponent<Transform>();
        transform->mPosition = spec.mPosition;
        transform->mScale = spec.mScale;
        if (spec.mBody)
        {
            static_cast<Body*>(gFactory->AddComponent(prop, "Body"))->mMass = spec.mMass;
            static_cast<ShapeOBB*>(gFactory->AddComponent(prop, "OBB"))->HalfLength = spec.mHalfLength;
        }
        if (spec.mAnimator)
        {
            gFactory->AddComponent(prop, "Renderer");
            auto* animator = static_cast<Animator*>(gFactory->AddComponent(prop, "Animator"));
            animator->mPlaying = false;
        }
        if (spec.mCamera)
            gFactory->AddComponent(prop, "Camera");
        if (spec.mBehaviour)
            gFactory->AddComponent(prop, "Behaviour");
        prop->Initialize();
        return prop;
    }

    // Hands object a script of class T (held by the registry, not started).
    template <class T>
    T* GiveScript(Framework::Composition* object)
    {
        using namespace Framework;
        const ScriptKey key = ResourceManager::KeyOf(object);
        mWorld.mResources->DestroyScript(key);
        T* script = new T();
        mWorld.mResources->mScripts[key] = script;
        return script;
    }

    // A row of floor tiles at y = row, from x = first to last.
    void Floor(int first, int last, int row)
    {
        Framework::TileGrid& grid = mWorld.mFactory->mTileGrid;
        if (grid.mWidth == 0)
        {
            // As a level load does: the broad phase spans the tile grid. Before
            // any object is made, so no body loses its cells.
            grid.Resize(120, 60);
            Framework::gSpatialGrid->Resize(120, 60);
        }
        for (int x = first; x <= last; ++x)
            grid.PlaceTile(1, 0, Framework::Vec3(static_cast<float>(x), static_cast<float>(row), 0.0f));
    }

    // A key pressed for one frame, then let go for one.
    void Tap(int vk)
    {
        mWorld.mInput->Press(vk);
        mWorld.Step();
        mWorld.mInput->Release(vk);
        mWorld.Step();
    }

    bool Heard(const std::string& event) const
    {
        const auto& events = mWorld.mSounds.mEvents;
        return std::find(events.begin(), events.end(), event) != events.end();
    }
    size_t TimesHeard(const std::string& event) const
    {
        const auto& events = mWorld.mSounds.mEvents;
        return static_cast<size_t>(std::count(events.begin(), events.end(), event));
    }

    GameplayWorld mWorld;
};

// Sends the apple's Behaviour the message that it touches other.
inline void Touch(Framework::Composition* apple, Framework::Composition* other)
{
    Framework::CollisionMessage message(other);
    apple->GetComponent<Framework::Behaviour>()->SendMessage(&message);
}
} // namespace TestSupport

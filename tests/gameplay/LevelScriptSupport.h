// A level in a test: the gameplay world in state LEVEL with an engine (for the
// pause), objects built piece by piece, a level camera, an apple whose script
// is a Player made directly, and the log (which names the sounds asked for:
// the test world has no sound library).
#pragma once
#include <string>
#include <gtest/gtest.h>
#include "core/objects/ComponentCreator.h"
#include "core/engine/CoreEngine.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ResourceManager.h"
#include "gameplay/scripts/Player.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Renderer.h"
#include "support/GameplayFixtures.h"
#include "support/ObjectTestSupport.h"

namespace TestSupport
{
class LevelScriptTest : public ::testing::Test
{
protected:
    static constexpr float Dt = GameplayWorld::Dt;

    LevelScriptTest()
    {
        mWorld.Init();
        // Without a GL context the graphics system registers no Camera creator.
        if (!Framework::gFactory->GetCreator("Camera"))
            Framework::gFactory->AddComponentCreator(
                "Camera", new Framework::ComponentCreatorType<Framework::Camera>(Framework::ComponentType::Camera));
        mWorld.SetState(Framework::GameState::LEVEL);
    }
    ~LevelScriptTest() override { mWorld.mFactory->DestroyAllObjects(); }

    // A live object at position with a Transform only; initialise it with Start.
    Framework::Composition* Make(const std::string& name, Framework::Vec3 position = Framework::Vec3(0.0f),
                                 uint32_t tag = Framework::ObjectTag::None)
    {
        Framework::Composition* object = Framework::gFactory->CreateObject(name, Framework::ObjectKind::GameObject);
        object->mTag = tag;
        object->GetComponent<Framework::Transform>()->mPosition = position;
        return object;
    }
    template <class T>
    T* Add(Framework::Composition* object, const std::string& creator)
    {
        return static_cast<T*>(Framework::gFactory->AddComponent(object, creator));
    }
    // Gives the object a Behaviour of script number id (0: none) and initialises it.
    Framework::Behaviour* Start(Framework::Composition* object, int32_t id = 0)
    {
        auto* behaviour = Add<Framework::Behaviour>(object, "Behaviour");
        behaviour->ScriptID = id;
        object->Initialize();
        return behaviour;
    }
    template <class T>
    T* ScriptOn(Framework::Composition* object)
    {
        return dynamic_cast<T*>(object->GetComponent<Framework::Behaviour>()->GetScript());
    }
    // The active level camera at (x, y) with zoom, the view 20 x 10 units at zoom 25.
    Framework::Camera* MakeCamera(float x, float y, float zoom = 25.0f, int32_t script = 0)
    {
        Framework::Composition* object = Make("MainCamera", Framework::Vec3(x, y, 0.0f));
        auto* camera = Add<Framework::Camera>(object, "Camera");
        camera->CamSize = Framework::Vec3(zoom, zoom, 1.0f);
        camera->mHalfWidth = 250.0f;
        camera->mHalfHeight = 125.0f;
        camera->MinClamp = Framework::Vec2(-1000.0f);
        camera->MaxClamp = Framework::Vec2(1000.0f);
        Start(object, script);
        return camera;
    }
    // "Player", tagged Player, whose script is a Player built here (not by the table).
    Framework::Player* MakeApple(Framework::Vec3 position = Framework::Vec3(0.0f))
    {
        Framework::Composition* object = Make("Player", position, Framework::ObjectTag::Player);
        Start(object);
        auto* apple = new Framework::Player;
        mWorld.mResources->mScripts[Framework::ResourceManager::KeyOf(object)] = apple;
        return apple;
    }
    // Runs every system for frames frames, with the keys as set by Hold.
    void Step(int frames = 1) { mWorld.Step(frames); }
    // The key stays down from the next frame on (held from the one after).
    void Press(int vk) { mWorld.mInput->Press(vk); }
    void Release(int vk) { mWorld.mInput->Release(vk); }
    // One frame in which vk goes down (triggered), then one with it up again.
    void Tap(int vk)
    {
        Press(vk);
        Step();
        Release(vk);
        Step();
    }
    bool Logged(const std::string& text) { return mLog.Text().find(text) != std::string::npos; }

    LogCapture mLog;
    GameplayWorld mWorld;
    Framework::CoreEngine mCore;
};
} // namespace TestSupport

// A world for the level-object script tests: the engine's systems stepped at
// 1/64 s with physics running, and builders of objects with the components a
// script needs, put together in code.
#pragma once
#include <string>
#include <gtest/gtest.h>
#include "audio/AudioComponent.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/engine/Message.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ScriptId.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "graphics/Animator.h"
#include "graphics/ParticleComponent.h"
#include "graphics/Renderer.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"
#include "support/GameplayFixtures.h"

namespace TestSupport
{
// What an object gets; a script number below 0 gives it no Behaviour.
struct PropParts
{
    uint32_t tag = 0;
    Framework::Vec3 position{0.0f};
    Framework::Vec3 scale{1.0f, 1.0f, 1.0f};
    int32_t script = -1;
    bool body = true;
    bool circle = false;                          // else a box
    Framework::Vec3 halfLength{1.0f, 1.0f, 0.0f}; // box: world size = scale x half length
    float radius = 1.0f;
    float mass = 0.0f; // static unless set
    bool interactable = false;
    bool renderer = false;
    bool animator = false;
    bool audio = false;
    bool particles = false;
};

class PropWorld : public ::testing::Test
{
protected:
    static constexpr int Left = 1; // the left mouse button's key code

    PropWorld() : mWorld(true)
    {
        mWorld.Init();
        mWorld.SetState(4); // a level: scripts run
        mWorld.mPhysics->mRunning = true;
    }

    Framework::Composition* Make(const std::string& name, const PropParts& parts)
    {
        using namespace Framework;
        Composition* object = gFactory->CreateObject(name, ObjectKind::GameObject);
        object->mTag = parts.tag;
        Transform* transform = object->GetComponent<Transform>();
        transform->mPosition = parts.position;
        transform->mScale = parts.scale;
        if (parts.body)
        {
            auto* body = static_cast<Body*>(gFactory->AddComponent(object, "Body"));
            body->mMass = parts.mass;
            body->mInteractable = parts.interactable;
            if (parts.circle)
                static_cast<ShapeCircle*>(gFactory->AddComponent(object, "Circle"))->Radius = parts.radius;
            else
                static_cast<ShapeOBB*>(gFactory->AddComponent(object, "OBB"))->HalfLength = parts.halfLength;
        }
        if (parts.renderer)
            gFactory->AddComponent(object, "Renderer");
        if (parts.animator)
            gFactory->AddComponent(object, "Animator");
        if (parts.audio)
            gFactory->AddComponent(object, "AudioComponent");
        if (parts.particles)
            gFactory->AddComponent(object, "ParticleComponent");
        if (parts.script >= 0)
            static_cast<Behaviour*>(gFactory->AddComponent(object, "Behaviour"))->ScriptID = parts.script;
        object->Initialize();
        return object;
    }

    // An apple (tag Player, Player script, circle body) at position, made the physics system's player body.
    Framework::Composition* Apple(const Framework::Vec3& position, bool facingRight)
    {
        Framework::Composition* apple = Make("Player", {.tag = Framework::ObjectTag::Player,
                                                        .position = position,
                                                        .script = Framework::ScriptId::Player,
                                                        .circle = true});
        mWorld.mPhysics->mPlayerBody = BodyOf(apple);
        if (Framework::Player* player = Script<Framework::Player>(apple))
            player->mPlayerRight = facingRight;
        return apple;
    }

    template <class T>
    static T* Script(const Framework::Composition* object)
    {
        return Framework::ScriptOf<T>(object);
    }
    static Framework::Body* BodyOf(const Framework::Composition* object)
    {
        return object->GetComponent<Framework::Body>();
    }
    static int32_t Frame(const Framework::Composition* object)
    {
        return object->GetComponent<Framework::Renderer>()->mIndex;
    }
    static Framework::Vec3& Position(const Framework::Composition* object)
    {
        return object->GetComponent<Framework::Transform>()->mPosition;
    }

    // Delivers a collision with other to object's components, as the physics step does.
    static void Touch(Framework::Composition* object, Framework::Composition* other)
    {
        Framework::CollisionMessage message(other);
        for (Framework::Component* component : object->mComponents)
            component->SendMessage(&message);
    }

    // A left click this frame: the button goes down for one frame, then up.
    void Click(int frames = 1)
    {
        mWorld.mInput->Press(Left);
        mWorld.Step();
        mWorld.mInput->Release(Left);
        mWorld.Step(frames);
    }

    // A solid tile in the tile grid at (x, y).
    void Tile(int x, int y)
    {
        Framework::TileGrid& grid = Framework::gFactory->mTileGrid;
        if (grid.mWidth == 0)
            grid.Resize(60, 60);
        grid.PlaceTile(1, 0, Framework::Vec3(static_cast<float>(x), static_cast<float>(y), 0.0f));
    }

    // Sounds started since the last call, as "<object>:<key>".
    std::vector<std::string> TakeSounds()
    {
        std::vector<std::string> sounds = mWorld.mSounds.mEvents;
        mWorld.mSounds.Clear();
        return sounds;
    }

    GameplayWorld mWorld;
};
} // namespace TestSupport

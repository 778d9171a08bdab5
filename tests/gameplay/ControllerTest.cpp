// Keyboard controllers: the arrow keys push a body while physics runs, F7 stops it.
#include <gtest/gtest.h>
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "gameplay/Controller.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "support/GameplayFixtures.h"

using namespace Framework;
using TestSupport::GameplayWorld;

namespace
{
class Controllers : public ::testing::Test
{
protected:
    Controllers()
    {
        mWorld.Init();
        mWorld.SetState(GameState::LEVEL);
        gPhysics->mRunning = true;
    }

    Body* MakeControlled(ObjectKind kind = ObjectKind::GameObject)
    {
        Composition* object = gFactory->CreateObject("Pushed", kind);
        auto* body = static_cast<Body*>(gFactory->AddComponent(object, "Body"));
        body->mMass = 1.0f;
        gFactory->AddComponent(object, "Controller");
        object->Initialize();
        return body;
    }

    // One game-logic frame with exactly these keys down.
    void Frame(std::initializer_list<int> keys)
    {
        for (int vk : {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_F7})
            mWorld.mInput->SetNow(vk, false, false);
        for (int vk : keys)
            mWorld.mInput->SetNow(vk, true, true);
        mWorld.mLogic->Update(GameplayWorld::Dt);
    }

    GameplayWorld mWorld;
};
} // namespace

TEST_F(Controllers, ArrowKeysAddFixedForcesEveryFrame)
{
    Body* body = MakeControlled();
    Frame({VK_RIGHT});
    EXPECT_EQ(body->mForce, Vec3(50.0f, 0.0f, 0.0f));
    Frame({VK_LEFT, VK_RIGHT}); // cancel out
    EXPECT_EQ(body->mForce, Vec3(50.0f, 0.0f, 0.0f));
    Frame({VK_UP, VK_DOWN});
    EXPECT_EQ(body->mForce, Vec3(50.0f, 150.0f, 0.0f));
}

TEST_F(Controllers, SpeedDoesNotChangeThePush)
{
    Body* body = MakeControlled();
    body->GetOwner()->GetComponent<Controller>()->mSpeed = 500.0f;
    Frame({VK_LEFT});
    EXPECT_EQ(body->mForce.x, -50.0f);
}

TEST_F(Controllers, WithPhysicsStoppedOnlyF7Acts)
{
    Body* body = MakeControlled();
    gPhysics->mRunning = false;
    body->mVelocity = Vec3(3.0f, 4.0f, 5.0f);
    Frame({VK_RIGHT, VK_UP});
    EXPECT_EQ(body->mForce, Vec3(0.0f));
    EXPECT_EQ(body->mVelocity, Vec3(3.0f, 4.0f, 5.0f));
    Frame({VK_F7});
    EXPECT_EQ(body->mVelocity, Vec3(0.0f));
}

TEST_F(Controllers, ArchetypeControllersTakeNoInput)
{
    Body* archetype = MakeControlled(ObjectKind::Archetype);
    EXPECT_TRUE(mWorld.mLogic->mControllers.empty());
    Frame({VK_RIGHT});
    EXPECT_EQ(archetype->mForce, Vec3(0.0f));
}

TEST_F(Controllers, ADeletedControllerLeavesTheList)
{
    Body* body = MakeControlled();
    ASSERT_EQ(mWorld.mLogic->mControllers.size(), 1u);
    gFactory->mDestroySet.insert(body->GetOwner());
    gFactory->Update(0.0f);
    EXPECT_TRUE(mWorld.mLogic->mControllers.empty());
    Frame({VK_RIGHT}); // nothing left to push
}

TEST_F(Controllers, TheBodyIsLookedUpEveryFrameAsTheEditorAddsAndRemovesIt)
{
    Composition* object = gFactory->CreateObject("Bodiless", ObjectKind::GameObject);
    gFactory->AddComponent(object, "Controller");
    object->Initialize();
    auto* controller = object->GetComponent<Controller>();
    Frame({VK_RIGHT, VK_F7}); // nothing to push yet

    auto* body = static_cast<Body*>(gFactory->AddComponent(object, "Body"));
    body->mMass = 1.0f;
    body->Initialize();
    Frame({VK_RIGHT});
    EXPECT_EQ(body->mForce, Vec3(50.0f, 0.0f, 0.0f));

    object->mPendingRemoval.insert(body);
    object->RemovePendingComponents();
    Frame({VK_RIGHT, VK_F7});
    EXPECT_EQ(controller->mBody, nullptr);
    EXPECT_EQ(mWorld.mLogic->mControllers.size(), 1u);
}

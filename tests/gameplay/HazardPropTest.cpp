// Icicles, mushrooms, crates, the mouse emitters and the smoke that follows the apple.
//
// Contents:
//   1. The fixture: an icicle over a floor, growing it, a watcher
//   2. Icicles
//   3. Mushrooms
//   4. Props that stop sliding; crates
//   5. The mouse emitters
//   6. Smoke
#include <gtest/gtest.h>
#include "gameplay/scripts/IcicleScript.h"
#include "gameplay/scripts/MouseEmitter.h"
#include "gameplay/scripts/MoveableRect.h"
#include "gameplay/scripts/Mushroom.h"
#include "PropTestSupport.h"

using namespace Framework;
using TestSupport::PropParts;

namespace
{
// ---- 1. The fixture ---------------------------------------------------------
constexpr int KeyN = 78;

class HazardProps : public TestSupport::PropWorld
{
protected:
    // An icicle of size 1 x 1 hanging at (10.5, 20), over a floor at y 12.
    Composition* MakeIcicle()
    {
        for (int x = 8; x <= 13; ++x)
            Tile(x, 12);
        return Make("Icicle", {.tag = ObjectTag::Icicle,
                               .position = Vec3(10.5f, 20.0f, 0.0f),
                               .script = ScriptId::IcicleScript,
                               .mass = 1.0f,
                               .audio = true});
    }
    // Steps until the icicle stops growing; false if it never does.
    bool GrowFully(IcicleScript* script)
    {
        for (int frame = 0; frame < 64 * 10 && script->mGenerating; ++frame)
            mWorld.Step();
        return script->mStatic;
    }
    Composition* Watcher(const Vec3& position)
    {
        return Make("Player", {.tag = ObjectTag::Player, .position = position, .body = false});
    }
};
} // namespace

// ---- 2. Icicles -------------------------------------------------------------
TEST_F(HazardProps, AnIcicleGrowsHangsAndFallsOnlyOnAnAppleThreeToSixUnitsBelow)
{
    Composition* icicle = MakeIcicle();
    IcicleScript* script = Script<IcicleScript>(icicle);
    EXPECT_FLOAT_EQ(script->mMinX, 9.5f);
    EXPECT_FLOAT_EQ(script->mMaxX, 11.5f);
    Composition* apple = Watcher(Vec3(10.0f, 0.0f, 0.0f));
    ASSERT_TRUE(GrowFully(script));
    const float y = Position(icicle).y;
    EXPECT_LE(y, 20.0f - 0.9f);
    EXPECT_GT(y, 20.0f - 1.0f);

    // Hanging still.
    mWorld.Step(30);
    EXPECT_FLOAT_EQ(Position(icicle).y, y);
    EXPECT_TRUE(script->mStatic);

    Position(apple) = Vec3(10.0f, y - 2.9f, 0.0f);
    mWorld.Step();
    EXPECT_FALSE(script->mFalling);
    Position(apple) = Vec3(12.0f, y - 3.1f, 0.0f); // beside its range
    mWorld.Step();
    EXPECT_FALSE(script->mFalling);
    Position(apple) = Vec3(11.5f, y - 3.1f, 0.0f);
    mWorld.Step();
    EXPECT_TRUE(script->mFalling);
    EXPECT_FALSE(script->mStatic);
    TakeSounds();

    // It lands on the floor and starts again at its place.
    for (int frame = 0; frame < 64 * 3 && script->mFalling; ++frame)
    {
        mWorld.Step();
        if (script->mFalling)
        {
            EXPECT_GT(Position(icicle).y, 12.5f);
        }
    }
    EXPECT_FALSE(script->mFalling);
    EXPECT_TRUE(script->mGenerating);
    mWorld.Step();
    EXPECT_NEAR(Position(icicle).y, 20.0f, 0.1f);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"Icicle:IcicleLand"});
}

TEST_F(HazardProps, AnIcicleTouchingAnInteractableBodyOrSwitchedOffByNStartsOverAtOnce)
{
    Composition* icicle = MakeIcicle();
    IcicleScript* script = Script<IcicleScript>(icicle);
    ASSERT_TRUE(GrowFully(script));
    script->mStatic = false;
    script->mFalling = true;
    mWorld.Step(10);
    ASSERT_LT(Position(icicle).y, 19.0f);
    TakeSounds();

    Touch(icicle, Make("Wall", {.position = Vec3(30.0f, 30.0f, 0.0f)})); // not interactable
    EXPECT_TRUE(script->mFalling);
    Touch(icicle, Make("Crate", {.position = Vec3(30.0f, 30.0f, 0.0f), .interactable = true}));
    EXPECT_FALSE(script->mFalling);
    EXPECT_TRUE(script->mGenerating);
    EXPECT_EQ(Position(icicle), Vec3(10.5f, 20.0f, 0.0f));
    mWorld.Step();
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"Icicle:IcicleLand"});

    // N switches growing off and sends the icicle back to its place.
    mWorld.Step(20);
    mWorld.mInput->Press(KeyN);
    mWorld.Step();
    mWorld.mInput->Release(KeyN);
    EXPECT_FALSE(script->mGenerating);
    EXPECT_FALSE(script->mFalling);
    EXPECT_NEAR(Position(icicle).y, 20.0f, 0.01f); // back, then one physics step
    BodyOf(icicle)->mShape->Offset.x = 0.5f;       // the trigger range follows the box's offset
    script->Init(icicle->GetComponent<Behaviour>());
    EXPECT_FLOAT_EQ(script->mMinX, 10.0f);
    EXPECT_FLOAT_EQ(script->mMaxX, 12.0f);
}

// ---- 3. Mushrooms -----------------------------------------------------------
TEST_F(HazardProps, AMushroomSquashesForHalfASecondWhenTheAppleTouchesIt)
{
    Composition* mushroom = Make("Mushroom", {.tag = ObjectTag::Mushroom,
                                              .position = Vec3(5.0f, 5.0f, 0.0f),
                                              .script = ScriptId::Mushroom,
                                              .renderer = true,
                                              .animator = true});
    Animator* animator = mushroom->GetComponent<Animator>();
    EXPECT_EQ(Frame(mushroom), Mushroom::RestFrame);
    EXPECT_EQ(animator->mFPS, 0);

    Touch(mushroom, Watcher(Vec3(30.0f, 30.0f, 0.0f)));
    mWorld.Step();
    EXPECT_EQ(animator->mFPS, 15);
    EXPECT_FLOAT_EQ(animator->mFrameDuration, 1.0f / 15.0f);
    mWorld.Step(31);
    EXPECT_EQ(animator->mFPS, 15); // 32 frames: half a second
    mWorld.Step();
    EXPECT_EQ(animator->mFPS, 0);
    EXPECT_EQ(Frame(mushroom), Mushroom::RestFrame);
    EXPECT_FALSE(Script<Mushroom>(mushroom)->mBouncePending);

    // A death object sends it back one unit above its start.
    Position(mushroom) = Vec3(9.0f, 1.0f, 0.0f);
    Touch(mushroom, Make("Spikes", {.tag = ObjectTag::DeathObject, .position = Vec3(30.0f, 30.0f, 0.0f)}));
    EXPECT_EQ(Position(mushroom), Vec3(5.0f, 6.0f, 0.0f));
}

// ---- 4. Props that stop sliding; crates -------------------------------------
TEST_F(HazardProps, PropsStopSlidingOnceTheyStandStill)
{
    Composition* mushroom = Make("Mushroom", {.position = Vec3(5.0f, 5.0f, 0.0f), .script = ScriptId::Mushroom});
    Composition* crate = Make("Crate", {.position = Vec3(15.0f, 5.0f, 0.0f), .script = ScriptId::MoveableRect});
    Body* mushroomBody = BodyOf(mushroom);
    Body* crateBody = BodyOf(crate);

    mushroomBody->mVelocity = Vec3(2.0f, -0.01f, 0.0f);
    crateBody->mVelocity = Vec3(2.0f, 0.01f, 0.0f);
    mWorld.Step();
    EXPECT_EQ(mushroomBody->mVelocity.x, 0.0f);
    EXPECT_EQ(crateBody->mVelocity.x, 0.0f);

    // A mushroom at rest exactly (speed 0) and a falling crate keep sliding.
    mushroomBody->mVelocity = Vec3(2.0f, 0.0f, 0.0f);
    crateBody->mVelocity = Vec3(2.0f, -1.0f, 0.0f);
    mWorld.Step();
    EXPECT_EQ(mushroomBody->mVelocity.x, 2.0f);
    EXPECT_EQ(crateBody->mVelocity.x, 2.0f);

    // While the mouse drags, nothing is stopped.
    crateBody->mVelocity = Vec3(2.0f, 0.0f, 0.0f);
    mWorld.mInput->SetNow(Left, true, true);
    mWorld.Step();
    EXPECT_EQ(crateBody->mVelocity.x, 2.0f);
}

TEST_F(HazardProps, ACrateAnimatesOnlyOnTheAppleFirstTouch)
{
    Composition* crate = Make("Crate", {.tag = ObjectTag::Crate,
                                        .position = Vec3(5.0f, 5.0f, 0.0f),
                                        .script = ScriptId::MoveableRect,
                                        .renderer = true,
                                        .animator = true});
    Animator* animator = crate->GetComponent<Animator>();
    Composition* apple = Watcher(Vec3(30.0f, 30.0f, 0.0f));
    EXPECT_EQ(animator->mFPS, 0);
    Touch(crate, Make("Wall", {.position = Vec3(40.0f, 40.0f, 0.0f)}));
    mWorld.Step();
    EXPECT_EQ(animator->mFPS, 0);

    Touch(crate, apple);
    mWorld.Step();
    EXPECT_EQ(animator->mFPS, 16);
    mWorld.Step(9); // 0.15 s is 9.6 frames
    EXPECT_EQ(animator->mFPS, 16);
    mWorld.Step();
    EXPECT_EQ(animator->mFPS, 0);
    EXPECT_EQ(Frame(crate), MoveableRect::DoneFrame);

    Touch(crate, apple);
    mWorld.Step(3);
    EXPECT_EQ(animator->mFPS, 0);
}

// ---- 5. The mouse emitters --------------------------------------------------
TEST_F(HazardProps, TheInteractablesEmitterMarksTheGrabbedBodyUntilRelease)
{
    Composition* emitterObject =
        Make("InteractablesEmitter", {.script = ScriptId::MouseEmitter, .body = false, .particles = true});
    ParticleEmitter* emitter = emitterObject->GetComponent<ParticleComponent>()->mEmitter;
    ASSERT_NE(emitter, nullptr);
    Composition* crate = Make("Crate", {.position = Vec3(4.0f, 2.0f, 0.0f), .interactable = true});
    BodyOf(crate)->mShape->Offset = Vec3(0.25f, 0.0f, 0.0f);

    mWorld.mInput->SetMouseWorld(4.0f, 2.0f);
    mWorld.Step(2);
    ASSERT_EQ(mWorld.mPhysics->HoverObject(), crate);
    mWorld.mInput->Press(Left);
    mWorld.Step();
    EXPECT_TRUE(emitter->mActivate);
    EXPECT_EQ(emitter->mBurstAmount, 20);
    EXPECT_TRUE(Script<MouseEmitter>(emitterObject)->mHolding);
    mWorld.Step(3); // held: nothing changes, it sits on the body
    EXPECT_TRUE(emitter->mActivate);
    EXPECT_FLOAT_EQ(emitter->mPosition.x, BodyOf(crate)->mPosition.x + 0.25f);

    mWorld.mInput->Release(Left);
    mWorld.Step();
    EXPECT_FALSE(emitter->mActivate);
    EXPECT_EQ(emitter->mBurstAmount, 0);

    // Released over nothing: off as well.
    mWorld.mInput->Press(Left);
    mWorld.Step();
    ASSERT_TRUE(emitter->mActivate);
    mWorld.mInput->SetMouseWorld(-20.0f, -20.0f);
    mWorld.mInput->Release(Left);
    mWorld.Step(2);
    EXPECT_FALSE(emitter->mActivate);
    EXPECT_EQ(emitter->mBurstAmount, 0);
}

TEST_F(HazardProps, TheMouseEmitterBurstsOnClicksButNotOnInteractables)
{
    Composition* emitterObject =
        Make("Sparkles",
             {.position = Vec3(0.0f, 0.0f, 3.0f), .script = ScriptId::MouseEmitter, .body = false, .particles = true});
    ParticleEmitter* emitter = emitterObject->GetComponent<ParticleComponent>()->mEmitter;
    ASSERT_NE(emitter, nullptr);
    Make("Crate", {.position = Vec3(4.0f, 2.0f, 0.0f), .interactable = true});

    mWorld.mInput->SetMouseWorld(-6.0f, 1.0f);
    mWorld.Step();
    EXPECT_NEAR(emitter->mPosition.x, -6.0f, 0.01f);
    EXPECT_NEAR(emitter->mPosition.y, 1.0f, 0.01f);
    EXPECT_EQ(emitter->mPosition.z, 3.0f);
    mWorld.mInput->Press(Left);
    mWorld.Step();
    EXPECT_EQ(emitter->mBurstAmount, 100);
    mWorld.Step();
    EXPECT_EQ(emitter->mBurstAmount, 0);
    mWorld.mInput->Release(Left);

    mWorld.mInput->SetMouseWorld(4.0f, 2.0f);
    mWorld.Step(2);
    mWorld.mInput->Press(Left);
    mWorld.Step();
    EXPECT_EQ(emitter->mBurstAmount, 0);
}

// ---- 6. Smoke ---------------------------------------------------------------
TEST_F(HazardProps, SmokeStaysOnTheApple)
{
    Composition* apple = Watcher(Vec3(3.0f, 4.0f, 0.0f));
    Composition* smoke = Make("Smoke", {.script = ScriptId::SmokeEffect, .body = false});
    Position(apple) = Vec3(7.0f, 8.0f, 1.0f);
    mWorld.Step();
    EXPECT_EQ(Position(smoke), Vec3(7.0f, 8.0f, 1.0f));
    gFactory->mDestroySet.insert(apple);
    mWorld.Step(2); // the apple gone: the smoke stays put
    EXPECT_EQ(Position(smoke), Vec3(7.0f, 8.0f, 1.0f));
}

// The menu apple: rolls by itself from the start, comes to rest facing left,
// turns at walls (with a sound only when it has an AudioComponent), hops on
// cans and triggers, hops instead of turning on a steep rotating object.
#include <gtest/gtest.h>
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/BasicPlayerMovement.h"
#include "AppleTestSupport.h"

using namespace Framework;
using TestSupport::AppleWorld;
using TestSupport::PropSpec;
using TestSupport::Touch;

namespace
{
class MenuApple : public ::testing::Test
{
protected:
    MenuApple() { mWorld.mWorld.SetState(GameState::CREDITS); }
    BasicPlayerMovement* Make(bool audio = true)
    {
        mApple = mWorld.MakeApple({.mAudio = audio, .mScript = ScriptId::BasicPlayerMovement});
        return ScriptOf<BasicPlayerMovement>(mApple);
    }
    Body* AppleBody() { return mApple->GetComponent<Body>(); }
    Composition* Prop(uint32_t tag, const Vec3& position)
    {
        PropSpec spec;
        spec.mTag = tag;
        spec.mPosition = position;
        return mWorld.MakeProp(spec);
    }
    bool Heard(const std::string& event)
    {
        mWorld.mWorld.mAudio->Update(0.0f);
        mWorld.mWorld.mSounds.Poll();
        return mWorld.Heard(event);
    }

    AppleWorld mWorld;
    Composition* mApple = nullptr;
};
} // namespace

TEST_F(MenuApple, RollsRightAtOnce_RestsOnTheGroundFacingLeft_AndKeepsRolling)
{
    mWorld.Floor(0, 100, 2);
    BasicPlayerMovement* menu = Make();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(gAudio->IsMusicPlaying()); // "MenuBG"
    AppleBody()->mRotation = false;
    AppleBody()->SetPosition(Vec3(5.0f, 3.6f, 0.0f));
    mWorld.mWorld.Step();
    EXPECT_GT(AppleBody()->mVelocity.x, 0.0f);

    int frames = 0;
    while (menu->mSettling && frames < 64 * 5)
    {
        mWorld.mWorld.Step();
        ++frames;
    }
    ASSERT_FALSE(menu->mSettling);
    EXPECT_FALSE(menu->mPlayerRight);
    mWorld.mWorld.Step(32);
    EXPECT_LT(AppleBody()->mVelocity.x, 0.0f);
}

TEST_F(MenuApple, AWallTurnsItAtOnceWithASoundOnlyWhenItHasAudio)
{
    BasicPlayerMovement* menu = Make(false);
    EXPECT_FALSE(gAudio->IsMusicPlaying());
    Touch(mApple, Prop(ObjectTag::Wall, Vec3(6.0f, 5.0f, 0.0f)));
    EXPECT_FALSE(menu->mPlayerRight);
    EXPECT_NEAR(AppleBody()->mPosition.x, 4.99f, 1e-5f);
    EXPECT_FALSE(Heard("Player:Button_Sound"));

    Composition* first = mApple;
    BasicPlayerMovement* loud = Make(true);
    Touch(mApple, Prop(ObjectTag::Wall, Vec3(6.0f, 5.0f, 0.0f)));
    EXPECT_FALSE(loud->mPlayerRight);
    EXPECT_TRUE(Heard("Player:Button_Sound"));
    EXPECT_NE(first, mApple);
}

TEST_F(MenuApple, HopsOnJumpTriggersAndLevelCans)
{
    BasicPlayerMovement* menu = Make();
    Touch(mApple, Prop(ObjectTag::JumpTrigger, Vec3(5.0f, 4.0f, 0.0f)));
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 10.0f);
    EXPECT_NEAR(AppleBody()->mPosition.x, 4.95f, 1e-5f);
    EXPECT_NEAR(AppleBody()->mPosition.y, 5.05f, 1e-5f);

    Touch(mApple, Prop(ObjectTag::Can, Vec3(6.0f, 5.5f, 0.0f)));
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 20.0f);
    Touch(mApple, Prop(ObjectTag::Can, Vec3(6.0f, 9.0f, 0.0f))); // too high to hop on
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 20.0f);
    EXPECT_TRUE(menu->mPlayerRight);
}

TEST_F(MenuApple, AClickedCanAheadTurnsIt)
{
    BasicPlayerMovement* menu = Make();
    Composition* can = Prop(ObjectTag::Can, Vec3(6.0f, 5.0f, 0.0f));
    mWorld.mWorld.mPhysics->SetHoverObject(can);
    mWorld.mWorld.mInput->SetNow(VK_LBUTTON, false, true); // let go this frame
    menu->mContactCooldown = true;
    Touch(mApple, can);
    EXPECT_FALSE(menu->mPlayerRight);
    EXPECT_FALSE(menu->mContactCooldown);
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 0.0f);
}

TEST_F(MenuApple, ASteepRotatingObjectMakesItHopInsteadOfTurning)
{
    BasicPlayerMovement* menu = Make();
    Composition* board = Prop(ObjectTag::RotatingObject, Vec3(6.0f, 5.0f, 0.0f));
    board->GetComponent<Body>()->mOrientation = 1.2f;
    Touch(mApple, board);
    EXPECT_TRUE(menu->mPlayerRight);
    EXPECT_TRUE(menu->mBounceCooldown);
    EXPECT_FLOAT_EQ(AppleBody()->mVelocity.y, 10.0f);
    EXPECT_NEAR(AppleBody()->mPosition.x, 4.9f, 1e-5f);

    board->GetComponent<Body>()->mOrientation = 0.0f; // flat: the timed turn
    gMenuTurnTimer = 0.6f;
    Touch(mApple, board);
    EXPECT_FALSE(menu->mPlayerRight);
    EXPECT_FLOAT_EQ(gMenuTurnTimer, 0.0f);
}

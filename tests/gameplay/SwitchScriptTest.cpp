// Floor and clickable switches and the air conditioners they drive.
#include <gtest/gtest.h>
#include "gameplay/ScriptId.h"
#include "gameplay/scripts/AirConScript.h"
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/SwitchScript.h"
#include "PropTestSupport.h"

using namespace Framework;
using TestSupport::PropParts;

namespace
{
class Switches : public TestSupport::PropWorld
{
protected:
    Composition* AirCon(const std::string& name, float x = 20.0f)
    {
        return Make(name, {.tag = ObjectTag::AirCon,
                           .position = Vec3(x, 20.0f, 0.0f),
                           .script = ScriptId::AirConScript,
                           .particles = true});
    }
    Composition* FloorSwitch(const std::string& name, float x = 0.0f)
    {
        return Make(name, {.tag = ObjectTag::Switch,
                           .position = Vec3(x, 0.0f, 0.0f),
                           .script = ScriptId::SwitchScript,
                           .renderer = true,
                           .audio = true});
    }
    // A rat without a body: the test delivers its touches itself.
    Composition* Rat() { return Make("Rat", {.tag = ObjectTag::Rat, .body = false}); }
    static bool On(Composition* airCon) { return Script<AirConScript>(airCon)->mOn; }
};
} // namespace

TEST_F(Switches, ARatOnAFloorSwitchRunsItsAirConditionerUntilItLeaves)
{
    Composition* airCon = AirCon("AirCon1");
    Composition* other = AirCon("AirCon2", 30.0f);
    Composition* floor = FloorSwitch("Switch1");
    Composition* rat = Rat();
    mWorld.Step();
    EXPECT_EQ(Frame(floor), SwitchScript::ReleasedFrame);
    EXPECT_FALSE(On(airCon));
    TakeSounds();

    for (int frame = 0; frame < 3; ++frame)
    {
        Touch(floor, rat); // as the physics step would, after the scripts
        mWorld.Step();
        EXPECT_EQ(Frame(floor), SwitchScript::PressedFrame);
        EXPECT_TRUE(On(airCon));
        EXPECT_FALSE(On(other));
    }
    // Switched on once: one sound, not one per frame of pressing.
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"Switch1:SwitchPress"});

    mWorld.Step(); // the rat has gone
    EXPECT_EQ(Frame(floor), SwitchScript::ReleasedFrame);
    EXPECT_FALSE(On(airCon));
}

TEST_F(Switches, ARatPassesOverAFloorSwitch)
{
    Composition* floor = FloorSwitch("Switch1");
    Composition* rat = Make("Rat", {.tag = ObjectTag::Rat, .position = Vec3(40.0f, 40.0f, 0.0f)});
    Body* a = BodyOf(floor);
    Body* b = BodyOf(rat);
    Manifold record(a, b);
    record.mContactCount = 1;
    mWorld.mPhysics->AddContact(record);
    Touch(floor, rat);
    EXPECT_FALSE(mWorld.mPhysics->HasContact(a, b));
    EXPECT_TRUE(mWorld.mPhysics->mContacts.empty());
}

TEST_F(Switches, ARatOnEitherOfTwoSameNamedSwitchesKeepsBothPressed)
{
    Composition* airCon = AirCon("AirCon1");
    Composition* first = FloorSwitch("Switch1");
    Composition* second = FloorSwitch("Switch1", 5.0f);
    Composition* rat = Rat();
    for (Composition* pressed : {first, second})
    {
        mWorld.Step();
        for (int frame = 0; frame < 3; ++frame)
        {
            // The scripts run with the rat's touch from the last physics step:
            // neither switch may turn the air off, whichever runs first.
            Touch(pressed, rat);
            mWorld.Step();
            EXPECT_EQ(Frame(pressed), SwitchScript::PressedFrame);
            EXPECT_TRUE(Script<SwitchScript>(pressed)->mOn);
            EXPECT_TRUE(On(airCon));
        }
    }
}

TEST_F(Switches, AnAirConNamedObjectWithAnotherScriptIsLeftAlone)
{
    Composition* impostor = Make("AirCon1", {.script = ScriptId::SwitchScript, .renderer = true});
    FloorSwitch("Switch1");
    mWorld.Step(2);
    // A switch flag in the other script stays as its own Init set it.
    EXPECT_TRUE(Script<SwitchScript>(impostor)->mOn);
}

TEST_F(Switches, ClickingAClickableSwitchSwapsItsAirConditionersAndSprites)
{
    Composition* first = AirCon("ClickableAirCon1");
    Composition* second = AirCon("ClickableAirCon2", 30.0f);
    Composition* sprite1 = Make("Aircon_Sprite1", {.body = false, .renderer = true});
    Composition* sprite2 = Make("Aircon_Sprite2", {.body = false, .renderer = true});
    Composition* clickable = Make("ClickableSwitch1", {.tag = ObjectTag::ClickableSwitch,
                                                       .position = Vec3(0.0f),
                                                       .script = ScriptId::SwitchScript,
                                                       .interactable = true,
                                                       .renderer = true,
                                                       .audio = true});
    // Init turns it on and sets up its air conditioners.
    EXPECT_TRUE(On(first));
    EXPECT_FALSE(On(second));

    mWorld.mInput->SetMouseWorld(0.0f, 0.0f);
    mWorld.Step(2);
    ASSERT_EQ(mWorld.mPhysics->HoverObject(), clickable);
    TakeSounds();

    Click();
    EXPECT_FALSE(On(first));
    EXPECT_TRUE(On(second));
    EXPECT_EQ(Frame(clickable), SwitchScript::ClickOffFrame);
    EXPECT_EQ(Frame(sprite1), SwitchScript::SpriteOffFrame);
    EXPECT_EQ(Frame(sprite2), SwitchScript::SpriteOnFrame);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"ClickableSwitch1:SwitchPress"});

    // Held down from the previous frame: no second toggle.
    mWorld.mInput->SetNow(Left, true, true);
    mWorld.Step(4);
    EXPECT_EQ(Frame(clickable), SwitchScript::ClickOffFrame);
    mWorld.mInput->Release(Left);
    mWorld.Step();
    Click();
    EXPECT_TRUE(On(first));
    EXPECT_FALSE(On(second));
    EXPECT_EQ(Frame(clickable), SwitchScript::ClickOnFrame);
    EXPECT_EQ(Frame(sprite1), SwitchScript::SpriteOnFrame);
    EXPECT_EQ(Frame(sprite2), SwitchScript::SpriteOffFrame);
}

TEST_F(Switches, ARatOnAClickableSwitchTurnsItOnWithoutPartners)
{
    Composition* first = AirCon("ClickableAirCon1");
    Composition* clickable =
        Make("ClickableSwitch1", {.script = ScriptId::SwitchScript, .renderer = true, .audio = true});
    Script<SwitchScript>(clickable)->mOn = false;
    Script<AirConScript>(first)->mOn = false;
    mWorld.Step();
    TakeSounds();
    Touch(clickable, Rat());
    mWorld.Step();
    EXPECT_EQ(Frame(clickable), SwitchScript::PressedFrame);
    EXPECT_TRUE(Script<SwitchScript>(clickable)->mOn);
    EXPECT_FALSE(On(first));
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"ClickableSwitch1:SwitchPress"});
}

TEST_F(Switches, AnAirConditionerBlowsOnlyWhileOnAndLiftsTheApple)
{
    Composition* airCon = AirCon("AirCon1");
    AirConScript* script = Script<AirConScript>(airCon);
    ParticleEmitter* emitter = airCon->GetComponent<ParticleComponent>()->mEmitter;
    ASSERT_NE(emitter, nullptr);
    Composition* apple = Apple(Vec3(-20.0f, 0.0f, 0.0f), true);
    Player* player = Script<Player>(apple);
    ASSERT_NE(player, nullptr);

    script->mOn = true;
    mWorld.Step();
    EXPECT_TRUE(emitter->mActivate);
    EXPECT_EQ(script->mAirConSpeed, 5.0f);
    Touch(airCon, apple);
    EXPECT_TRUE(player->mLiftOn);

    script->mOn = false;
    mWorld.Step();
    EXPECT_FALSE(emitter->mActivate);
    EXPECT_EQ(script->mAirConSpeed, 0.0f);
    Touch(airCon, apple);
    EXPECT_FALSE(player->mLiftOn);
}

TEST_F(Switches, ASwitchWithAnEmptyNameNamesNoPartners)
{
    Composition* nameless =
        Make("", {.tag = ObjectTag::Switch, .script = ScriptId::SwitchScript, .interactable = true, .renderer = true});
    Composition* airCon = AirCon("AirCon");
    Script<AirConScript>(airCon)->mOn = true;
    Touch(nameless, Rat());
    mWorld.mInput->SetMouseWorld(0.0f, 0.0f);
    mWorld.Step(2);
    Click();
    EXPECT_TRUE(On(airCon));
}

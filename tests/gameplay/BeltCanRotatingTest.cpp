// Conveyer belts reversed by clicks, cans passing through rotating objects and
// jump triggers, and the rotating prop's sounds.
#include <gtest/gtest.h>
#include "gameplay/scripts/CanScript.h"
#include "gameplay/scripts/Conveyer.h"
#include "gameplay/scripts/RotatingScript.h"
#include "PropTestSupport.h"

using namespace Framework;
using TestSupport::PropParts;

namespace
{
class Belts : public TestSupport::PropWorld
{
protected:
    // A belt 4 wide and 1 high centred on the origin.
    Composition* Belt(const std::string& name)
    {
        return Make(name, {.tag = ObjectTag::ConveyerBelt,
                           .scale = Vec3(4.0f, 1.0f, 1.0f),
                           .script = ScriptId::Conveyer,
                           .renderer = true});
    }
    void ClickAt(float x, float y)
    {
        mWorld.mInput->SetMouseWorld(x, y);
        Click();
    }
    static std::string Sheet(const Composition* belt) { return belt->GetComponent<Renderer>()->mSpriteSheetKey; }

    // A contact record of this step between two bodies.
    void Record(Body* a, Body* b)
    {
        Manifold record(a, b);
        record.mContactCount = 1;
        mWorld.mPhysics->AddContact(record);
    }
    // The contact list as "a-b" pairs of body names.
    std::vector<std::string> Records()
    {
        std::vector<std::string> pairs;
        for (const Manifold& m : mWorld.mPhysics->mContacts)
            pairs.push_back(m.A->GetOwner()->mName + "-" + m.B->GetOwner()->mName);
        return pairs;
    }
};
} // namespace

TEST_F(Belts, ABeltShowsItsDirectionAndAClickInsideOrOnItsEdgeReversesIt)
{
    Composition* first = Belt("ConveyerBeltCollider1");
    Composition* other = Belt("ConveyerBeltCollider2");
    first->GetComponent<Renderer>()->mIndex = 3;
    Position(other) = Vec3(0.0f, 20.0f, 0.0f);
    BodyOf(other)->SetPosition(Position(other));
    mWorld.Step();
    EXPECT_FALSE(Script<Conveyer>(first)->mBeltRight);
    EXPECT_EQ(Sheet(first), "ConveyerBeltRed");
    EXPECT_EQ(Frame(first), 0);
    EXPECT_EQ(Sheet(other), "ConveyerBeltGreen");

    ClickAt(1.0f, 0.2f);
    EXPECT_TRUE(Script<Conveyer>(first)->mBeltRight);
    EXPECT_EQ(Sheet(first), "ConveyerBeltGreen");
    EXPECT_TRUE(Script<Conveyer>(other)->mBeltRight); // the click was not on it

    // Moved so that its lower left corner is the origin, where the mouse
    // position comes back exactly from the screen.
    BodyOf(first)->SetPosition(Vec3(2.0f, 0.5f, 0.0f));
    ClickAt(0.0f, 0.0f);
    EXPECT_FALSE(Script<Conveyer>(first)->mBeltRight);
    ClickAt(-0.1f, 0.0f); // just outside
    EXPECT_FALSE(Script<Conveyer>(first)->mBeltRight);
}

TEST_F(Belts, AConveyerWithoutABoxDoesNothing)
{
    Composition* belt = Make("Belt", {.script = ScriptId::Conveyer, .circle = true, .renderer = true});
    belt->GetComponent<Renderer>()->mSpriteSheetKey = "Mine";
    ClickAt(0.0f, 0.0f);
    EXPECT_EQ(Sheet(belt), "Mine");
    EXPECT_TRUE(Script<Conveyer>(belt)->mBeltRight);
}

TEST_F(Belts, ACanPassesThroughARotatingObject)
{
    Composition* can =
        Make("Can", {.tag = ObjectTag::Can, .position = Vec3(30.0f, 0.0f, 0.0f), .script = ScriptId::CanScript});
    Composition* ketchup = Make("Ketchup", {.tag = ObjectTag::RotatingObject, .position = Vec3(-30.0f, 0.0f, 0.0f)});
    Composition* wall = Make("Wall", {.tag = ObjectTag::Wall, .position = Vec3(0.0f, 30.0f, 0.0f)});
    Body* a = BodyOf(can);
    Body* b = BodyOf(ketchup);
    Record(a, b);
    Record(a, BodyOf(wall));
    Record(b, a);
    Record(a, b);
    Touch(can, ketchup);
    // One record each way went; the rest keep their order, and the pair is still known.
    EXPECT_EQ(Records(), (std::vector<std::string>{"Can-Wall", "Can-Ketchup"}));
    EXPECT_TRUE(Script<CanScript>(can)->mPassedThrough);
    EXPECT_TRUE(mWorld.mPhysics->HasContact(a, b));
    Touch(can, ketchup);
    EXPECT_EQ(Records(), std::vector<std::string>{"Can-Wall"});
    EXPECT_FALSE(mWorld.mPhysics->HasContact(b, a));

    // Other tags keep their records; the next frame clears the flag.
    Touch(can, wall);
    EXPECT_EQ(Records(), std::vector<std::string>{"Can-Wall"});
    mWorld.mPhysics->mContacts.clear();
    mWorld.Step();
    EXPECT_FALSE(Script<CanScript>(can)->mPassedThrough);
}

TEST_F(Belts, ACanTakesEveryRecordAJumpTriggerMadeWithIt)
{
    Composition* can =
        Make("Can", {.tag = ObjectTag::Can, .position = Vec3(30.0f, 0.0f, 0.0f), .script = ScriptId::CanScript});
    Composition* trigger = Make("Pad", {.tag = ObjectTag::JumpTrigger, .position = Vec3(-30.0f, 0.0f, 0.0f)});
    Body* a = BodyOf(can);
    Body* b = BodyOf(trigger);
    Record(b, a);
    Record(a, b);
    Record(b, a);
    Record(a, b);
    Record(b, a);
    Touch(can, trigger);
    EXPECT_EQ(Records(), std::vector<std::string>{"Can-Pad"});
    EXPECT_FALSE(Script<CanScript>(can)->mPassedThrough);
    EXPECT_TRUE(mWorld.mPhysics->HasContact(a, b));
}

TEST_F(Belts, ARotatingPropBobblesWhenGrabbedTurnedOrSpun)
{
    Composition* ketchup = Make(
        "Ketchup",
        {.tag = ObjectTag::RotatingObject, .script = ScriptId::RotatingScript, .interactable = true, .audio = true});
    mWorld.mInput->SetMouseWorld(0.0f, 0.0f);
    mWorld.Step(2);
    ASSERT_EQ(mWorld.mPhysics->HoverObject(), ketchup);
    TakeSounds();

    // Grabbed where the last grab left it: silent.
    Click();
    EXPECT_TRUE(TakeSounds().empty());
    // Turned by the editor between grabs: the next grab bobbles.
    ketchup->GetComponent<Transform>()->mRotation = 30.0f;
    mWorld.Step();
    Click();
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"Ketchup:KetchupBobble"});

    // A fast turn while held bobbles once the first second has passed.
    mWorld.mInput->Press(Left);
    mWorld.Step(2);
    ketchup->GetComponent<Transform>()->mRotation = 40.0f;
    mWorld.Step();
    TakeSounds();
    mWorld.Step(62);
    EXPECT_TRUE(TakeSounds().empty());
    mWorld.Step(2);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"Ketchup:KetchupBobble"});
    mWorld.mInput->Release(Left);
}

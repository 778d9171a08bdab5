// Parallax layers, the quit dialog's camera moves and the background walkers.
#include <gtest/gtest.h>
#include "core/engine/Message.h"
#include "gameplay/ScriptId.h"
#include "gameplay/scripts/BackgroundPersonMovement.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/ShapeOBB.h"
#include "MenuScriptSupport.h"

using namespace Framework;
using TestSupport::Get;
using TestSupport::ScriptWorld;

namespace
{
constexpr int SpaceKey = 32;

void Tap(ScriptWorld& world, int key)
{
    world.mWorld.mInput->Press(key);
    world.mWorld.Step();
    world.mWorld.mInput->Release(key);
}

float X(Composition* object) { return Get<Transform>(object)->mPosition.x; }
} // namespace

// ---- Parallax -------------------------------------------------------------------

TEST(BackGroundScript, LayersFollowTheCameraAtTheirRatesOnlyAfterSpace)
{
    ScriptWorld level(GameState::LEVEL);
    Camera& camera = level.ActiveCamera();
    camera.Position = Vec3(10.0f, 5.0f, 0.0f);
    Composition* top = level.Make("Top_BG", {"Renderer"}, ScriptId::BackGround, Vec3(12.0f, 4.0f, -3.0f));
    Composition* far = level.Make("Hills", {"Renderer"}, ScriptId::BackGround, Vec3(20.0f, 6.0f, -3.0f));

    camera.Position.x = 16.0f; // travel before the launch leaves the layers alone
    level.mWorld.Step(3);
    EXPECT_FLOAT_EQ(X(top), 12.0f);
    EXPECT_FLOAT_EQ(X(far), 20.0f);

    Tap(level, SpaceKey);
    level.mWorld.Step();
    // The travel counts from the camera's x when the level started.
    EXPECT_FLOAT_EQ(X(top), 12.0f - 6.0f / 3.0f);
    EXPECT_FLOAT_EQ(X(far), 20.0f - 6.0f / 2.0f);
    camera.Position.x = 22.0f;
    level.mWorld.Step();
    EXPECT_FLOAT_EQ(X(top), 12.0f - 12.0f / 3.0f);
    EXPECT_FLOAT_EQ(X(far), 20.0f - 12.0f / 2.0f);
    EXPECT_FLOAT_EQ(Get<Transform>(top)->mPosition.y, 4.0f);
    EXPECT_FLOAT_EQ(Get<Transform>(top)->mPosition.z, -9.0f);
}

// ---- Quit dialog ----------------------------------------------------------------

TEST(QuitScript, TheDialogButtonsTurnTheCamera)
{
    ScriptWorld menu(GameState::MAIN_MENU);
    Camera& camera = menu.ActiveCamera();
    camera.Position = Vec3(0.0f, 0.0f, 4.0f);
    Composition* quit = menu.Make("QuitButton", {"Renderer", "Button"}, ScriptId::Quit);
    Composition* no = menu.Make("NoButton", {"Renderer", "Button"}, ScriptId::Quit);
    Composition* plain = menu.Make("QuitButton", {"Renderer"}, ScriptId::Quit);
    menu.mWorld.Step();
    EXPECT_EQ(camera.Position, Vec3(0.0f, 0.0f, 4.0f)); // no clicks, and one without a Button
    (void)plain;

    menu.Click(quit);
    EXPECT_FLOAT_EQ(camera.Position.x, 44.7f);
    EXPECT_FLOAT_EQ(camera.Position.y, 9.0f);
    menu.Click(no);
    EXPECT_FLOAT_EQ(camera.Position.x, 14.7f);
    EXPECT_FLOAT_EQ(camera.Position.y, 9.0f);
    EXPECT_FLOAT_EQ(camera.Position.z, 4.0f);
}

// ---- Walkers --------------------------------------------------------------------

class Walkers : public ::testing::Test
{
protected:
    static constexpr float Left = 0.0f;
    static constexpr float Right = 40.0f;

    Walkers() : mLevel(GameState::CREDITS)
    {
        BackgroundPersonMovement::SeedRandom(7);
        gPhysics->mRunning = true;
        mBorders[0] = Solid("Border1", ObjectTag::Border, Vec3(Left, 15.5f, 0.0f), Vec3(1.0f, 10.0f, 1.0f));
        mBorders[1] = Solid("Border2", ObjectTag::Border, Vec3(Right, 15.5f, 0.0f), Vec3(1.0f, 10.0f, 1.0f));
    }

    // A box body of mass 0 (nothing pushes it; scripts move it).
    Composition* Solid(const std::string& name, uint32_t tag, Vec3 position, Vec3 scale, bool walker = false)
    {
        Composition* object = gFactory->CreateObject(name, ObjectKind::GameObject);
        object->mTag = tag;
        Get<Transform>(object)->mPosition = position;
        Get<Transform>(object)->mScale = scale;
        static_cast<Body*>(gFactory->AddComponent(object, "Body"))->mMass = 0.0f;
        gFactory->AddComponent(object, "OBB");
        if (walker)
        {
            gFactory->AddComponent(object, "Renderer");
            static_cast<Behaviour*>(gFactory->AddComponent(object, "Behaviour"))->ScriptID =
                ScriptId::BackgroundPersonMovement;
        }
        object->Initialize();
        return object;
    }
    Composition* Walker(const std::string& name = "Person")
    {
        return Solid(name, ObjectTag::People, Vec3(20.0f, 0.0f, -2.0f), Vec3(1.0f, 2.0f, 1.0f), true);
    }

    ScriptWorld mLevel;
    Composition* mBorders[2] = {};
};

TEST_F(Walkers, AWalkerStartsAtABorderAndWalksAwayFromIt)
{
    Composition* person = Walker();
    BackgroundPersonMovement* script = ScriptOf<BackgroundPersonMovement>(person);
    ASSERT_NE(script, nullptr);
    mLevel.mWorld.Step();
    const bool right = script->mFacingRight;
    const float step = script->mSpeed * TestSupport::GameplayWorld::Dt;
    EXPECT_GE(script->mSpeed, 5.0f);
    EXPECT_LT(script->mSpeed, 10.0f);
    EXPECT_NEAR(X(person), right ? Left + step : Right - step, 1e-4f);
    EXPECT_FLOAT_EQ(Get<Transform>(person)->mPosition.y, 15.5f);
    EXPECT_FLOAT_EQ(Get<Transform>(person)->mPosition.z, -2.0f);
    EXPECT_EQ(Get<Renderer>(person)->mInvertX, right);
    EXPECT_FLOAT_EQ(Get<Body>(person)->mPosition.x, X(person));
}

TEST_F(Walkers, ABorderTouchCountsOnlyAfterTheCooldown)
{
    Composition* person = Walker();
    BackgroundPersonMovement* script = ScriptOf<BackgroundPersonMovement>(person);
    mLevel.mWorld.Step();
    const float speed = script->mSpeed;
    CollisionMessage touch(mBorders[0]);
    person->GetComponent<Behaviour>()->SendMessage(&touch);
    EXPECT_FLOAT_EQ(script->mSpeed, speed); // the new move is still fresh

    mLevel.Run(2.0f);
    const float before = X(person);
    CollisionMessage other(person); // not a border
    person->GetComponent<Behaviour>()->SendMessage(&other);
    EXPECT_FLOAT_EQ(X(person), before);
    person->GetComponent<Behaviour>()->SendMessage(&touch);
    EXPECT_FLOAT_EQ(X(person), script->mFacingRight ? Left : Right); // restarted from a border
    EXPECT_FLOAT_EQ(script->mTurnCooldown, 2.0f);
}

TEST_F(Walkers, WalkersStayBetweenTheirBorders)
{
    Composition* people[2] = {Walker("Person"), Walker("Other")};
    int turns = 0;
    bool wasRight = ScriptOf<BackgroundPersonMovement>(people[0])->mFacingRight;
    for (int frame = 0; frame < 64 * 60; ++frame)
    {
        mLevel.mWorld.Step();
        for (Composition* person : people)
        {
            ASSERT_GE(X(person), Left - 0.5f) << "frame " << frame;
            ASSERT_LE(X(person), Right + 0.5f) << "frame " << frame;
        }
        const bool right = ScriptOf<BackgroundPersonMovement>(people[0])->mFacingRight;
        turns += right != wasRight;
        wasRight = right;
    }
    EXPECT_GT(turns, 0); // in a minute the first walker has come back at least once
}

TEST_F(Walkers, SeededWalksRepeatAndWalkersShareOneSequence)
{
    auto firstMoves = [&]()
    {
        Composition* a = Walker("A");
        Composition* b = Walker("B");
        mLevel.mWorld.Step();
        return std::vector<float>{ScriptOf<BackgroundPersonMovement>(a)->mSpeed,
                                  ScriptOf<BackgroundPersonMovement>(b)->mSpeed};
    };
    BackgroundPersonMovement::SeedRandom(99);
    const std::vector<float> first = firstMoves();
    BackgroundPersonMovement::SeedRandom(99);
    const std::vector<float> again = firstMoves();
    EXPECT_EQ(first, again);
    EXPECT_NE(first[0], first[1]); // the second walker took the next draws
}

TEST_F(Walkers, AWalkerMissingAComponentWaitsForIt)
{
    Composition* person = gFactory->CreateObject("Person", ObjectKind::GameObject);
    person->mTag = ObjectTag::People;
    static_cast<Behaviour*>(gFactory->AddComponent(person, "Behaviour"))->ScriptID = ScriptId::BackgroundPersonMovement;
    gFactory->AddComponent(person, "Renderer");
    person->Initialize();
    mLevel.mWorld.Step(5);
    EXPECT_FLOAT_EQ(X(person), 0.0f);
    EXPECT_EQ(ScriptOf<BackgroundPersonMovement>(person)->mObject, nullptr);

    auto* body = static_cast<Body*>(gFactory->AddComponent(person, "Body"));
    Component* shape = gFactory->AddComponent(person, "OBB");
    body->Initialize();
    shape->Initialize();
    mLevel.mWorld.Step();
    EXPECT_NE(ScriptOf<BackgroundPersonMovement>(person)->mObject, nullptr);
    EXPECT_FLOAT_EQ(Get<Transform>(person)->mPosition.y, 15.5f);
}

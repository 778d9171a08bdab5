// The game's pair rules, set on the physics step: which pairs are skipped, slopes and
// false tiles, interactables and enemies, the goal, and contact handlers.
//
// Contents:
//   1. The fixture: two overlapping boxes tested through the pair test
//   2. Skipped pairs
//   3. Slopes and see-through false tiles
//   4. Interactables, immunity, jump triggers, switches
//   5. Dragging against a static body, debug contacts
//   6. The goal
//   7. Handlers that remove contacts or move bodies
//   8. Removing contact records
#include <utility>
#include <gtest/gtest.h>
#include "gameplay/Behaviour.h"
#include "gameplay/CollisionRules.h"
#include "gameplay/ResourceManager.h"
#include "gameplay/scripts/BasicPlayerMovement.h"
#include "gameplay/scripts/Player.h"
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
// ---- 1. The fixture ---------------------------------------------------------
// Two overlapping boxes, tested directly through the pair test.
struct PairFixture : ::testing::Test
{
    void SetUp() override
    {
        mScope.mFactory->AddComponentCreator("Behaviour",
                                             new ComponentCreatorType<Behaviour>(ComponentType::Behaviour));
        InstallCollisionRules(this);
    }
    void TearDown() override { RemoveCollisionRules(this); }

    Composition* Make(const Vec3& position, uint32_t tag, float mass = 1.0f, bool interactable = false)
    {
        BodySpec spec;
        spec.mPosition = position;
        spec.mTag = tag;
        spec.mMass = mass;
        spec.mInteractable = interactable;
        spec.mRenderer = true;
        // The rules look for the apple's script in a Player's Behaviour slot,
        // where a recorder would sit: a Player here carries none.
        spec.mRecorder = tag != ObjectTag::Player;
        return mScope.Make(spec);
    }
    bool Collides(Composition* a, Composition* b)
    {
        const size_t before = mScope.mPhysics->mContacts.size();
        gSpatialGrid->TestPair(BodyOf(a), BodyOf(b));
        return mScope.mPhysics->mContacts.size() > before;
    }
    // What the rules do as a running step begins (before its pair tests).
    void StepBegins()
    {
        const PairCallbacks& rules = mScope.mPhysics->GetPairCallbacks();
        rules.mStepBegins(rules.mContext);
    }
    // A Player-tagged box whose Behaviour hosts a script of type T: the rules
    // read the apple's flags from it, as they are set here. The script hears
    // no collision (the apple's own would remove contacts it handles).
    template <class T>
    T* Apple(const Vec3& position, Composition*& object)
    {
        struct Deaf : T
        {
            void OnCollision(CollisionMessage*, Behaviour*) override {}
        };
        BodySpec spec;
        spec.mPosition = position;
        spec.mTag = ObjectTag::Player;
        spec.mRecorder = false;
        object = mScope.Make(spec);
        mScope.mFactory->AddComponent(object, "Behaviour");
        T* script = new Deaf();
        mResources.mScripts[ResourceManager::KeyOf(object)] = script;
        return script;
    }

    ResourceManager mResources; // holds the apples' scripts; outlives their objects
    PhysicsScope mScope;
};

} // namespace

// ---- 2. Skipped pairs -------------------------------------------------------
TEST_F(PairFixture, StaticPairsAndBodiesWithoutCollideAreSkipped)
{
    EXPECT_FALSE(Collides(Make(Vec3(5, 5, 0), 0, 0.0f), Make(Vec3(5.5f, 5, 0), 0, 0.0f)));
    Composition* a = Make(Vec3(15, 5, 0), 0);
    Composition* b = Make(Vec3(15.5f, 5, 0), 0);
    BodyOf(b)->mCollide = false;
    EXPECT_FALSE(Collides(a, b));
    EXPECT_TRUE(RecorderOf(a)->mOthers.empty());
    BodyOf(b)->mCollide = true;
    EXPECT_TRUE(Collides(a, b));
    EXPECT_EQ(RecorderOf(a)->mOthers, std::vector<Composition*>{b});
    EXPECT_EQ(RecorderOf(b)->mOthers, std::vector<Composition*>{a});
}

// ---- 3. Slopes and see-through false tiles ----------------------------------
TEST_F(PairFixture, PlayerPassesUpThroughASlopeItFaces)
{
    Composition* player = nullptr;
    Player* apple = Apple<Player>(Vec3(5.5f, 5.6f, 0), player);
    // Both kinds of each slope: falling ones are passed facing right, rising ones facing left.
    const std::pair<int, bool> slopes[] = {{6, true}, {7, true}, {4, false}, {5, false}};
    for (const auto& [kind, facingRight] : slopes)
    {
        SCOPED_TRACE(kind);
        mScope.Tile(5, 5, kind);
        ASSERT_EQ(gSpatialGrid->GetTileBodies().size(), 1u);
        Body* slope = gSpatialGrid->GetTileBodies()[0];
        apple->mPlayerRight = facingRight;
        BodyOf(player)->mVelocity = Vec3(0, -0.5f, 0);
        const size_t before = mScope.mPhysics->mContacts.size();
        gSpatialGrid->TestPair(slope, BodyOf(player));
        EXPECT_EQ(mScope.mPhysics->mContacts.size(), before);
        BodyOf(player)->mVelocity = Vec3(0, -2, 0); // falling fast: lands
        gSpatialGrid->TestPair(slope, BodyOf(player));
        EXPECT_EQ(mScope.mPhysics->mContacts.size(), before + 1);
        BodyOf(player)->mVelocity = Vec3(0, -0.5f, 0);
        apple->mPlayerRight = !facingRight; // facing away: lands
        gSpatialGrid->TestPair(BodyOf(player), slope);
        EXPECT_EQ(mScope.mPhysics->mContacts.size(), before + 2);
    }
    // The menu's apple passes by its own facing; a Player-tagged object with no
    // apple script never passes, whatever the speed.
    Composition* menu = nullptr;
    Apple<BasicPlayerMovement>(Vec3(5.5f, 5.6f, 0), menu)->mPlayerRight = true;
    Composition* impostor = nullptr;
    Apple<ScriptBase>(Vec3(5.5f, 5.6f, 0), impostor);
    mScope.Tile(5, 5, 6);
    Body* slope = gSpatialGrid->GetTileBodies()[0];
    const size_t before = mScope.mPhysics->mContacts.size();
    gSpatialGrid->TestPair(BodyOf(menu), slope);
    EXPECT_EQ(mScope.mPhysics->mContacts.size(), before);
    gSpatialGrid->TestPair(BodyOf(impostor), slope);
    EXPECT_EQ(mScope.mPhysics->mContacts.size(), before + 1);
}

TEST_F(PairFixture, FalseTileTurnsSeeThroughAboveThePlayersFeet)
{
    BodySpec spec;
    spec.mPosition = Vec3(5, 5, 0);
    spec.mScale = Vec3(2, 2, 1); // feet at y - 1, the rule's feet at y - 0.75
    spec.mTag = ObjectTag::Player;
    spec.mRecorder = false;
    Composition* player = mScope.Make(spec);
    Composition* fake = Make(Vec3(5, 5.5f, 0), ObjectTag::FakeTile);
    EXPECT_FALSE(Collides(player, fake));
    EXPECT_FLOAT_EQ(RendererOf(fake)->mAlpha, 1.0f) << "the filter only answers";
    StepBegins();
    EXPECT_FLOAT_EQ(RendererOf(fake)->mAlpha, 0.4f);
    // Standing on it (its top 0.15 below the rule's feet): solid again and opaque.
    BodyOf(fake)->SetPosition(Vec3(5, 3.55f, 0));
    EXPECT_TRUE(Collides(player, fake));
    StepBegins();
    EXPECT_FLOAT_EQ(RendererOf(fake)->mAlpha, 1.0f);
}

TEST_F(PairFixture, AStepFadesTheFalseTilesNearThePlayerAndLeavesFarOnesAsTheyLook)
{
    // Under a false tile in the next cell up, not touching it: see-through. A
    // false tile as high but cells away keeps its look, and so does any tile
    // while physics does not run.
    Make(Vec3(5, 5, 0), ObjectTag::Player);
    Composition* fake = Make(Vec3(5, 7.2f, 0), ObjectTag::FakeTile);
    Composition* far = Make(Vec3(15, 7.2f, 0), ObjectTag::FakeTile);
    Composition* other = Make(Vec3(5.5f, 7.2f, 0), 0);
    mScope.mPhysics->mRunning = false;
    mScope.mPhysics->Step(0.0f);
    EXPECT_FLOAT_EQ(RendererOf(fake)->mAlpha, 1.0f);
    mScope.mPhysics->mRunning = true;
    mScope.mPhysics->mGravity = Vec2(0.0f);
    mScope.mPhysics->Step(0.0f);
    EXPECT_FLOAT_EQ(RendererOf(fake)->mAlpha, 0.4f);
    EXPECT_FLOAT_EQ(RendererOf(far)->mAlpha, 1.0f);
    EXPECT_TRUE(mScope.mPhysics->mPlayerContacts.empty()) << "the player touches nothing";
    // The two overlapping bodies above still meet.
    EXPECT_EQ(RecorderOf(other)->mOthers, std::vector<Composition*>{fake});
}

TEST_F(PairFixture, InteractableBodyPassesAFalseTileWhileItIsSeeThrough)
{
    Composition* crate = Make(Vec3(5, 4.5f, 0), 0, 1.0f, true);
    Composition* fake = Make(Vec3(5, 4.0f, 0), ObjectTag::FakeTile);
    RendererOf(fake)->mAlpha = 0.4f;
    EXPECT_FALSE(Collides(crate, fake));
    RendererOf(fake)->mAlpha = 1.0f;
    EXPECT_TRUE(Collides(fake, crate));
}

TEST_F(PairFixture, SeeThroughRuleLeavesOtherObjectsAlphaAlone)
{
    Composition* other = Make(Vec3(5, 5.5f, 0), 0);
    RendererOf(other)->mAlpha = 0.3f;
    EXPECT_TRUE(Collides(Make(Vec3(5, 5, 0), ObjectTag::Player), other));
    StepBegins();
    EXPECT_FLOAT_EQ(RendererOf(other)->mAlpha, 0.3f);
}

// ---- 4. Interactables, immunity, jump triggers, switches --------------------
TEST_F(PairFixture, StillPlayerDoesNotPushInteractables)
{
    Composition* player = nullptr;
    Player* apple = Apple<Player>(Vec3(5, 5, 0), player);
    mScope.mPhysics->mPlayerBody = BodyOf(player);
    Composition* crate = Make(Vec3(5.5f, 5, 0), 0, 1.0f, true);
    apple->mPlayerMoving = false;
    EXPECT_FALSE(Collides(crate, player));
    apple->mPlayerMoving = true;
    EXPECT_TRUE(Collides(crate, player));
}

TEST_F(PairFixture, ImmunePlayerPassesEnemies)
{
    Composition* player = nullptr;
    Player* apple = Apple<Player>(Vec3(5, 5, 0), player);
    mScope.mPhysics->mPlayerBody = BodyOf(player);
    apple->mImmune = true;
    EXPECT_FALSE(Collides(player, Make(Vec3(5.5f, 5, 0), ObjectTag::Roach)));
    EXPECT_FALSE(Collides(Make(Vec3(5.5f, 5, 0), ObjectTag::Icicle), player));
    EXPECT_TRUE(Collides(player, Make(Vec3(5.5f, 5, 0), ObjectTag::Crate)));
    apple->mImmune = false;
    EXPECT_TRUE(Collides(player, Make(Vec3(5.5f, 5, 0), ObjectTag::Rat)));
}

TEST_F(PairFixture, JumpTriggerIgnoresInteractables)
{
    Composition* trigger = Make(Vec3(5, 5, 0), ObjectTag::JumpTrigger);
    EXPECT_FALSE(Collides(Make(Vec3(5.5f, 5, 0), 0, 1.0f, true), trigger));
    EXPECT_TRUE(Collides(trigger, Make(Vec3(5.5f, 5, 0), 0)));
}

TEST_F(PairFixture, SwitchMeetsOnlyRatsAndTiles)
{
    Composition* sw = Make(Vec3(5.5f, 5.4f, 0), ObjectTag::Switch);
    mScope.Tile(5, 4);
    EXPECT_TRUE(Collides(sw, Make(Vec3(5.5f, 6.3f, 0), ObjectTag::Rat)));
    EXPECT_FALSE(Collides(Make(Vec3(5.5f, 6.3f, 0), ObjectTag::Player), sw));
    const size_t before = mScope.mPhysics->mContacts.size();
    gSpatialGrid->TestPair(gSpatialGrid->GetTileBodies()[0], BodyOf(sw));
    EXPECT_EQ(mScope.mPhysics->mContacts.size(), before + 1);
}

TEST_F(PairFixture, UpperOfTwoInteractablesLosesGravity)
{
    Composition* lower = Make(Vec3(5, 5, 0), 0, 1.0f, true);
    Composition* upper = Make(Vec3(5, 5.9f, 0), 0, 1.0f, true);
    EXPECT_TRUE(Collides(lower, upper));
    EXPECT_TRUE(BodyOf(lower)->mUseGravity);
    EXPECT_FALSE(BodyOf(upper)->mUseGravity);
}

// ---- 5. Dragging against a static body, debug contacts ----------------------
TEST_F(PairFixture, HoveredBodyTouchingAStaticOneBlocksTheDrag)
{
    Composition* wall = Make(Vec3(5, 5, 0), 0, 0.0f);
    Composition* dragged = Make(Vec3(5.5f, 5, 0), 0);
    mScope.mPhysics->SetHoverObject(dragged);
    EXPECT_TRUE(Collides(wall, dragged));
    EXPECT_TRUE(mScope.mPhysics->mDragBlocked);
}

TEST_F(PairFixture, PlayerContactsAreCopiedForDebugDrawing)
{
    Composition* player = Make(Vec3(5, 5, 0), ObjectTag::Player);
    EXPECT_TRUE(Collides(player, Make(Vec3(5.5f, 5, 0), 0)));
    EXPECT_EQ(mScope.mPhysics->mPlayerContacts.size(), 1u);
    EXPECT_TRUE(Collides(Make(Vec3(15, 5, 0), 0), Make(Vec3(15.5f, 5, 0), 0)));
    EXPECT_EQ(mScope.mPhysics->mPlayerContacts.size(), 1u);
}

// ---- 6. The goal ------------------------------------------------------------
TEST_F(PairFixture, PlayerReachingTheGoalWinsOncePerTestAndStopsTheClock)
{
    BodySpec spec;
    spec.mName = "HumanWin";
    spec.mPosition = Vec3(40, 40, 0);
    Composition* human = mScope.Make(spec);
    Composition* player = Make(Vec3(5, 5, 0), ObjectTag::Player);
    Composition* goal = Make(Vec3(5.5f, 5, 0), ObjectTag::Goal, 0.0f);
    mScope.mPhysics->mFastMode = true;
    mScope.mPhysics->mLevelTimer.mRunningTime = 12.5f;
    EXPECT_TRUE(Collides(goal, player));
    mScope.mPhysics->mLevelTimer.mRunningTime = 20.0f;
    gSpatialGrid->TestPair(BodyOf(player), BodyOf(goal));
    EXPECT_EQ(RecorderOf(human)->mWins, 2);
    EXPECT_FLOAT_EQ(mScope.mPhysics->mLevelTimer.mFinalTime, 12.5f);
    EXPECT_FALSE(mScope.mPhysics->mFastMode);
    EXPECT_EQ(RecorderOf(goal)->mOthers.size(), 2u);
}

// ---- 7. Handlers that remove contacts or move bodies ------------------------
TEST_F(PairFixture, HandlerRemovingTheContactKeepsItFromBeingResolved)
{
    Composition* a = Make(Vec3(5, 5, 0), 0, 0.0f);
    Composition* b = Make(Vec3(5, 5.8f, 0), 0);
    BodyOf(b)->mVelocity = Vec3(0, -5, 0);
    RecorderOf(b)->mOnMessage = [&](Message*) { mScope.mPhysics->RemoveContact(BodyOf(a), BodyOf(b)); };
    mScope.mPhysics->mGravity = Vec2(0.0f);
    mScope.mPhysics->Step(0.01f);
    EXPECT_TRUE(mScope.mPhysics->mContacts.empty());
    EXPECT_LT(BodyOf(b)->mVelocity.y, -4.0f); // fell on through the floor
}

TEST_F(PairFixture, HandlerMovingBodiesDuringTheStepIsSafe)
{
    Composition* a = Make(Vec3(5, 5, 0), 0, 0.0f);
    Composition* b = Make(Vec3(5, 5.8f, 0), 0);
    bool moved = false;
    RecorderOf(b)->mOnMessage = [&](Message*)
    {
        if (moved)
            return;
        moved = true;
        BodyOf(b)->SetPosition(Vec3(30, 30, 0));
        BodyOf(a)->SetPosition(Vec3(31, 30, 0));
        Make(Vec3(30.5f, 30, 0), 0);
    };
    mScope.mPhysics->Step(0.01f);
    mScope.mPhysics->Step(0.01f);
    EXPECT_TRUE(moved);
    EXPECT_NEAR(BodyOf(b)->mPosition.x, 30.0f, 1.0f);
}

// ---- 8. Removing contact records --------------------------------------------
TEST(RemoveContact, RemovesTheFirstRecordOfEachOrder)
{
    PhysicsScope scope;
    Body* a = BodyOf(scope.Box(Vec3(5, 5, 0)));
    Body* b = BodyOf(scope.Box(Vec3(8, 5, 0)));
    Body* c = BodyOf(scope.Box(Vec3(11, 5, 0)));
    for (auto pair : {std::pair<Body*, Body*>{a, b}, {b, a}, {a, c}, {a, b}})
        scope.mPhysics->AddContact(Manifold(pair.first, pair.second));
    scope.mPhysics->RemoveContact(a, b);
    ASSERT_EQ(scope.mPhysics->mContacts.size(), 2u);
    EXPECT_EQ(scope.mPhysics->mContacts[0].B, c);
    EXPECT_EQ(scope.mPhysics->mContacts[1].B, b);
    EXPECT_TRUE(scope.mPhysics->HasContact(b, a));
    scope.mPhysics->RemoveContact(a, b);
    EXPECT_FALSE(scope.mPhysics->HasContact(b, a));
}

// The pair rules read each body's copy of its object's tag: a tag changed after
// load must be what the next test sees. Collision messages skip components that
// ignore them but reach every handler, added after load or not, in the old order.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "gameplay/CollisionRules.h"
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
// The game's rules on the physics for one test.
struct RulesInstalled
{
    RulesInstalled() { InstallCollisionRules(this); }
    ~RulesInstalled() { RemoveCollisionRules(this); }
};

bool Collides(PhysicsScope& scope, Composition* a, Composition* b)
{
    const size_t before = scope.mPhysics->mContacts.size();
    gSpatialGrid->TestPair(BodyOf(a), BodyOf(b));
    return scope.mPhysics->mContacts.size() > before;
}
} // namespace

TEST(LiveTagRules, ATagChangedAfterLoadIsWhatTheRulesSee)
{
    PhysicsScope scope;
    RulesInstalled rules; // set on the physics system of the scope
    BodySpec spec;
    spec.mKind = ObjectKind::Archetype;
    spec.mTag = ObjectTag::Switch;
    spec.mPosition = Vec3(5.5f, 5.4f, 0);
    Composition* archetype = scope.Make(spec);
    Composition* sw = scope.mFactory->Instantiate(archetype);
    Composition* crate = scope.Box(Vec3(5.5f, 5.0f, 0), 1.0f, ObjectTag::Crate);
    EXPECT_FALSE(Collides(scope, sw, crate)); // a switch meets rats only
    crate->mTag = ObjectTag::Rat;             // as the editor's tag box writes it
    EXPECT_TRUE(Collides(scope, sw, crate));
    crate->mTag = ObjectTag::Wall;
    sw->mTag = ObjectTag::None;
    EXPECT_TRUE(Collides(scope, crate, sw));
    EXPECT_EQ(BodyOf(archetype)->GetTag(), ObjectTag::Switch) << "the copy's tag is its own";
}

TEST(LiveTagRules, MessagesReachHandlersAddedAfterLoadInComponentOrder)
{
    PhysicsScope scope;
    BodySpec spec;
    spec.mRecorder = false;
    spec.mPosition = Vec3(5, 5, 0);
    Composition* a = scope.Make(spec);
    spec.mPosition = Vec3(5.5f, 5, 0);
    Composition* b = scope.Make(spec);
    std::vector<std::string> heard;
    auto listen = [&](Composition* object, int32_t typeId, const std::string& name)
    {
        auto* recorder = new CollisionRecorder();
        object->AddComponent(typeId, recorder); // as the editor adds one, in front of or behind others
        recorder->Initialize();
        recorder->mOnMessage = [&heard, name](Message*) { heard.push_back(name); };
        return recorder;
    };
    listen(b, 10, "b10");
    listen(a, 10, "a10");
    CollisionRecorder* front = listen(a, 3, "a3");
    EXPECT_TRUE(Collides(scope, a, b));
    EXPECT_EQ(heard, (std::vector<std::string>{"a3", "a10", "b10"}));
    a->mPendingRemoval.insert(front);
    a->RemovePendingComponents();
    heard.clear();
    EXPECT_TRUE(Collides(scope, b, a));
    EXPECT_EQ(heard, (std::vector<std::string>{"b10", "a10"}));
}

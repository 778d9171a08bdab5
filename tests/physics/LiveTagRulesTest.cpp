// The pair rules read each body's copy of its object's tag: a tag changed after
// load (editor, script) must be what the next test sees; and collision messages
// reach handlers added after load, A's object first.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
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
    Composition* sw = scope.Box(Vec3(5.5f, 5.4f, 0), 1.0f, ObjectTag::Switch);
    Composition* crate = scope.Box(Vec3(5.5f, 5.0f, 0), 1.0f, ObjectTag::Crate);
    EXPECT_FALSE(Collides(scope, sw, crate)); // a switch meets rats only

    crate->mTag = ObjectTag::Rat;
    EXPECT_TRUE(Collides(scope, sw, crate));
    sw->mTag = ObjectTag::None;
    crate->mTag = ObjectTag::Wall;
    EXPECT_TRUE(Collides(scope, sw, crate));
    sw->mTag = ObjectTag::Switch;
    EXPECT_FALSE(Collides(scope, crate, sw));
}

TEST(LiveTagRules, AnInstantiatedCopyCarriesItsOwnTag)
{
    PhysicsScope scope;
    BodySpec spec;
    spec.mKind = ObjectKind::Archetype;
    spec.mTag = ObjectTag::Switch;
    spec.mName = "SwitchArchetype";
    spec.mPosition = Vec3(5.5f, 5.4f, 0);
    Composition* archetype = scope.Make(spec);
    Composition* copy = scope.mFactory->Instantiate(archetype);
    ASSERT_NE(copy, nullptr);
    Composition* crate = scope.Box(Vec3(5.5f, 5.0f, 0), 1.0f, ObjectTag::Crate);
    EXPECT_FALSE(Collides(scope, copy, crate));
    copy->mTag = ObjectTag::Wall;
    EXPECT_TRUE(Collides(scope, copy, crate));
    EXPECT_EQ(BodyOf(archetype)->GetTag(), ObjectTag::Switch) << "the copy's tag is its own";
}

TEST(LiveTagRules, MessagesReachAHandlerAddedAfterLoadInOrder)
{
    PhysicsScope scope;
    BodySpec spec;
    spec.mRecorder = false;
    spec.mPosition = Vec3(5, 5, 0);
    Composition* a = scope.Make(spec);
    spec.mPosition = Vec3(5.5f, 5, 0);
    Composition* b = scope.Make(spec);
    EXPECT_TRUE(Collides(scope, a, b)); // nobody listens yet

    // As the editor adds a component: the factory makes it, then it is initialised.
    std::vector<std::string> order;
    for (Composition* object : {b, a})
    {
        auto* recorder = static_cast<CollisionRecorder*>(scope.mFactory->AddComponent(object, "Recorder"));
        ASSERT_NE(recorder, nullptr);
        recorder->Initialize();
        const std::string name = object == a ? "a" : "b";
        recorder->mOnMessage = [&order, name](Message*) { order.push_back(name); };
    }
    EXPECT_TRUE(Collides(scope, a, b));
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(RecorderOf(a)->mOthers, std::vector<Composition*>{b});
    EXPECT_EQ(RecorderOf(b)->mOthers, std::vector<Composition*>{a});
}

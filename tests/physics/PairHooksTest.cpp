// The pair callbacks, through which the game sets its rules: the filter
// keeps a pair out of the narrow phase, the contact callback hears of each
// pair in contact once both objects have had their messages, and the step
// callback runs as each running step begins. Each gets its context back.
#include <gtest/gtest.h>
#include <vector>
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
// What the callbacks reach through their context.
struct Listener
{
    bool mRefuse = false;
    CollisionRecorder* mFirst = nullptr;
    std::vector<size_t> mHeardAtContact; // how many messages the first box had heard at each contact
    int mStepsBegun = 0;
};

PairCallbacks CallbacksOf(Listener& listener)
{
    PairCallbacks callbacks;
    callbacks.mSkipPair = [](void* context, Body*, Body*) { return static_cast<Listener*>(context)->mRefuse; };
    callbacks.mContact = [](void* context, Body*, Body*)
    {
        auto* listener = static_cast<Listener*>(context);
        listener->mHeardAtContact.push_back(listener->mFirst->mOthers.size());
    };
    callbacks.mStepBegins = [](void* context) { ++static_cast<Listener*>(context)->mStepsBegun; };
    callbacks.mContext = &listener;
    return callbacks;
}
} // namespace

TEST(PairHooks, TheFilterKeepsAPairOutAndTheHandlerHearsEachContactAfterItsMessages)
{
    PhysicsScope scope;
    Composition* a = scope.Box(Vec3(5, 5, 0));
    Composition* b = scope.Box(Vec3(5.5f, 5, 0));
    Listener listener;
    listener.mFirst = RecorderOf(a);
    scope.mPhysics->SetPairCallbacks(CallbacksOf(listener));

    listener.mRefuse = true;
    gSpatialGrid->TestPair(BodyOf(a), BodyOf(b));
    EXPECT_TRUE(scope.mPhysics->mContacts.empty());
    EXPECT_TRUE(listener.mHeardAtContact.empty());

    listener.mRefuse = false;
    gSpatialGrid->TestPair(BodyOf(a), BodyOf(b));
    gSpatialGrid->TestPair(BodyOf(a), BodyOf(scope.Box(Vec3(9, 5, 0)))); // asked, but not in contact
    EXPECT_EQ(scope.mPhysics->mContacts.size(), 1u);
    EXPECT_EQ(listener.mHeardAtContact, std::vector<size_t>{1});

    // Each running step begins once; a step while physics is off does not.
    scope.mPhysics->Step(0.01f);
    scope.mPhysics->Step(0.01f);
    scope.mPhysics->mRunning = false;
    scope.mPhysics->Step(0.01f);
    EXPECT_EQ(listener.mStepsBegun, 2);

    // Only who set them takes them off.
    Listener other;
    scope.mPhysics->ClearPairCallbacks(&other);
    EXPECT_EQ(scope.mPhysics->GetPairCallbacks().mContext, &listener);
    scope.mPhysics->ClearPairCallbacks(&listener);
    EXPECT_EQ(scope.mPhysics->GetPairCallbacks().mSkipPair, nullptr);
}

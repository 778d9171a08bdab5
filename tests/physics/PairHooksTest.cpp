// The pair test's two seams, through which the game sets its rules: the
// filter keeps a pair out of the narrow phase, and the contact handler hears
// of each pair in contact once both objects have had their messages.
#include <gtest/gtest.h>
#include <utility>
#include <vector>
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
std::vector<std::pair<Body*, Body*>> gFiltered;
std::vector<std::pair<Body*, Body*>> gContacts;
std::vector<size_t> gMessagesAtContact; // how many messages a's object had heard by then
CollisionRecorder* gRecorderA = nullptr;
bool gRefuse = false;

bool Filter(Body* a, Body* b)
{
    gFiltered.emplace_back(a, b);
    return gRefuse;
}
void OnContact(Body* a, Body* b)
{
    gContacts.emplace_back(a, b);
    gMessagesAtContact.push_back(gRecorderA ? gRecorderA->mOthers.size() : 0);
}
} // namespace

TEST(PairHooks, TheFilterKeepsAPairOutAndTheHandlerHearsEachContactAfterItsMessages)
{
    PhysicsScope scope;
    Composition* a = scope.Box(Vec3(5, 5, 0), 1.0f, ObjectTag::None);
    Composition* b = scope.Box(Vec3(5.5f, 5, 0), 1.0f, ObjectTag::None);
    Composition* far = scope.Box(Vec3(9, 5, 0), 1.0f, ObjectTag::None);
    gRecorderA = a->GetComponent<CollisionRecorder>();
    gFiltered.clear();
    gContacts.clear();
    gMessagesAtContact.clear();
    SpatialGrid::sPairFilter = Filter;
    SpatialGrid::sContactHandler = OnContact;

    gRefuse = true;
    gSpatialGrid->TestPair(BodyOf(a), BodyOf(b));
    EXPECT_EQ(gFiltered.size(), 1u);
    EXPECT_TRUE(scope.mPhysics->mContacts.empty());
    EXPECT_TRUE(gContacts.empty());

    gRefuse = false;
    gSpatialGrid->TestPair(BodyOf(a), BodyOf(b));
    gSpatialGrid->TestPair(BodyOf(a), BodyOf(far)); // asked, but not in contact
    EXPECT_EQ(gFiltered.size(), 3u);
    EXPECT_EQ(scope.mPhysics->mContacts.size(), 1u);
    ASSERT_EQ(gContacts.size(), 1u);
    EXPECT_EQ(gContacts[0], std::make_pair(BodyOf(a), BodyOf(b)));
    EXPECT_EQ(gMessagesAtContact[0], 1u);

    SpatialGrid::sPairFilter = nullptr;
    SpatialGrid::sContactHandler = nullptr;
}

// The pair test's two seams, through which the game sets its rules: the
// filter keeps a pair out of the narrow phase, and the contact handler hears
// of each pair in contact once both objects have had their messages.
#include <gtest/gtest.h>
#include <vector>
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using namespace TestSupport;

namespace
{
bool gRefuse = false;
std::vector<size_t> gHeardAtContact; // how many messages the first box had heard at each contact
CollisionRecorder* gFirst = nullptr;
} // namespace

TEST(PairHooks, TheFilterKeepsAPairOutAndTheHandlerHearsEachContactAfterItsMessages)
{
    PhysicsScope scope;
    Composition* a = scope.Box(Vec3(5, 5, 0));
    Composition* b = scope.Box(Vec3(5.5f, 5, 0));
    gFirst = RecorderOf(a);
    gHeardAtContact.clear();
    SpatialGrid::sPairFilter = [](Body*, Body*) { return gRefuse; };
    SpatialGrid::sContactHandler = [](Body*, Body*) { gHeardAtContact.push_back(gFirst->mOthers.size()); };

    gRefuse = true;
    gSpatialGrid->TestPair(BodyOf(a), BodyOf(b));
    EXPECT_TRUE(scope.mPhysics->mContacts.empty());
    EXPECT_TRUE(gHeardAtContact.empty());

    gRefuse = false;
    gSpatialGrid->TestPair(BodyOf(a), BodyOf(b));
    gSpatialGrid->TestPair(BodyOf(a), BodyOf(scope.Box(Vec3(9, 5, 0)))); // asked, but not in contact
    EXPECT_EQ(scope.mPhysics->mContacts.size(), 1u);
    EXPECT_EQ(gHeardAtContact, std::vector<size_t>{1});

    SpatialGrid::sPairFilter = nullptr;
    SpatialGrid::sContactHandler = nullptr;
}

// Taking contact records out of a step by order of their bodies, with the
// pair counts kept in step.
#include <gtest/gtest.h>
#include "support/PhysicsTestSupport.h"

using namespace Framework;
using TestSupport::PhysicsScope;

namespace
{
void Record(Body* a, Body* b)
{
    Manifold record(a, b);
    record.mContactCount = 1;
    gPhysics->AddContact(record);
}
} // namespace

TEST(ContactRecordRemoval, TakesTheFirstOrEveryRecordOfOneOrderAndKeepsTheRest)
{
    PhysicsScope scope;
    Body* a = TestSupport::BodyOf(scope.Box(Vec3(0.0f, 30.0f, 0.0f)));
    Body* b = TestSupport::BodyOf(scope.Box(Vec3(20.0f, 30.0f, 0.0f)));
    Body* c = TestSupport::BodyOf(scope.Box(Vec3(40.0f, 30.0f, 0.0f)));
    Record(b, a);
    Record(a, b);
    Record(a, c);
    Record(b, a);
    Record(a, b);

    EXPECT_EQ(gPhysics->RemoveContactRecords(a, b, false), 1u);
    ASSERT_EQ(gPhysics->mContacts.size(), 4u);
    EXPECT_EQ(gPhysics->mContacts[0].A, b);
    EXPECT_EQ(gPhysics->mContacts[1].B, c);
    EXPECT_EQ(gPhysics->mContacts[3].A, a);

    EXPECT_EQ(gPhysics->RemoveContactRecords(b, a, true), 2u);
    EXPECT_TRUE(gPhysics->HasContact(a, b)); // one (a, b) record is left
    EXPECT_EQ(gPhysics->RemoveContactRecords(a, b, true), 1u);
    EXPECT_FALSE(gPhysics->HasContact(b, a));
    EXPECT_TRUE(gPhysics->HasContact(a, c));
    EXPECT_EQ(gPhysics->RemoveContactRecords(a, b, true), 0u);

    // The pair is free again: a body spread over several cells records it anew.
    Record(a, b);
    EXPECT_TRUE(gPhysics->HasContact(a, b));
}

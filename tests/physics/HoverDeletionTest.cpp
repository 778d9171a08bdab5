// The hovered or dragged object is deleted: picking and dragging forget it.
#include <gtest/gtest.h>
#include "physics/Physics.h"
#include "support/PhysicsTestSupport.h"

using namespace Framework;

TEST(HoverDeletion, AnObjectDestroyedThroughTheDestroySetIsNoLongerHoveredOrDragged)
{
    TestSupport::PhysicsScope scope;
    Composition* box = scope.Box(Vec3(0.0f));
    scope.mPhysics->SetHoverObject(box);
    scope.mPhysics->mDragging = true;
    scope.mPhysics->mDragBlocked = true;
    scope.mFactory->mDestroySet.insert(box);
    scope.mFactory->Update(0.0f);
    EXPECT_EQ(scope.mPhysics->HoverObject(), nullptr);
    EXPECT_FALSE(scope.mPhysics->mDragging);
    EXPECT_FALSE(scope.mPhysics->mDragBlocked);
}

TEST(HoverDeletion, RemovingTheHoveredObjectsBodyEndsTheDrag)
{
    TestSupport::PhysicsScope scope;
    Composition* box = scope.Box(Vec3(0.0f));
    Composition* other = scope.Box(Vec3(10.0f, 0.0f, 0.0f));
    scope.mPhysics->SetHoverObject(box);
    scope.mPhysics->mDragging = true;
    other->mPendingRemoval.insert(other->GetComponent<Body>());
    other->RemovePendingComponents();
    EXPECT_EQ(scope.mPhysics->HoverObject(), box) << "another object's body changes nothing";
    box->mPendingRemoval.insert(box->GetComponent<Body>());
    box->RemovePendingComponents();
    EXPECT_EQ(scope.mPhysics->HoverObject(), nullptr);
    EXPECT_FALSE(scope.mPhysics->mDragging);
}

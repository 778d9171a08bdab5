// Counts heap allocations through the replaceable global operator new.
#include <atomic>
#include <cstdlib>
#include <new>
#include <gtest/gtest.h>
#include "support/PhysicsTestSupport.h"

namespace
{
std::atomic<long> gAllocations{0};
}

void* operator new(std::size_t size)
{
    ++gAllocations;
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
// The whole family is replaced so that every allocation and release meets malloc and free.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++gAllocations;
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

using namespace Framework;
using namespace TestSupport;

TEST(PhysicsAllocation, SteadySceneStepsWithoutHeapAllocation)
{
    PhysicsScope scope;
    for (int x = 1; x < 25; ++x)
        scope.Tile(x, 1);
    for (int i = 0; i < 20; ++i)
    {
        BodySpec spec;
        spec.mPosition = Vec3(3.0f + static_cast<float>(i), 3.0f, 0);
        spec.mCircle = i % 2 == 1;
        spec.mRecorder = false; // it would record into a growing list
        scope.Make(spec);
    }
    for (int i = 0; i < 240; ++i)
        scope.mPhysics->Step(1.0f / 60.0f);
    const long before = gAllocations.load();
    for (int i = 0; i < 60; ++i)
        scope.mPhysics->Step(1.0f / 60.0f);
    EXPECT_EQ(gAllocations.load() - before, 0);
}

// Contacts that first appear in play (bodies falling onto the floor once the
// level runs) find their room already made.
TEST(PhysicsAllocation, FirstContactsInPlayAllocateNothing)
{
    PhysicsScope scope;
    BodySpec floor;
    floor.mPosition = Vec3(0.0f, 1.0f, 0); // a row of static boxes, x set below
    floor.mMass = 0.0f;
    floor.mRecorder = false;
    for (int x = 1; x < 25; ++x)
    {
        floor.mPosition.x = static_cast<float>(x);
        scope.Make(floor);
    }
    for (int i = 0; i < 20; ++i)
    {
        BodySpec spec;
        spec.mPosition = Vec3(3.0f + static_cast<float>(i) * 1.1f, 4.0f, 0);
        spec.mRecorder = false;
        scope.Make(spec);
    }
    for (int i = 0; i < 5; ++i)
        scope.mPhysics->Step(1.0f / 60.0f);
    ASSERT_TRUE(scope.mPhysics->mContacts.empty()) << "still falling";
    const long before = gAllocations.load();
    for (int i = 0; i < 120; ++i)
        scope.mPhysics->Step(1.0f / 60.0f);
    EXPECT_FALSE(scope.mPhysics->mContacts.empty()) << "landed";
    EXPECT_EQ(gAllocations.load() - before, 0);
}

#include <gtest/gtest.h>
#include "core/objects/Factory.h"
#include "support/ObjectTestSupport.h"

using namespace Framework;
using TestSupport::FactoryScope;
using TestSupport::ProbeComponent;

TEST(FactoryIds, LiveObjectsCountFromZeroArchetypesFromHundred)
{
    FactoryScope factory;
    EXPECT_EQ(factory->CreateObject("A", ObjectKind::GameObject)->mId, 0u);
    EXPECT_EQ(factory->CreateObject("B", ObjectKind::GameObject)->mId, 1u);
    Composition* archetype = factory->CreateObject("New_Archetype", ObjectKind::Archetype);
    EXPECT_EQ(archetype->mId, 100u);
    EXPECT_EQ(archetype->mKind, ObjectKind::Archetype);
    EXPECT_EQ(factory->mArchetypes.count(100), 1u);
}

TEST(FactoryIds, CountersSurviveDestroyAllObjects)
{
    FactoryScope factory;
    factory->CreateObject("A", ObjectKind::GameObject);
    factory->CreateObject("B", ObjectKind::GameObject);
    factory->DestroyAllObjects();
    EXPECT_TRUE(factory->mObjects.empty());
    EXPECT_EQ(factory->CreateObject("C", ObjectKind::GameObject)->mId, 2u);
}

TEST(FactoryCreateObject, GivesOneDefaultTransform)
{
    FactoryScope factory;
    Composition* object = factory->CreateObject("X", ObjectKind::GameObject);
    ASSERT_EQ(object->mComponents.size(), 1u);
    auto* transform = object->GetComponent<Transform>();
    ASSERT_NE(transform, nullptr);
    EXPECT_EQ(transform->mPosition, Vec3(0, 0, 0));
    EXPECT_EQ(transform->mRotation, 0.0f);
    EXPECT_EQ(transform->mScale, Vec3(1, 1, 1));
    EXPECT_EQ(object->mKind, ObjectKind::GameObject);
}

TEST(FactoryAddComponent, UnknownNameGivesNullAndLeavesObject)
{
    FactoryScope factory;
    Composition* object = factory->CreateObject("X", ObjectKind::GameObject);
    EXPECT_EQ(factory->AddComponent(object, "Sprite"), nullptr);
    EXPECT_EQ(object->mComponents.size(), 1u);
    Component* probe = factory->AddComponent(object, "Probe");
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->mTypeId, 12);
    EXPECT_EQ(factory->GetComponentName(12), "Probe");
    EXPECT_EQ(factory->GetComponentName(3), "");
}

TEST(FactoryFind, FindObjectPicksTheSmallestIdFindObjectsAll)
{
    FactoryScope factory;
    factory->CreateObject("Other", ObjectKind::GameObject);
    Composition* first = factory->CreateObject("Player", ObjectKind::GameObject);
    Composition* second = factory->CreateObject("Player", ObjectKind::GameObject);
    EXPECT_EQ(factory->FindObject("Player"), first);
    EXPECT_EQ(factory->FindObjects("Player"), (std::vector<Composition*>{first, second}));
    EXPECT_EQ(factory->FindObject("Nobody"), nullptr);

    // Answers are kept between frames, misses too, but never outlive a change
    // of the objects: a creation, a deletion, a rename or a retag.
    first->mTag = second->mTag = 1;
    factory->ObjectsChanged();
    EXPECT_EQ(factory->FirstObjectTagged(1), first);
    EXPECT_EQ(factory->LastObjectTagged(1), second);
    EXPECT_EQ(factory->LastObjectTagged(2), nullptr);
    Composition* late = factory->CreateObject("Nobody", ObjectKind::GameObject);
    late->mTag = 1;
    factory->ObjectsChanged();
    EXPECT_EQ(factory->FindObject("Nobody"), late);
    EXPECT_EQ(factory->LastObjectTagged(1), late);
    factory->mDestroySet.insert(first);
    factory->Update(0.0f);
    EXPECT_EQ(factory->FindObject("Player"), second);
    EXPECT_EQ(factory->FirstObjectTagged(1), second);
    second->mName = "Renamed";
    factory->ObjectsChanged();
    EXPECT_EQ(factory->FindObject("Player"), nullptr);
    EXPECT_EQ(factory->FindObject("Renamed"), second);
    factory->DestroyAllObjects();
    EXPECT_EQ(factory->FindObject("Renamed"), nullptr);
    EXPECT_EQ(factory->LastObjectTagged(1), nullptr);
}

TEST(FactoryArchetypes, AddArchetypeRefusesATakenName)
{
    FactoryScope factory;
    Composition* live = factory->CreateObject("Box", ObjectKind::GameObject);
    EXPECT_TRUE(factory->AddArchetype(*live));
    EXPECT_FALSE(factory->AddArchetype(*live));
    ASSERT_EQ(factory->mArchetypes.size(), 1u);
    Composition* archetype = factory->mArchetypes.begin()->second;
    EXPECT_EQ(archetype->mId, 100u);
    EXPECT_EQ(archetype->mKind, ObjectKind::Archetype);
    EXPECT_EQ(archetype->GetComponent<Transform>()->mOwner, archetype);
}

TEST(FactoryArchetypes, InstantiateMakesAnInitialisedLiveCopy)
{
    FactoryScope factory;
    Composition* archetype = factory->CreateObject("Box", ObjectKind::Archetype);
    factory->AddComponent(archetype, "Probe");
    Composition* copy = factory->Instantiate(archetype);
    ASSERT_NE(copy, archetype);
    EXPECT_EQ(copy->mKind, ObjectKind::GameObject);
    EXPECT_EQ(copy->mId, 0u);
    EXPECT_EQ(factory->mObjects.at(0), copy);
    auto* probe = static_cast<ProbeComponent*>(copy->GetComponent(12));
    ASSERT_NE(probe, nullptr);
    EXPECT_EQ(probe->mOwner, copy);
    EXPECT_EQ(probe->mInitializeCount, 1);
}

TEST(FactoryDestroySet, DeletesOnlyTheQueuedObjectNotOneSharingItsId)
{
    FactoryScope factory;
    // Push the live ids past 100 so a live object and an archetype share id 100.
    factory->mNextObjectId = 100;
    Composition* live = factory->CreateObject("Live", ObjectKind::GameObject);
    Composition* archetype = factory->CreateObject("Arch", ObjectKind::Archetype);
    ASSERT_EQ(live->mId, archetype->mId);
    factory->mDestroySet.insert(archetype);
    factory->Update(0.0f);
    EXPECT_EQ(factory->mObjects.count(100), 1u);
    EXPECT_EQ(factory->mArchetypes.count(100), 1u);
    EXPECT_TRUE(factory->mDestroySet.empty());

    factory->mDestroySet.insert(live);
    factory->Update(0.0f);
    EXPECT_TRUE(factory->mObjects.empty());
}

TEST(FactoryDestroySet, DeletesTheQueuedTileNotTheFirstInItsCell)
{
    FactoryScope factory;
    factory->mTileGrid.Resize(4, 4);
    auto makeTile = [](const char* name)
    {
        auto* tile = new Composition(name);
        tile->mKind = ObjectKind::Tile;
        auto* transform = new Transform();
        transform->mPosition = Vec3(1.5f, 1.5f, -8);
        tile->AddComponent(ComponentType::Transform, transform);
        return tile;
    };
    Composition* first = makeTile("first");
    Composition* second = makeTile("second");
    factory->mTiles.push_back({5, first});
    factory->mTiles.push_back({5, second});
    factory->mDestroySet.insert(second);
    factory->Update(0.0f);
    ASSERT_EQ(factory->mTiles.size(), 1u);
    EXPECT_EQ(factory->mTiles.front().second, first);
    // Deleting every tile forgets a queued one too.
    factory->mDestroySet.insert(first);
    factory->DestroyAllTiles();
    EXPECT_TRUE(factory->mTiles.empty());
    EXPECT_TRUE(factory->mDestroySet.empty());
}

TEST(FactoryDestroySet, AQueuedObjectIsDeletedOnceEvenWhenQueuedTwiceOrFlushed)
{
    FactoryScope factory;
    Composition* object = factory->CreateObject("X", ObjectKind::GameObject);
    int deleted = 0;
    static_cast<ProbeComponent*>(factory->AddComponent(object, "Probe"))->mDeleted = &deleted;
    factory->mDestroySet.insert(object);
    factory->mDestroySet.insert(object);
    factory->Update(0.0f);
    EXPECT_EQ(deleted, 1);
    factory->DestroyAllObjects();
    EXPECT_EQ(deleted, 1);

    // Queued, then deleted with every object: the queue forgets it, or the next
    // Update would delete whatever object was made at its address since.
    object = factory->CreateObject("Y", ObjectKind::GameObject);
    static_cast<ProbeComponent*>(factory->AddComponent(object, "Probe"))->mDeleted = &deleted;
    factory->mDestroySet.insert(object);
    factory->DestroyAllObjects();
    EXPECT_EQ(deleted, 2);
    EXPECT_TRUE(factory->mDestroySet.empty());
    Composition* next = factory->CreateObject("Z", ObjectKind::GameObject);
    factory->Update(0.0f);
    EXPECT_EQ(factory->mObjects.count(next->mId), 1u);
}

TEST(FactoryCreators, ASecondRegistrationReplacesTheFirst)
{
    FactoryScope factory;
    factory->AddComponentCreator("Probe", new ComponentCreatorType<ProbeComponent>(13));
    EXPECT_EQ(factory->GetCreator("Probe")->mTypeId, 13u);
    EXPECT_EQ(factory->GetComponentName(13), "Probe");
}

TEST(ObjectHandles, NameALiveObjectUntilItIsDeletedEvenWhenItsSlotIsReused)
{
    FactoryScope factory;
    Composition* first = factory->CreateObject("First", ObjectKind::GameObject);
    Composition* archetype = factory->CreateObject("Arch", ObjectKind::Archetype);
    ObjectHandle held = ObjectHandle::Of(first);
    EXPECT_EQ(held.Get(), first);
    EXPECT_TRUE(ObjectHandle::IsLive(first));
    // Only live objects have handles: an archetype (and its copies' source) names nothing.
    EXPECT_TRUE(ObjectHandle::Of(archetype).Empty());
    EXPECT_FALSE(ObjectHandle::IsLive(archetype));
    EXPECT_TRUE(ObjectHandle().Empty());

    factory->mDestroySet.insert(first);
    factory->Update(0.0f);
    EXPECT_EQ(held.Get(), nullptr);
    // The next object takes the freed slot; the old handle must not reach it.
    Composition* second = factory->Instantiate(archetype);
    EXPECT_EQ(held.Get(), nullptr);
    EXPECT_NE(ObjectHandle::Of(second), held);
    EXPECT_EQ(ObjectHandle::Of(second).Get(), second);

    ObjectHandle kept = ObjectHandle::Of(second);
    factory->DestroyAllObjects();
    EXPECT_EQ(kept.Get(), nullptr);
}

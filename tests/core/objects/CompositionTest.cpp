#include <gtest/gtest.h>
#include "core/objects/Composition.h"
#include "support/ObjectTestSupport.h"

using namespace Framework;
using TestSupport::ProbeComponent;

namespace
{
ProbeComponent* Probe(int value)
{
    auto* probe = new ProbeComponent();
    probe->mValue = value;
    return probe;
}

std::vector<int32_t> TypeIds(const Composition& object)
{
    std::vector<int32_t> ids;
    for (const Component* c : object.mComponents)
        ids.push_back(c->mTypeId);
    return ids;
}
} // namespace

TEST(CompositionGetComponent, EmptyObjectFindsNothing)
{
    Composition object("Empty");
    EXPECT_EQ(object.GetComponent(1), nullptr);
    EXPECT_EQ(object.GetComponent(0), nullptr);
}

TEST(CompositionGetComponent, BinarySearchFindsExactIdsOnly)
{
    Composition object("Thing");
    Component* four = Probe(4);
    object.AddComponent(4, four);
    object.AddComponent(1, Probe(1));
    object.AddComponent(2, Probe(2));
    EXPECT_EQ(object.GetComponent(3), nullptr);
    EXPECT_EQ(object.GetComponent(4), four);
    EXPECT_EQ(object.GetComponent(5), nullptr);
    EXPECT_EQ(object.GetComponent(-1), nullptr);
    EXPECT_EQ(TypeIds(object), (std::vector<int32_t>{1, 2, 4}));
}

TEST(CompositionGetComponent, TypedAccessorUsesTheClassId)
{
    Composition object("Thing");
    auto* transform = new Transform();
    object.AddComponent(ComponentType::Transform, transform);
    EXPECT_EQ(object.GetComponent<Transform>(), transform);
    EXPECT_EQ(transform->GetOwner(), &object);
}

TEST(CompositionAddComponent, KeepsAscendingTypeOrderAndSetsOwner)
{
    Composition object("Thing");
    object.AddComponent(1, Probe(1));
    object.AddComponent(4, Probe(4));
    ProbeComponent* body = Probe(2);
    object.AddComponent(2, body);
    EXPECT_EQ(TypeIds(object), (std::vector<int32_t>{1, 2, 4}));
    EXPECT_EQ(body->mOwner, &object);
    EXPECT_EQ(body->mTypeId, 2);
}

TEST(CompositionCopy, ClonesRegisteredComponentsAndDropsTheRest)
{
    TestSupport::FactoryScope factory;
    Composition original("Crate");
    original.mTag = ObjectTag::Crate;
    original.mId = 7;
    auto* transform = new Transform();
    transform->mPosition = Vec3(2, 3, 0);
    original.AddComponent(ComponentType::Transform, transform);
    original.AddComponent(ComponentType::Sprite, Probe(99)); // no creator under "Sprite"
    original.AddComponent(12, Probe(5));

    Composition copy(original);
    EXPECT_EQ(copy.mName, "Crate");
    EXPECT_EQ(copy.mTag, ObjectTag::Crate);
    EXPECT_EQ(copy.mId, 7u);
    EXPECT_EQ(TypeIds(copy), (std::vector<int32_t>{1, 12}));
    ASSERT_NE(copy.GetComponent<Transform>(), nullptr);
    EXPECT_NE(copy.GetComponent<Transform>(), transform);
    EXPECT_EQ(copy.GetComponent<Transform>()->mPosition, Vec3(2, 3, 0));
    EXPECT_EQ(static_cast<ProbeComponent*>(copy.GetComponent(12))->mValue, 5);
}

TEST(CompositionRemovePending, EmptySetChangesNothing)
{
    Composition object("Thing");
    object.AddComponent(1, Probe(1));
    object.RemovePendingComponents();
    EXPECT_EQ(object.mComponents.size(), 1u);
}

TEST(CompositionRemovePending, DeletesMarkedComponentsKeepingOrder)
{
    Composition object("Thing");
    int deleted = 0;
    ProbeComponent* middle = Probe(2);
    middle->mDeleted = &deleted;
    object.AddComponent(1, Probe(1));
    object.AddComponent(2, middle);
    object.AddComponent(4, Probe(4));
    ProbeComponent stranger; // not held by the object: never deleted by it
    object.mPendingRemoval.insert(middle);
    object.mPendingRemoval.insert(&stranger);
    object.RemovePendingComponents();
    EXPECT_EQ(deleted, 1);
    EXPECT_EQ(TypeIds(object), (std::vector<int32_t>{1, 4}));
    EXPECT_TRUE(object.mPendingRemoval.empty());
}

TEST(CompositionInitialize, InitializesEveryComponentWithItsOwner)
{
    Composition object("Thing");
    ProbeComponent* a = Probe(1);
    ProbeComponent* b = Probe(2);
    object.AddComponent(1, a);
    object.AddComponent(2, b);
    b->mOwner = nullptr;
    object.Initialize();
    EXPECT_EQ(a->mInitializeCount, 1);
    EXPECT_EQ(b->mInitializeCount, 1);
    EXPECT_EQ(b->mOwner, &object);
}

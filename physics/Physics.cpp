// Physics: construction, the step, detection passes, correction and contact records.
//
// Contents:
//   1. Prefetching the bodies and contacts the step walks
//   2. Hooks of the factory: the pick, live objects, tile bodies
//   3. Construction, Init, Update
//   4. The step: Step, message-only tests, DetectCollisions, PositionalCorrection
//   5. Contact records: adding, finding, removing
//   6. Forgetting bodies: flagged, deleted, hovered
#include "physics/Physics.h"
#include <algorithm>
#include "core/objects/ComponentCreator.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/window/InputSys.h"
#include "core/objects/Transform.h"
#include "physics/Body.h"
#include "physics/BodyList.h"
#include "physics/CollisionDispatch.h"
#include "physics/ObjectAccess.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
Physics* gPhysics = nullptr;

// The pick test of a body's shape (PhysicsPick.cpp), installed into Transform::HitTest.
int BodyShapeHitTest(Component& body, Transform::ShapeTest allowed, const Vec3& start, const Vec3& end, Vec3& hit);

namespace
{
// How far positional correction pushes per step, and the depth it leaves alone.
constexpr float CorrectionPercent = 0.425f;
constexpr float CorrectionSlop = 1e-7f;
// Fast mode runs the simulation half as fast again.
constexpr float FastModeFactor = 1.5f;
// Room for the contacts of a step made once: a list growing in a later step,
// when a level first holds more contacts than ever before, would allocate in
// the middle of play. Every level of the game stays far below these.
constexpr size_t ContactsReserved = 1024;
constexpr size_t PlayerContactsReserved = 64;

// ---- 1. Prefetching the bodies and contacts the step walks ------------------
// The loops of the step walk bodies that lie all over the heap, far more than
// the cache holds: each asks ahead for the body of a later iteration, then,
// once that has arrived, for the parts the body points to.
constexpr size_t BodyAhead = 8;
constexpr size_t PartsAhead = 4;

void PrefetchBody(const Body* body)
{
    const char* bytes = reinterpret_cast<const char*>(body);
    __builtin_prefetch(bytes);
    __builtin_prefetch(bytes + 64);
    __builtin_prefetch(bytes + 128);
}

void PrefetchParts(const Body* body)
{
    __builtin_prefetch(body->mShape);
    __builtin_prefetch(body->mTransform);
}

void PrefetchBodies(const std::vector<Body*>& bodies, size_t i)
{
    if (i + BodyAhead < bodies.size())
        PrefetchBody(bodies[i + BodyAhead]);
    if (i + PartsAhead < bodies.size())
        PrefetchParts(bodies[i + PartsAhead]);
}

// withShapes: the loop reads the shapes too (only Initialize does).
void PrefetchContacts(const std::vector<Manifold>& contacts, size_t i, bool withShapes)
{
    if (i + BodyAhead < contacts.size())
    {
        PrefetchBody(contacts[i + BodyAhead].A);
        PrefetchBody(contacts[i + BodyAhead].B);
    }
    if (withShapes && i + PartsAhead < contacts.size())
    {
        __builtin_prefetch(contacts[i + PartsAhead].A->mShape);
        __builtin_prefetch(contacts[i + PartsAhead].B->mShape);
    }
}

// ---- 2. Hooks of the factory ------------------------------------------------
// Picking and dragging must not keep an object past its deletion.
void ForgetIfPicked(Composition* object)
{
    if (gPhysics && gPhysics->HoverObject() == object)
        gPhysics->ForgetHoverObject();
}

// Every live object is about to be deleted: their bodies leave the lists in
// one pass per list (one by one, by their destructors, they would cost objects
// x bodies), and the pick goes with them.
void ForgetLiveObjects(GameObjectFactory& factory)
{
    if (!gPhysics)
        return;
    bool flagged = false;
    for (auto& entry : factory.mObjects)
        if (Body* body = entry.second ? entry.second->GetComponent<Body>() : nullptr)
            flagged = body->mForgotten = true;
    if (ObjectHandle::IsLive(gPhysics->HoverObject()))
        gPhysics->ForgetHoverObject();
    if (flagged)
        gPhysics->ForgetFlaggedBodies();
}

// The tile bodies go with the factory's tiles.
void ClearTileBodies()
{
    if (gSpatialGrid)
        gSpatialGrid->Clear();
}
} // namespace

// ---- 3. Construction, Init, Update ------------------------------------------
Physics::Physics()
{
    Log("Physics Constructed");
    if (gPhysics)
        Log("Physics Constructed Twiced");
    mContacts.reserve(ContactsReserved);
    mPlayerContacts.reserve(PlayerContactsReserved);
    mGrid = new SpatialGrid();
    gSpatialGrid = mGrid;
    gPhysics = this;
    Transform::sBodyShapeTest = BodyShapeHitTest;
    GameObjectFactory::sDeletingObject = ForgetIfPicked;
    GameObjectFactory::sTilesDeleted = ClearTileBodies;
    GameObjectFactory::sDeletingAllObjects = ForgetLiveObjects;
    TileGrid::sBodies = mGrid; // the tiles' bodies live in its broad phase
}

Physics::~Physics()
{
    // Tile bodies left by a run that never flushed its level go with the grid.
    SpatialGrid* previousGrid = gSpatialGrid;
    Physics* previousPhysics = gPhysics;
    gSpatialGrid = mGrid;
    gPhysics = this;
    mGrid->Clear();
    if (TileGrid::sBodies == mGrid)
        TileGrid::sBodies = nullptr;
    delete mGrid;
    gSpatialGrid = previousGrid == mGrid ? nullptr : previousGrid;
    gPhysics = previousPhysics == this ? nullptr : previousPhysics;
    mGrid = nullptr;
}

void Physics::Init()
{
    Log("Physics Initialize");
    if (!gFactory)
        return;
    gFactory->AddComponentCreator("Body", new ComponentCreatorType<Body>(ComponentType::Body));
    gFactory->AddComponentCreator("Circle", new ComponentCreatorType<ShapeCircle>(ComponentType::Circle));
    gFactory->AddComponentCreator("OBB", new ComponentCreatorType<ShapeOBB>(ComponentType::OBB));
}

void Physics::Update(float dt)
{
    if (mFastMode)
        dt *= FastModeFactor;
    Step(dt);
}

// ---- 4. The step ------------------------------------------------------------
void Physics::Step(float dt)
{
    if (gInput && gInput->mState.IsTriggered(VK_F1))
        mRunning = !mRunning;
    if (gInput && gInput->mState.IsTriggered(VK_F2))
        mDebugDrawMode = mDebugDrawMode >= NoDebugDraw ? 0 : mDebugDrawMode + 1;

    // Index loops that re-read the sizes: message handlers may add or remove
    // bodies and contacts while the step runs.
    if (mRunning)
    {
        for (size_t i = 0; i < mObjectBodies.size(); ++i)
            mObjectBodies[i]->mUseGravity = true;
        if (mPairCallbacks.mStepBegins)
            mPairCallbacks.mStepBegins(mPairCallbacks.mContext);
        mContacts.clear();
        mPlayerContacts.clear();
        ForgetContactPairs();

        DetectCollisions();

        for (size_t i = 0; i < mDynamicBodies.size(); ++i)
        {
            PrefetchBodies(mDynamicBodies, i);
            mDynamicBodies[i]->IntegrateForces(dt);
        }
        for (size_t i = 0; i < mContacts.size(); ++i)
        {
            PrefetchContacts(mContacts, i, true);
            mContacts[i].Initialize();
        }
        for (size_t i = 0; i < mContacts.size(); ++i)
        {
            PrefetchContacts(mContacts, i, false);
            mContacts[i].ApplyImpulse();
        }
        for (size_t i = 0; i < mDynamicBodies.size(); ++i)
        {
            PrefetchBodies(mDynamicBodies, i);
            mDynamicBodies[i]->IntegrateVelocity(dt);
        }
        PositionalCorrection();
        for (size_t i = 0; i < mDynamicBodies.size(); ++i)
        {
            mDynamicBodies[i]->mForce = Vec3(0.0f);
            mDynamicBodies[i]->mTorque = 0.0f;
        }
    }

    for (size_t i = 0; i < mDynamicBodies.size(); ++i)
        mDynamicBodies[i]->SyncTransform();
    if (mDebugDrawMode != NoDebugDraw)
        DebugDraw();
}

void Physics::TestMessageOnly(Body* a, Body* b)
{
    Manifold manifold(a, b);
    Collide(manifold);
    if (manifold.mContactCount == 0)
        return;
    Composition* objectA = OwnerOf(a);
    Composition* objectB = OwnerOf(b);
    CollisionMessage toA(objectB);
    SendToComponents(objectA, &toA);
    CollisionMessage toB(objectA);
    SendToComponents(objectB, &toB);
}

void Physics::DetectCollisions()
{
    if (mPlayerBody && mPlayerBody->mShape)
    {
        for (size_t i = 0; i < mPlayerTestBodies.size() && mPlayerBody && mPlayerBody->mShape; ++i)
        {
            Body* body = mPlayerTestBodies[i];
            if (body && body->mShape)
                TestMessageOnly(mPlayerBody, body);
        }
    }

    for (size_t i = 0; i < mPairTestBodies.size(); ++i)
    {
        for (size_t j = 0; j < mPairTestBodies.size() && i < mPairTestBodies.size(); ++j)
        {
            Body* a = mPairTestBodies[i];
            Body* b = mPairTestBodies[j];
            if (!a || !b || a == b || !a->mShape || !b->mShape)
                continue;
            Composition* objectA = OwnerOf(a);
            Composition* objectB = OwnerOf(b);
            if (!objectA || !objectB || TagOf(objectA) == TagOf(objectB))
                continue;
            TestMessageOnly(a, b);
        }
    }

    if (!gSpatialGrid)
        return;
    // Every cell, column by column and row by row within a column.
    gSpatialGrid->BeginPass();
    gSpatialGrid->CheckAllCells();
    gSpatialGrid->EndPass();
}

void Physics::PositionalCorrection()
{
    for (size_t i = 0; i < mContacts.size(); ++i)
    {
        PrefetchContacts(mContacts, i, false);
        const Manifold& m = mContacts[i];
        const float inverseMassSum = m.A->mInverseMass + m.B->mInverseMass;
        if (inverseMassSum == 0.0f)
            continue;
        const float depth = m.mPenetration - CorrectionSlop > 0.0f ? m.mPenetration - CorrectionSlop : 0.0f;
        const float c = depth / inverseMassSum * CorrectionPercent;
        const float cx = c * m.mNormal.x;
        const float cy = c * m.mNormal.y;
        m.A->mPosition.x -= cx * m.A->mInverseMass;
        m.A->mPosition.y -= cy * m.A->mInverseMass;
        m.B->mPosition.x += cx * m.B->mInverseMass;
        m.B->mPosition.y += cy * m.B->mInverseMass;
    }
}

// ---- 5. Contact records -----------------------------------------------------
void Physics::AddContact(const Manifold& manifold)
{
    mContacts.push_back(manifold);
    manifold.A->mContactStep = mContactStep;
    manifold.B->mContactStep = mContactStep;
    if (mContactPairsFilled)
        mContactPairs.Add(manifold.A, manifold.B);
}

bool Physics::HasContact(const Body* a, const Body* b) const
{
    if (!mContactPairsFilled)
    {
        mContactPairs.Clear();
        for (const Manifold& m : mContacts)
            mContactPairs.Add(m.A, m.B);
        mContactPairsFilled = true;
    }
    return mContactPairs.Contains(a, b);
}

bool Physics::MayHaveContact(const Body* a, const Body* b) const
{
    return a->mContactStep == mContactStep && b->mContactStep == mContactStep;
}

void Physics::ForgetContactPairs()
{
    mContactPairs.Clear();
    mContactPairsFilled = false;
    // A body of a record of the step before must not look recorded in this one.
    if (++mContactStep == 0)
    {
        for (Body* body : mBodies)
            body->mContactStep = 0;
        mContactStep = 1;
    }
}

void Physics::RemoveContact(Body* a, Body* b)
{
    RemoveContactRecords(a, b, false);
    RemoveContactRecords(b, a, false);
}

size_t Physics::RemoveContactRecords(const Body* first, const Body* second, bool all)
{
    size_t removed = 0;
    for (size_t i = 0; i < mContacts.size();)
    {
        if (mContacts[i].A == first && mContacts[i].B == second)
        {
            mContacts.erase(mContacts.begin() + static_cast<std::ptrdiff_t>(i));
            if (mContactPairsFilled)
                mContactPairs.Remove(first, second);
            ++removed;
            if (!all)
                break;
        }
        else
        {
            ++i;
        }
    }
    return removed;
}

// ---- 6. Forgetting bodies ---------------------------------------------------
void Physics::ForgetFlaggedBodies()
{
    const auto flagged = [](Body* body)
    {
        if (!body || !body->mForgotten)
            return false;
        body->mListedIn = 0;
        return true;
    };
    for (std::vector<Body*>* list : {&mArchetypeBodies, &mDynamicBodies, &mActiveBodies, &mBodies, &mObjectBodies,
                                     &mInteractableBodies, &mPlayerTestBodies, &mPairTestBodies})
        list->erase(std::remove_if(list->begin(), list->end(), flagged), list->end());
    for (size_t i = mContacts.size(); i-- > 0;)
    {
        if (flagged(mContacts[i].A) || flagged(mContacts[i].B))
        {
            if (mContactPairsFilled)
                mContactPairs.Remove(mContacts[i].A, mContacts[i].B);
            mContacts.erase(mContacts.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    mPlayerContacts.erase(std::remove_if(mPlayerContacts.begin(), mPlayerContacts.end(),
                                         [&](const Manifold& m) { return flagged(m.A) || flagged(m.B); }),
                          mPlayerContacts.end());
    if (flagged(mPlayerBody))
        mPlayerBody = nullptr;
}

void Physics::ForgetBody(Body* body)
{
    if (!body)
        return;
    // Each list is searched only if the body entered it.
    UnlistBody(mArchetypeBodies, body, BodyListBit::Archetypes);
    UnlistBody(mDynamicBodies, body, BodyListBit::Dynamic);
    UnlistBody(mActiveBodies, body, BodyListBit::Active);
    UnlistBody(mBodies, body, BodyListBit::All);
    UnlistBody(mObjectBodies, body, BodyListBit::Objects);
    UnlistBody(mInteractableBodies, body, BodyListBit::Interactable);
    RemoveEvery(mPlayerTestBodies, body);
    RemoveEvery(mPairTestBodies, body);
    for (size_t i = mContacts.size(); i-- > 0;)
    {
        if (mContacts[i].A == body || mContacts[i].B == body)
        {
            if (mContactPairsFilled)
                mContactPairs.Remove(mContacts[i].A, mContacts[i].B);
            mContacts.erase(mContacts.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
    for (size_t i = mPlayerContacts.size(); i-- > 0;)
        if (mPlayerContacts[i].A == body || mPlayerContacts[i].B == body)
            mPlayerContacts.erase(mPlayerContacts.begin() + static_cast<std::ptrdiff_t>(i));
    if (mPlayerBody == body)
        mPlayerBody = nullptr;
    // The hovered or dragged object loses its body (or is being deleted).
    if (HoverObject() && body->mOwner == HoverObject())
        ForgetHoverObject();
}

void Physics::ForgetHoverObject()
{
    SetHoverObject(nullptr);
    mDragging = false;
    mDragBlocked = false;
}
} // namespace Framework

// SpatialGrid::TestPair: the pair test, the contact record and the collision
// messages. Which pairs meet, and what a contact means to the game, are the
// game's: it sets the pair callbacks on the physics system.
#include "core/objects/Composition.h"
#include "physics/Body.h"
#include "physics/CollisionDispatch.h"
#include "physics/ObjectAccess.h"
#include "physics/Physics.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
bool SpatialGrid::SkippedByGrid(const Body* a, const Body* b)
{
    if (!a || !b || !a->mShape || !b->mShape || a == b)
        return true;
    if (a->mStatic && b->mStatic)
        return true;
    return !a->mCollide || !b->mCollide;
}

bool SpatialGrid::Skipped(Body* a, Body* b) const
{
    if (SkippedByGrid(a, b))
        return true;
    const PairCallbacks* callbacks = gPhysics ? &gPhysics->GetPairCallbacks() : nullptr;
    return callbacks && callbacks->mSkipPair && callbacks->mSkipPair(callbacks->mContext, a, b);
}

void SpatialGrid::TestPair(Body* a, Body* b)
{
    if (Skipped(a, b))
        return;

    Manifold manifold(a, b);
    Collide(manifold);
    if (manifold.mContactCount == 0)
        return;

    // Of two interactable bodies, the upper one rests on the lower: no gravity.
    if (a->mInteractable && b->mInteractable)
    {
        if (a->mPosition.y >= b->mPosition.y)
            a->mUseGravity = false;
        if (b->mPosition.y >= a->mPosition.y)
            b->mUseGravity = false;
    }

    // A body present in several cells meets the same partner more than once.
    const bool alreadyRecorded =
        gPhysics && gPhysics->MayHaveContact(a, b) && (Spreads(a) || Spreads(b)) && gPhysics->HasContact(a, b);
    if (!alreadyRecorded && gPhysics)
    {
        Body* hovered = gPhysics->HoverObject() ? gPhysics->HoverObject()->GetComponent<Body>() : nullptr;
        if (hovered && ((a->mStatic && b == hovered) || (b->mStatic && a == hovered)))
            gPhysics->mDragBlocked = true;
        gPhysics->AddContact(manifold);
    }

    Composition* objectA = OwnerOf(a);
    Composition* objectB = OwnerOf(b);
    if (!objectA || !objectB)
        return;
    const bool playerPair = HasTag(a, ObjectTag::Player) || HasTag(b, ObjectTag::Player);
    if (!alreadyRecorded && playerPair && gPhysics)
        gPhysics->mPlayerContacts.push_back(manifold);
    // Before resolution, so a handler may RemoveContact what it handles itself.
    CollisionMessage toA(objectB);
    SendToComponents(objectA, &toA);
    CollisionMessage toB(objectA);
    SendToComponents(objectB, &toB);

    if (gPhysics)
        if (const PairCallbacks& callbacks = gPhysics->GetPairCallbacks(); callbacks.mContact)
            callbacks.mContact(callbacks.mContext, a, b);
}
} // namespace Framework

// The 2D rigid-body simulation of the level: body lists, the step, contacts,
// debug drawing and picking.
#pragma once
#include <cstdint>
#include <vector>
#include "core/math/MathTypes.h"
#include "core/engine/System.h"
#include "core/objects/ObjectHandle.h"
#include "physics/ContactPairs.h"
#include "physics/LevelTimer.h"
#include "physics/Manifold.h"
#include "physics/PairCallbacks.h"

namespace Framework
{
class Composition;
class Body;
class SpatialGrid;

class Physics : public System
{
public:
    static constexpr float DefaultGravityY = -40.0f;
    static constexpr uint32_t NoDebugDraw = 4; // the last debug drawing mode: draws nothing

    Physics();
    ~Physics() override;
    // One step, of dt x 1.5 in fast mode.
    void Update(float dt) override;
    // Registers the Body, Circle and OBB creators.
    void Init() override;
    std::string GetName() override { return "PhysicsSystem"; }
    void SendMessage(Message*) override {}

    void Step(float dt);
    void DetectCollisions();
    void PositionalCorrection();
    void DebugDraw();
    // The object under a world point, nearest first; null for none. Sets
    // mPickHitAny and mPickHitInteractable.
    Composition* PickObject(const Vec3& point);
    // Keeps the contact of (a, b), then that of (b, a), from being resolved.
    void RemoveContact(Body* a, Body* b);
    // Takes the first record whose bodies are (first, second) in this order, or
    // every such record when all is set, out of this step's contacts; the rest
    // keep their order. Returns how many went. Scripts remove records only
    // through here so that the pair counts stay in step with mContacts.
    size_t RemoveContactRecords(const Body* first, const Body* second, bool all);

    // Appends a contact record of this step.
    void AddContact(const Manifold& manifold);
    // Whether this step has a record of (a, b) or (b, a).
    bool HasContact(const Body* a, const Body* b) const;
    // False when (a, b) surely has no record this step; true when it may have one.
    bool MayHaveContact(const Body* a, const Body* b) const;
    // A body about to be deleted leaves every list and every contact record.
    void ForgetBody(Body* body);
    // No object is hovered or dragged any more (the one there was is going away).
    void ForgetHoverObject();
    // The same for every body flagged mForgotten, in one pass over each list.
    void ForgetFlaggedBodies();

    // The game's pair filter, contact and step callbacks (replacing any set).
    void SetPairCallbacks(const PairCallbacks& callbacks) { mPairCallbacks = callbacks; }
    // Takes them off, when they were set with this context.
    void ClearPairCallbacks(const void* context)
    {
        if (mPairCallbacks.mContext == context)
            mPairCallbacks = PairCallbacks();
    }
    const PairCallbacks& GetPairCallbacks() const { return mPairCallbacks; }

    Vec2 mGravity{0.0f, DefaultGravityY};
    Vec2 mDefaultGravity{0.0f, DefaultGravityY};
    bool mRunning = false;
    std::vector<Body*> mArchetypeBodies; // bodies of archetypes; never simulated
    std::vector<Body*> mDynamicBodies;   // mass at least 1e-11: integrated and synced
    std::vector<Body*> mActiveBodies;    // bodies of live objects
    std::vector<Body*> mBodies;          // live, tile-object and grid tile bodies
    // The bodies of mBodies that belong to objects: the only ones whose gravity
    // flag can be cleared (grid tile bodies are never interactable).
    std::vector<Body*> mObjectBodies;
    std::vector<Body*> mInteractableBodies; // live bodies with Interactable set
    std::vector<Body*> mPlayerTestBodies;   // AirCon bodies: tested against the player only
    std::vector<Body*> mPairTestBodies;     // Border and People bodies: tested with each other
    std::vector<Manifold> mContacts;        // this step's contacts, resolved by the step
    std::vector<Manifold> mPlayerContacts;  // copies of new contacts of the player (debug drawing)
    // What the last pick hit besides its nearest object: any object, and any
    // whose body is interactable (the game points its cursor at them).
    bool mPickHitAny = false;
    bool mPickHitInteractable = false;
    // The object under the mouse, picked or dragged; null once it is gone
    // (held by handle: a level flush or an editor delete may free it).
    Composition* HoverObject() const { return mHover.Get(); }
    void SetHoverObject(const Composition* object) { mHover.Set(object); }
    ObjectHandle mHover;
    Vec3 mLastMousePosition{0.0f}; // the game logic's dragging
    bool mDragging = false;        // the hovered body is dragged: integration leaves it alone
    bool mFastMode = false;
    Body* mPlayerBody = nullptr;
    bool mDragBlocked = false; // the dragged body touched a static one
    LevelTimer mLevelTimer;
    uint32_t mDebugDrawMode = NoDebugDraw; // 0..3 draw, 4 draws nothing

private:
    // The player against each AirCon body, then the Border and People bodies
    // against each other: messages only, no contact is kept.
    void TestMessageOnly(Body* a, Body* b);
    void DrawBody(const Body* body, bool heading);

    // Records per body pair in mContacts. Only a body larger than a cell ever asks,
    // so the table is filled on the first question of a step and kept up to date
    // from then on; a step in which no one asks never touches it.
    mutable ContactPairs mContactPairs;
    mutable bool mContactPairsFilled = false;
    // Counts the steps' contact lists; never 0, which no body starts with.
    uint32_t mContactStep = 1;
    void ForgetContactPairs();
    SpatialGrid* mGrid = nullptr; // owned; also reached through gSpatialGrid
    PairCallbacks mPairCallbacks; // set by the game; none until then
};

extern Physics* gPhysics;
} // namespace Framework

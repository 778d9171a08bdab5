// The game's collision rules by ObjectTag: pairs that never meet, the
// see-through false walls and the win message. The filter only answers; the
// false walls' fade and the apple's per-step flags are set as a step begins.
#include "gameplay/CollisionRules.h"
#include "core/engine/Message.h"
#include "core/objects/Factory.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/BasicPlayerMovement.h"
#include "gameplay/scripts/Player.h"
#include "graphics/Renderer.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"
#include "physics/ObjectAccess.h"
#include "physics/Physics.h"
#include "physics/ShapeCircle.h"
#include "physics/ShapeOBB.h"
#include "physics/SpatialGrid.h"
#include <vector>

namespace Framework
{
namespace
{
// Below this the player drops onto a slope tile instead of passing through it.
constexpr float SlopePassSpeed = -1.0f;
// A false tile turns see-through when the player's feet are below its top.
constexpr float FeetBelowCentre = 0.75f;
constexpr float FalseTileTopInset = 0.15f;
constexpr float SeeThroughAlpha = 0.4f;

// Tags that one of the rules before the narrow phase tests on its own object.
bool IsRuleTag(uint32_t tag)
{
    return tag == ObjectTag::Player || tag == ObjectTag::FakeTile || tag == ObjectTag::JumpTrigger ||
           tag == ObjectTag::Switch;
}

bool IsFallingSlope(uint32_t kind) { return kind == 6 || kind == 7; }
bool IsRisingSlope(uint32_t kind) { return kind == 4 || kind == 5; }

// The alpha of the object's Renderer; false when it has none.
bool GetAlpha(Composition* object, float& alpha)
{
    const Renderer* renderer = object ? object->GetComponent<Renderer>() : nullptr;
    if (renderer)
        alpha = renderer->mAlpha;
    return renderer != nullptr;
}

void SetAlpha(Composition* object, float alpha)
{
    if (Renderer* renderer = object ? object->GetComponent<Renderer>() : nullptr)
        renderer->mAlpha = alpha;
}

// What the rules read of the apple's script. Content may tag an object Player
// and give it either apple script (the level's or the menu's), another script
// or none: each question goes through a checked downcast, and reads false
// without an apple script.
bool HasPlayerScript(const Composition* object)
{
    return ScriptOf<Player>(object) || ScriptOf<BasicPlayerMovement>(object);
}
bool IsFacingRight(const Composition* object)
{
    if (const Player* player = ScriptOf<Player>(object))
        return player->mPlayerRight;
    const BasicPlayerMovement* menu = ScriptOf<BasicPlayerMovement>(object);
    return menu && menu->mPlayerRight;
}
bool IsMoving(const Composition* object)
{
    if (const Player* player = ScriptOf<Player>(object))
        return player->mPlayerMoving;
    const BasicPlayerMovement* menu = ScriptOf<BasicPlayerMovement>(object);
    return menu && menu->mPlayerMoving;
}
bool IsImmune(const Composition* object)
{
    const Player* player = ScriptOf<Player>(object);
    return player && player->mImmune;
}

// The player passes up through a slope it moves along (from below or beside).
bool PassesSlope(Body* player, Body* tile)
{
    if (!HasTag(player, ObjectTag::Player))
        return false;
    Composition* object = OwnerOf(player);
    if (!HasPlayerScript(object))
        return false;
    const bool facingRight = IsFacingRight(object);
    const bool slopeAhead =
        (IsFallingSlope(tile->mTileType) && facingRight) || (IsRisingSlope(tile->mTileType) && !facingRight);
    return slopeAhead && player->mVelocity.y > SlopePassSpeed;
}

bool HidesFromInteractable(Body* interactable, Body* other)
{
    if (!interactable->mInteractable || !HasTag(other, ObjectTag::FakeTile))
        return false;
    float alpha = 1.0f;
    return GetAlpha(OwnerOf(other), alpha) && alpha < 1.0f;
}

bool IsStillPlayerAgainstInteractable(Body* player, Body* other)
{
    if (!gPhysics || player != gPhysics->mPlayerBody || !other->mInteractable)
        return false;
    return !IsMoving(OwnerOf(player));
}

bool IsImmunePlayerAgainstEnemy(Body* player, Body* other)
{
    if (!gPhysics || player != gPhysics->mPlayerBody)
        return false;
    const uint32_t tag = other->GetTag();
    if (!OwnerOf(other) || (tag != ObjectTag::Roach && tag != ObjectTag::Rat && tag != ObjectTag::Icicle))
        return false;
    return IsImmune(OwnerOf(player));
}

bool IsJumpTriggerAgainstInteractable(Body* trigger, Body* other)
{
    return HasTag(trigger, ObjectTag::JumpTrigger) && other->mInteractable;
}

// A switch meets only rats and object-less (tile) bodies.
bool SwitchIgnores(Body* a, Body* b)
{
    for (int side = 0; side < 2; ++side)
    {
        Body* sw = side == 0 ? a : b;
        Body* other = side == 0 ? b : a;
        if (HasTag(sw, ObjectTag::Switch) && OwnerOf(other) && !HasTag(other, ObjectTag::Rat))
            return true;
    }
    return false;
}

void SendWin()
{
    if (!gFactory || !gPhysics)
        return;
    Composition* human = gFactory->FindObject("HumanWin");
    if (!human)
        return;
    if (gPhysics->mLevelTimer.mFinalTime == 0.0f)
        gPhysics->mLevelTimer.mFinalTime = gPhysics->mLevelTimer.mRunningTime;
    gPhysics->mFastMode = false;
    if (Component* behaviour = human->GetComponent(ComponentType::Behaviour))
    {
        WinMessage win;
        win.mWin = true;
        behaviour->SendMessage(&win);
    }
}

// The see-through rule of false tiles for (x, y): true when y must let x pass
// (the player x's feet are below the top of the false tile y).
bool SeeThrough(Body* x, Body* y)
{
    if (!HasTag(x, ObjectTag::Player) || !HasTag(y, ObjectTag::FakeTile) || !y->mShape)
        return false;
    const float secondSize = y->mShape->mShapeType == ShapeType::Circle
                                 ? static_cast<ShapeCircle*>(y->mShape)->mWorldRadius
                                 : static_cast<ShapeOBB*>(y->mShape)->HalfLength.y;
    const float top = y->mPosition.y + y->mShape->Offset.y + y->GetScale().y * secondSize * 0.5f - FalseTileTopInset;
    const float offsetY = x->mShape ? x->mShape->Offset.y : 0.0f;
    const float feet = x->mPosition.y - FeetBelowCentre + offsetY;
    return top > feet;
}

// A false tile the player is near shows whether it lets the player pass:
// see-through while the player's feet are below its top, solid otherwise.
// Only false tiles the step's pair tests meet with a player change; the rest
// keep their look. Interactable bodies pass a see-through one.
void FadeFalseTiles(const std::vector<Body*>& bodies)
{
    for (Body* player : bodies)
    {
        if (!HasTag(player, ObjectTag::Player))
            continue;
        for (Body* tile : bodies)
            if (HasTag(tile, ObjectTag::FakeTile) && gSpatialGrid && gSpatialGrid->FilterWillSee(player, tile))
                SetAlpha(OwnerOf(tile), SeeThrough(player, tile) ? SeeThroughAlpha : 1.0f);
    }
}

// Whether one of the rules keeps the pair out of the narrow phase this step.
bool SkippedByRules(void*, Body* a, Body* b)
{
    // Most pairs hold no object with a tag the rules look at and not the player:
    // they skip straight past the rules.
    // The player test first: it needs no trip to the owners.
    const Body* player = gPhysics ? gPhysics->mPlayerBody : nullptr;
    const bool playerInvolved = a == player || b == player;
    if (!playerInvolved && !IsRuleTag(TagOf(a)) && !IsRuleTag(TagOf(b)))
        return false;
    if (PassesSlope(a, b) || PassesSlope(b, a))
        return true;
    if (SeeThrough(a, b) || SeeThrough(b, a))
        return true;
    if (HidesFromInteractable(a, b) || HidesFromInteractable(b, a))
        return true;
    if (IsStillPlayerAgainstInteractable(a, b) || IsStillPlayerAgainstInteractable(b, a))
        return true;
    if (IsImmunePlayerAgainstEnemy(a, b) || IsImmunePlayerAgainstEnemy(b, a))
        return true;
    if (IsJumpTriggerAgainstInteractable(a, b) || IsJumpTriggerAgainstInteractable(b, a))
        return true;
    return SwitchIgnores(a, b);
}

// Told of every pair in contact: the apple at the goal wins the level.
void OnContact(void*, Body* a, Body* b)
{
    const bool goalPair = (HasTag(a, ObjectTag::Player) && HasTag(b, ObjectTag::Goal)) ||
                          (HasTag(a, ObjectTag::Goal) && HasTag(b, ObjectTag::Player));
    if (goalPair)
        SendWin();
}

// As a running step begins: the apple's air-stream flags are of one step (its
// contacts in the step set them again), and the false walls near a player
// take the look the step's pair tests will go by.
void OnStepBegins(void*)
{
    if (!gPhysics)
        return;
    if (Player* player = ScriptOf<Player>(OwnerOf(gPhysics->mPlayerBody)))
    {
        player->mLiftFromBelow = false;
        player->mInStream = false;
    }
    FadeFalseTiles(gPhysics->mObjectBodies);
}
} // namespace

void InstallCollisionRules(void* owner)
{
    if (!gPhysics)
        return;
    PairCallbacks rules;
    rules.mSkipPair = SkippedByRules;
    rules.mContact = OnContact;
    rules.mStepBegins = OnStepBegins;
    rules.mContext = owner;
    gPhysics->SetPairCallbacks(rules);
}

void RemoveCollisionRules(void* owner)
{
    if (gPhysics)
        gPhysics->ClearPairCallbacks(owner);
}
} // namespace Framework

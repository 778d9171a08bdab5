// An icicle (tag Icicle) under the ceiling: it grows 0.9 units down from its
// place, hangs still, falls when the apple passes 3 to 6 units beneath it
// within one unit either side of its box, and starts over at its place when
// it lands on a tile or touches an interactable body ("IcicleLand"). Key N
// switches the growing off and on (a cheat for testing levels). The object
// wants a Body with a box shape (the trigger range follows the box's offset)
// and a mass above zero in the file, so the physics moves it (the script then
// manages the mass itself), and an AudioComponent; the apple is the last
// object tagged Player.
#pragma once
#include <cstdint>
#include "core/math/MathTypes.h"
#include "core/objects/ObjectHandle.h"
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Body;
class Composition;
class Transform;

class IcicleScript : public ScriptBase
{
public:
    IcicleScript() : ScriptBase("IcicleScript") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;
    // Back to the start, growing again.
    void Reset(Behaviour* owner);

    static constexpr float GrowDistance = 0.9f;
    static constexpr float TriggerHalfWidth = 1.0f; // the x range either side of the box centre
    static constexpr float TriggerNear = 3.0f;      // the apple must be more than this below
    static constexpr float TriggerFar = 6.0f;       // and less than this below
    static constexpr float FallSpeed = -5.0f;

    bool mGenerating = false;  // "Generating": growing down from the start
    bool mFalling = false;     // "falling"
    bool mStatic = false;      // "Static": fully grown, waiting for the apple
    float mIcicleTimer = 0.0f; // "IcicleTimer": counts down; nothing reads it
    float mGrowDistance = 0.0f;
    float mMinX = 0.0f;        // "Min": left end of the trigger range
    float mMaxX = 0.0f;        // "Max": right end of the trigger range
    Vec3 mStartPosition{0.0f}; // the Transform position at Init
    ObjectHandle mPlayer;      // the apple, found on the first Update; null once it is gone

private:
    // Update's three states: growing, hanging until the apple passes, falling.
    void Grow(Body* body, const Transform* transform);
    void WaitForApple(Body* body, const Transform* transform);
    void Fall(Composition* object, Body* body, uint32_t tiles);
};
} // namespace Framework

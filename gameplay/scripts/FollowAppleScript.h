// The follow-apple effect ("FollowAppleScript", script 29): a small effect
// object that waits invisible just above the apple and, when the apple
// reports a landing or a turn, plays "AppleLand" or "AppleChangeDirAni" once
// at that spot. Needs a Transform, a Renderer on a sheet of at least 44
// frames and an Animator on its own object, and an object tagged Player
// carrying the Player script; without them it does nothing.
#pragma once
#include "core/math/MathTypes.h"
#include "core/objects/ObjectHandle.h"
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Composition;

class FollowAppleScript : public ScriptBase
{
public:
    FollowAppleScript() : ScriptBase("FollowAppleScript") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;

    // The apple: it may be deleted (an editor edit) while this one lives.
    ObjectHandle mPlayer;
    Vec2 mOffset{0.0f, 0.7f}; // the effect's place relative to the apple
};
} // namespace Framework

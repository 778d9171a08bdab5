#include "gameplay/scripts/FollowAppleScript.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/AppleRules.h"
#include "gameplay/scripts/ScriptQueries.h"
#include "gameplay/scripts/Player.h"
#include "graphics/Animator.h"
#include "graphics/Renderer.h"

namespace Framework
{
namespace
{
constexpr int32_t HiddenFrame = 43;  // a blank frame of the effect sheet
constexpr unsigned EffectFrame = 29; // where both effect animations start
constexpr int LandFps = 18;
constexpr int TurnFps = 15;

void Play(Animator* animator, Renderer* renderer, const char* name, int fps)
{
    animator->SetAnimation(EffectFrame, name);
    renderer->mInvisible = false;
    animator->SetFPS(fps);
    animator->mLoop = false;
    animator->mPlaying = true;
}
} // namespace

void FollowAppleScript::Init(Behaviour* owner)
{
    Composition* object = owner ? owner->GetOwner() : nullptr;
    if (Renderer* renderer = object ? object->GetComponent<Renderer>() : nullptr)
        renderer->mIndex = HiddenFrame;
    mOffset = Vec2(0.0f, 0.7f);
}

void FollowAppleScript::Update(Behaviour* owner, float)
{
    Composition* object = owner ? owner->GetOwner() : nullptr;
    if (!object)
        return;
    Composition* player = mPlayer.Get();
    if (!player)
    {
        player = LastObjectTagged(ObjectTag::Player);
        if (!player)
            return;
        mPlayer.Set(player);
    }
    Player* apple = ScriptOf<Player>(player);
    const Transform* appleTransform = player->GetComponent<Transform>();
    Transform* transform = object->GetComponent<Transform>();
    Renderer* renderer = object->GetComponent<Renderer>();
    Animator* animator = object->GetComponent<Animator>();
    if (!apple || !appleTransform || !transform || !renderer || !animator)
        return;
    const Vec3 target = appleTransform->mPosition + Vec3(mOffset.x, mOffset.y, 0.0f);

    if (animator->mPlaying)
    {
        // The effect stays where it started until its last frame.
        apple->mLanded = false;
        apple->mTurned = false;
        return;
    }
    renderer->mInvisible = true;
    if (apple->mTurned)
    {
        renderer->mInvertX = !apple->mPlayerRight;
        Play(animator, renderer, "AppleChangeDirAni", TurnFps);
    }
    else if (apple->mLanded)
        Play(animator, renderer, "AppleLand", LandFps);
    transform->mPosition = target;
}
} // namespace Framework

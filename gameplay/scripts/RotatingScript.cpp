#include "gameplay/scripts/RotatingScript.h"
#include <cmath>
#include "core/objects/Transform.h"
#include "gameplay/scripts/PropSupport.h"

namespace Framework
{
namespace
{
constexpr const char* BobbleSound = "KetchupBobble";

void PlayBobble(AudioComponent* audio)
{
    audio->mVolume = 1.0f;
    audio->PlaySound(BobbleSound);
}
} // namespace

void RotatingScript::Init(Behaviour* owner)
{
    mGrabRotation = mPrevGrabRotation = mLastRotation = 0.0f;
    mGrabbed = false;
    mSpinning = false;
    mSpinCooldown = FirstSpinDelay;
    Props::SetSoundKey(Props::ObjectOf(owner), BobbleSound);
}

void RotatingScript::Update(Behaviour* owner, float dt)
{
    const Transform* transform = Props::Part<Transform>(owner);
    if (!transform)
        return;
    const float r = transform->mRotation;

    if (Props::Hovered(Props::ObjectOf(owner)))
    {
        if (Props::Triggered(VK_LBUTTON))
        {
            mGrabRotation = r;
            mGrabbed = true;
        }
        if (Props::Released(VK_LBUTTON))
            mPrevGrabRotation = mGrabRotation;
        if (Props::Held(VK_LBUTTON) && std::fabs(r - mLastRotation) > TurnThreshold)
            mSpinning = true;
    }

    AudioComponent* audio = Props::Part<AudioComponent>(owner);
    if (!mSpinning)
    {
        if (mGrabbed && audio && std::fabs(mGrabRotation - mPrevGrabRotation) > TurnThreshold)
        {
            PlayBobble(audio);
            mGrabbed = false;
        }
    }
    else
    {
        if (mSpinCooldown != 0.0f)
            mSpinCooldown -= dt;
        if (mSpinCooldown <= 0.0f)
        {
            if (audio)
                PlayBobble(audio);
            mSpinCooldown = SpinRepeatDelay;
            mSpinning = false;
        }
    }
    mLastRotation = r;
}
} // namespace Framework

// End scene: the van's engine sounds, the drive-off and the hand-over.
#include "gameplay/scripts/Van.h"
#include <string>
#include "audio/AudioComponent.h"
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "graphics/Animator.h"
#include "graphics/Renderer.h"

namespace Framework
{
namespace
{
// Strings, not literals, so that no frame copies one to the heap: the keys
// pass to PlaySound every time a sound ends. The ending's path, handed over
// every frame until the switch, is held by the level table for the same reason.
const std::string IdleSound = "EndSceneTruckStay";
const std::string DriveSound = "EndSceneTruckMove";

void Move(Composition* object, const Vec2& step)
{
    if (Transform* transform = object ? object->GetComponent<Transform>() : nullptr)
    {
        transform->mPosition.x += step.x;
        transform->mPosition.y += step.y;
    }
}
} // namespace

void Van::Init(Behaviour* owner)
{
    mStarted = false;
    mTime = 0.0f;
    mVelocity = Vec2(DriveSpeed, 0.0f);
    mBlackAlpha = 0.0f;
    // An archetype's copy is set up at program start, not shown: it must not start the music.
    const Composition* object = owner ? owner->GetOwner() : nullptr;
    if (!gAudio || (object && object->mKind == ObjectKind::Archetype))
        return;
    gAudio->PlayMusic("EndSceneBGM");
    gAudio->StopEffect();
}

void Van::Update(Behaviour* owner, float dt)
{
    Composition* van = owner ? owner->GetOwner() : nullptr;
    if (!van)
        return;
    if (mStarted)
        mTime += dt;

    if (mTime <= EngineStart)
        if (AudioComponent* audio = van->GetComponent<AudioComponent>())
        {
            if (!mStarted)
            {
                if (!audio->IsPlaying())
                    audio->PlaySound(IdleSound);
            }
            else
            {
                if (audio->mKey == IdleSound)
                    audio->Stop();
                if (!audio->IsPlaying())
                    audio->PlaySound(DriveSound);
            }
        }

    if (mTime > EngineStart)
    {
        const Vec2 step = mVelocity * dt;
        Move(van, step);
        if (gFactory)
        {
            Move(gFactory->FindObject("CrateWin"), step);
            for (Composition* wheel : gFactory->ObjectsNamed("Van_Wheel"))
            {
                Move(wheel, step);
                if (Animator* animator = wheel->GetComponent<Animator>())
                    animator->mPlaying = true;
            }
        }
    }

    if (mTime <= FadeStart || !gFactory)
        return;
    Composition* black = gFactory->FindObject("BlackScreen");
    if (!black)
        return;
    if (mBlackAlpha < 1.0f)
        mBlackAlpha += dt * FadeRate;
    if (Renderer* renderer = black->GetComponent<Renderer>())
        renderer->mAlpha = mBlackAlpha;
    if (mBlackAlpha > HandOverAlpha && gLogic)
    {
        gLogic->mState.mNext = GameState::RESTART;
        gLogic->mState.SetNextLevel(EndingLevel());
    }
}
} // namespace Framework

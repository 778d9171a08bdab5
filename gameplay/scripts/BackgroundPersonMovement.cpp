// Background walker: walks, and restarts from a random border on a border touch.
#include "gameplay/scripts/BackgroundPersonMovement.h"
#include <ctime>
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/engine/Message.h"
#include "core/objects/ObjectTag.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "graphics/Renderer.h"
#include "physics/Body.h"

namespace Framework
{
std::unique_ptr<BackgroundPersonMovement::Random> BackgroundPersonMovement::sRandom;

BackgroundPersonMovement::Random& BackgroundPersonMovement::SharedRandom()
{
    if (!sRandom)
    {
        sRandom = std::make_unique<Random>();
        sRandom->mEngine.seed(static_cast<uint32_t>(std::time(nullptr)));
    }
    return *sRandom;
}

void BackgroundPersonMovement::SeedRandom(uint32_t seed)
{
    // A fresh set, so no value a distribution held back leaks into the new sequence.
    sRandom = std::make_unique<Random>();
    sRandom->mEngine.seed(seed);
}

void BackgroundPersonMovement::Init(Behaviour* owner)
{
    mBehaviour = owner;
    mObject = nullptr;
    mTransform = nullptr;
    mBody = nullptr;
    mRenderer = nullptr;
}

bool BackgroundPersonMovement::ResolveComponents()
{
    if (mObject)
        return true;
    Composition* object = mBehaviour ? mBehaviour->GetOwner() : nullptr;
    if (!object)
        return false;
    if (!mTransform && !(mTransform = object->GetComponent<Transform>()))
        return false;
    if (!mBody && !(mBody = object->GetComponent<Body>()))
        return false;
    if (!mRenderer && !(mRenderer = object->GetComponent<Renderer>()))
        return false;
    mObject = object;
    ChooseNextMove();
    return true;
}

void BackgroundPersonMovement::ChooseNextMove()
{
    Random& random = SharedRandom();
    const bool fromRight = random.mPick(random.mEngine) % 2 == 0;
    mDirection = Vec2(fromRight ? -1.0f : 1.0f, 0.0f);
    mFacingRight = !fromRight;
    const Composition* border = gFactory ? gFactory->FindObject(fromRight ? "Border2" : "Border1") : nullptr;
    const Transform* borderTransform = border ? border->GetComponent<Transform>() : nullptr;
    if (borderTransform && mTransform)
        mTransform->mPosition = Vec3(borderTransform->mPosition.x, WalkHeight, mTransform->mPosition.z);
    mSpeed = random.mSpeed(random.mEngine);
    mTurnCooldown = TurnCooldown;
}

void BackgroundPersonMovement::Update(Behaviour*, float dt)
{
    if (!ResolveComponents())
        return;
    mRenderer->mInvertX = mFacingRight;
    const Vec3 position = mTransform->mPosition + Vec3(mSpeed * mDirection.x * dt, mSpeed * mDirection.y * dt, 0.0f);
    mTransform->mPosition = position;
    mBody->SetPosition(position);
    if (mTurnCooldown > 0.0f)
        mTurnCooldown -= dt;
}

void BackgroundPersonMovement::OnCollision(CollisionMessage* message, Behaviour*)
{
    if (!mObject || !message || !message->mOther || mTurnCooldown > 0.0f)
        return;
    if (message->mOther->mTag == ObjectTag::Border)
        ChooseNextMove();
}
} // namespace Framework

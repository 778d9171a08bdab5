// The ending of Level11, driven by the apple: it stops at the bottom of the
// hill, fades away while the worm crawls up, then the camera cuts to the top
// view where the worm reaches the apple, and the game returns to the menu.
// Reads "MainCamera" (Camera), "Worm", "BlackScreen", "TopWorm1" (frames 3
// to 8 of its animation), "TopWorm2" and "TopAppleFront" (frames 0 and 1);
// any of them missing skips the steps that need it.
#include <algorithm>
#include "core/objects/Composition.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "gameplay/scripts/Player.h"
#include "graphics/Animator.h"
#include "graphics/Camera.h"
#include "graphics/Renderer.h"
#include "physics/BasicShape.h"
#include "physics/Body.h"

namespace Framework
{
namespace
{
constexpr float TopViewY = 30.0f; // camera y above this: the top view
const Vec3 TopViewPosition{23.0f, 40.0f, 0.0f};
constexpr float HillFootX = 17.5f;     // the apple stops left of this
constexpr float FadeRate = 0.5f;       // alpha per second of the apple and the worm
constexpr float WormSpeed = 0.5f;      // units per second
constexpr float WormTurnRate = -20.0f; // degrees per second
constexpr float WormLeanX = 14.5f;     // the worm leans left from here
constexpr float WormTurnX = 15.0f;
constexpr float WormUprightDegrees = 270.0f;
constexpr float BlackoutStartY = 13.5f;    // the screen darkens once the worm is this high
constexpr float CutY = 14.5f;              // and the camera cuts once it is this high
constexpr float TopSceneStartAlpha = 0.3f; // the top scene waits for the fade-in
constexpr int32_t TopWormFirstFrame = 3;
constexpr int32_t TopWormLastFrame = 8;
constexpr float FinalFadeTime = 4.0f;
constexpr float BackToMenuTime = 6.0f;

Composition* Find(const char* name) { return gFactory ? gFactory->FindObject(name) : nullptr; }
template <class T>
T* Part(const char* name)
{
    Composition* object = Find(name);
    return object ? object->GetComponent<T>() : nullptr;
}

void RaiseAlpha(Renderer* renderer, float amount)
{
    if (renderer)
        renderer->mAlpha = std::min(1.0f, renderer->mAlpha + amount);
}
} // namespace

void Player::UpdateEnding(Body* body, Renderer* renderer, float dt)
{
    Camera* camera = Part<Camera>("MainCamera");
    if (!camera || !body)
        return;
    const float x = body->mPosition.x + (body->mShape ? body->mShape->Offset.x : 0.0f);
    Renderer* black = Part<Renderer>("BlackScreen");

    if (camera->Position.y <= TopViewY && x < HillFootX)
        PlayHillScene(body, renderer, *camera, black, dt);
    else if (camera->Position.y > TopViewY)
        PlayTopScene(black, dt);
}

// At the foot of the hill: the apple stops and fades, the worm fades in and
// crawls up; once it is high enough the screen darkens and the camera cuts.
void Player::PlayHillScene(Body* body, Renderer* renderer, Camera& camera, Renderer* black, float dt)
{
    if (mPlayerMoving)
        StopRolling(*body, false);
    mEndingStarted = true;
    if (renderer)
        renderer->mAlpha = std::max(0.0f, renderer->mAlpha - FadeRate * dt);

    Composition* worm = Find("Worm");
    Renderer* wormRenderer = worm ? worm->GetComponent<Renderer>() : nullptr;
    Transform* wormTransform = worm ? worm->GetComponent<Transform>() : nullptr;
    if (!wormRenderer)
        return;
    RaiseAlpha(wormRenderer, FadeRate * dt);
    if (wormRenderer->mAlpha < 1.0f || !wormTransform)
        return;
    if (Animator* wormAnimator = worm->GetComponent<Animator>())
        wormAnimator->mPlaying = true;
    Vec3& p = wormTransform->mPosition;
    p.y += WormSpeed * dt;
    if (p.x >= WormLeanX)
    {
        p.x -= WormSpeed * dt;
        if (p.x < WormTurnX)
            wormTransform->mRotation += WormTurnRate * dt;
    }
    else if (wormTransform->mRotation > WormUprightDegrees)
        wormTransform->mRotation += WormTurnRate * dt;
    if (p.y > BlackoutStartY)
        RaiseAlpha(black, dt);
    if (p.y > CutY)
        camera.Position = TopViewPosition;
}

// The top view: once the fade-in has gone far enough the worm plays up to
// the apple, the second worm and the bitten apple take over, and after a
// last fade the game returns to the menu.
void Player::PlayTopScene(Renderer* black, float dt)
{
    mEndingStarted = false;
    Composition* topWorm = Find("TopWorm1");
    Renderer* topWormRenderer = topWorm ? topWorm->GetComponent<Renderer>() : nullptr;
    Animator* topWormAnimator = topWorm ? topWorm->GetComponent<Animator>() : nullptr;
    Renderer* secondWorm = Part<Renderer>("TopWorm2");
    Composition* apple = Find("TopAppleFront");
    Renderer* appleRenderer = apple ? apple->GetComponent<Renderer>() : nullptr;
    Transform* appleTransform = apple ? apple->GetComponent<Transform>() : nullptr;
    // Each piece missing skips only what it does; the timer still returns to the menu.
    if (topWormRenderer && topWormRenderer->mIndex == 0)
        topWormRenderer->mIndex = TopWormFirstFrame;
    if (appleTransform)
        appleTransform->mPosition.z = 0.0f;
    // Without a black screen there is no fade-in to wait for.
    if (!mTopSceneStarted && (!black || black->mAlpha < TopSceneStartAlpha))
    {
        mTopSceneStarted = true;
        if (topWormAnimator)
            topWormAnimator->mPlaying = true;
    }
    if (!mTopSceneStarted)
        return;
    if (topWormRenderer && topWormRenderer->mIndex >= TopWormLastFrame)
    {
        topWormRenderer->mInvisible = true;
        if (secondWorm)
            secondWorm->mInvisible = false;
        if (topWormAnimator)
            topWormAnimator->mPlaying = false;
        if (appleRenderer)
            appleRenderer->mIndex = 1;
        if (appleTransform)
            appleTransform->mPosition.z = -3.0f;
    }
    mEndingTimer += dt;
    if (mEndingTimer > FinalFadeTime)
        RaiseAlpha(black, dt);
    if (mEndingTimer > BackToMenuTime && gLogic)
        gLogic->mState.mNext = GameState::MAIN_MENU;
}
} // namespace Framework

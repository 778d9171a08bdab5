// The apple's frame: launch, coming to rest, rolling, keys, air streams,
// hits and death. The collision reactions are in PlayerCollision.cpp, the
// Level11 ending in PlayerEnding.cpp.
//
// Contents:
//   1. Keys, state queries and animations by health
//   2. Init and PlaySound
//   3. Update and its steps: launch, settling, the fade from black, tiles, deliveries, requests
//   4. The air stream
//   5. At rest and rolling: UpdateAtRest, UpdateRolling, UpdateCooldowns
//   6. Hits, the blink and dying
//   7. Going back, turning, dropping the held body, respawning
//   8. The inspector
#include "gameplay/scripts/Player.h"
#include "gameplay/scripts/AppleRules.h"
#include <algorithm>
#include <cmath>
#include <imgui.h>
#include "audio/AudioComponent.h"
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/engine/CoreEngine.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "core/window/InputSys.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/CameraScript.h"
#include "gameplay/scripts/ScriptQueries.h"
#include "graphics/Animator.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Renderer.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/ShapeCircle.h"
#include "physics/SpatialGrid.h"

namespace Framework
{
float gPlayerTurnTimer = 0.0f;

namespace
{
// The launch of Level11, where the apple drops in from the right.
const Vec3 EndingLaunch{-12.0f, 35.0f, 0.0f};
// Orientation window in which a grounded apple counts as upright.
constexpr float RestMinOrientation = -0.1f;
constexpr float RestMaxOrientation = 0.05f;
constexpr float AirForce = 12.0f;  // rolling force while airborne
constexpr float JumpSpeed = 20.0f; // added to velocity y by Up
constexpr float LiftFromBelowSpeed = 3.0f;
constexpr float MaxLiftSpeed = 20.0f;
constexpr float FastModeFactor = 1.5f; // the physics fast mode's dt factor
constexpr float DeliveredFadeDelay = 0.5f;
constexpr float BlinkLow = 0.5f;
constexpr float BlinkHigh = 1.0f;
constexpr float BlinkEndAlpha = 0.98f;
constexpr float DeathRestDrop = 1.5f; // a dead apple respawns lower (out of view)
// The dying animation is drawn large around the apple's last place.
const Vec3 DyingShift{1.0f, 2.3f, 0.0f};
constexpr float DyingScale = 6.0f;
const Vec3 DyingShapeOffset{1.0f, -2.5f, 0.0f};
constexpr float DyingRadius = 0.25f;
// Rolling frames on the apple sheet by health 3, 2, 1, 0.
constexpr int32_t RollingFrames[4] = {66, 44, 22, 0};
// The menu apple is heard only from the menu's home view.
const Vec3 MenuHomeView{31.0f, 25.0f, 0.0f};

// ---- 1. Keys, state queries and animations by health ------------------------
bool IsTriggered(int vk) { return gInput && gInput->mState.IsTriggered(vk); }
bool IsPaused() { return gCore && gCore->mPaused; }
uint32_t CurrentState() { return gLogic ? gLogic->mState.mCurrent : GameState::NONE; }

// The rest, jump and rolling pictures by health (3 or more counts as full).
const char* RestAnimation(int health)
{
    return health >= 3 ? "Apple100" : health == 2 ? "Apple75" : health == 1 ? "Apple50" : nullptr;
}
const char* PopAnimation(int health)
{
    return health >= 3 ? "Apple100Pop" : health == 2 ? "Apple75Pop" : health == 1 ? "Apple50Pop" : nullptr;
}
int32_t RollingFrame(int health) { return RollingFrames[health < 0 ? 0 : health > 3 ? 3 : health]; }

void StartAnimation(Animator* animator, const char* name, int fps, bool loop)
{
    animator->SetAnimation(0, name);
    animator->SetFPS(fps);
    animator->mLoop = loop;
    animator->mPlaying = true;
}
} // namespace

// ---- 2. Init and PlaySound --------------------------------------------------
void Player::Init(Behaviour* owner)
{
    mOwner = owner ? owner->GetOwner() : nullptr;
    mPlayerMoving = CurrentState() == GameState::MAIN_MENU;
    // An archetype is never simulated: it must not take the player body or
    // start the music when archetypes load.
    if (!mOwner || mOwner->mKind != ObjectKind::GameObject)
        return;
    if (Body* body = mOwner->GetComponent<Body>(); body && gPhysics)
        gPhysics->mPlayerBody = body;
    if (Transform* transform = mOwner->GetComponent<Transform>())
        mStartPosition = transform->mPosition;
    if (gAudio && mOwner->GetComponent<AudioComponent>())
        gAudio->PlayMusic(CurrentState() == GameState::MAIN_MENU ? "MainMenu_Background_Music"
                                                                 : "Game_Background_Music");
}

void Player::PlaySound(const std::string& key) const
{
    AudioComponent* audio = mOwner ? mOwner->GetComponent<AudioComponent>() : nullptr;
    if (!audio)
        return;
    if (CurrentState() == GameState::MAIN_MENU && (key == "Button_Sound" || key == "AppleBounce"))
    {
        const Camera* camera = gGraphicsSystem ? gGraphicsSystem->GetActiveCamera() : nullptr;
        if (!camera || camera->Position.x != MenuHomeView.x || camera->Position.y != MenuHomeView.y)
            return;
    }
    audio->PlaySound(key);
}

// ---- 3. Update and its steps ------------------------------------------------
void Player::Update(Behaviour* owner, float dt)
{
    mOwner = owner ? owner->GetOwner() : nullptr;
    if (!mOwner)
        return;
    Body* body = mOwner->GetComponent<Body>();
    Renderer* renderer = mOwner->GetComponent<Renderer>();
    Animator* animator = mOwner->GetComponent<Animator>();
    const std::string& level = CurrentLevelPath();
    const bool endingLevel = IsScrollingLevel(level) || IsEndingLevel(level);

    if (mHit)
        HitBlink(dt);

    if (mFirstFrame)
        Launch(body, IsEndingLevel(level));
    else
    {
        // One probe per frame: nothing below moves the body before it is read.
        const uint32_t tiles = body ? body->ProbeTiles() : 0;
        const bool grounded = (tiles & ProbeBit::Bottom) != 0;

        if (mTimerArmed && gPhysics && gPhysics->mLevelTimer.mFinalTime == 0.0f && !IsPaused() && mPlayerMoving)
            gPhysics->mLevelTimer.mRunningTime += gPhysics->mFastMode ? 2.0f * dt : dt;

        if (SettleAfterLaunch(body, grounded, endingLevel))
            return;

        if (endingLevel && !mEndingStarted && mEndingTimer <= 0.1f)
            FadeInFromBlack(dt);

        if (mBounced && grounded)
            mBounced = false;

        FollowTiles(body, tiles, dt);

        if (body)
            UpdateAirStream(body, dt);

        if (!mInPlay)
            UpdateDelivered(body, renderer, dt);

        if (IsEndingLevel(level))
            UpdateEnding(body, renderer, dt);

        if (!mPlayerMoving)
            UpdateAtRest(body, animator);
        else
            UpdateRolling(body, renderer, animator, grounded);

        AnswerRequests(body);
        UpdateCooldowns(dt);
    }

    if (mPlayerHealth < 1)
    {
        if (mLosePending)
        {
            if (gAudio)
                gAudio->PlayMusic("LoseScreenBG");
            PlayDyingAnimation();
            mLosePending = false;
        }
        mPlayerHealth = 0;
    }
}

void Player::Launch(Body* body, bool endingLevel)
{
    if (body)
        body->mVelocity = endingLevel ? EndingLaunch : mLaunchVelocity;
    mPlayerRight = !endingLevel;
    mPlayerMoving = true;
    mFirstFrame = false;
}

bool Player::SettleAfterLaunch(Body* body, bool grounded, bool endingLevel)
{
    if (!(mSettling && grounded && !endingLevel && body && body->mOrientation > RestMinOrientation &&
          body->mOrientation < RestMaxOrientation))
        return false;
    StopRolling(*body, true);
    mRestPosition = body->mPosition;
    return true;
}

void Player::StopRolling(Body& body, bool faceRight)
{
    mSettling = false;
    mPlayerMoving = false;
    mPlayerRight = faceRight;
    mHealthShown = false;
    body.mVelocity = Vec3(0.0f);
    body.mAngularVelocity = 0.0f;
}

void Player::FadeInFromBlack(float dt)
{
    if (!gFactory)
        return;
    if (Composition* black = gFactory->FindObject("BlackScreen"))
        if (Renderer* blackRenderer = black->GetComponent<Renderer>(); blackRenderer && blackRenderer->mAlpha > 0.0f)
            blackRenderer->mAlpha = std::max(0.0f, blackRenderer->mAlpha - dt);
}

void Player::FollowTiles(Body* body, uint32_t tiles, float dt)
{
    // Slopes push the apple along them; a tile wall ahead turns it.
    const bool slope = mPlayerRight ? (tiles & ProbeBit::RisingSlope) : (tiles & ProbeBit::FallingSlope);
    const bool wall = mPlayerRight ? (tiles & ProbeBit::Right) : (tiles & ProbeBit::Left);
    if (slope && body)
        body->mVelocity.x = mPlayerRight ? mSlopeSpeed : -mSlopeSpeed;
    else if (wall && gPlayerTurnTimer > TurnInterval)
    {
        Turn();
        PlaySound("Button_Sound");
        gPlayerTurnTimer = 0.0f;
    }
    gPlayerTurnTimer += dt;
    mWallTurnTime += dt;
}

void Player::UpdateDelivered(Body* body, Renderer* renderer, float dt)
{
    mFadeTimer += dt;
    if (mFadeTimer > DeliveredFadeDelay)
    {
        if (body)
            body->mVelocity = Vec3(0.0f);
        if (renderer)
            renderer->mAlpha = 0.0f;
    }
}

void Player::AnswerRequests(Body* body)
{
    if (mBounceRequest)
    {
        if (body)
            body->mVelocity.y += mBounceSpeed;
        PlaySound("AppleBounce");
        mBounceRequest = false;
    }

    if (IsTriggered('K'))
    {
        mHealthShown = false;
        TakeHit();
    }
}

// ---- 4. The air stream ------------------------------------------------------
void Player::UpdateAirStream(Body* body, float dt)
{
    if (!mInStream)
    {
        mLiftStart = true;
        return;
    }
    if (mLiftStart)
    {
        mLiftVelocity = mLiftFromBelow ? LiftFromBelowSpeed : -mLiftAcceleration;
        mLiftStart = false;
    }
    if (!mLiftOn)
    {
        mFlySoundPlayed = false;
        return;
    }
    if (!mFlySoundPlayed)
    {
        PlaySound("AppleFly");
        mFlySoundPlayed = true;
    }
    body->mVelocity.y = mLiftVelocity;
    if (mLiftVelocity < MaxLiftSpeed && !IsPaused())
        mLiftVelocity += (gPhysics && gPhysics->mFastMode ? dt * FastModeFactor : dt) * mLiftAcceleration;
}

// ---- 5. At rest and rolling -------------------------------------------------
void Player::UpdateAtRest(Body* body, Animator* animator)
{
    if (!mHealthShown && animator)
    {
        // Health 0 names no rest animation: the dying animation keeps
        // playing as it was started, once and at its own rate.
        if (const char* name = RestAnimation(mPlayerHealth))
            StartAnimation(animator, name, 12, true);
        mHealthShown = true;
    }
    if (body)
    {
        body->mVelocity = Vec3(0.0f);
        body->mAngularVelocity = 0.0f;
    }
    if (IsTriggered(VK_SPACE) && mPlayerHealth != 0)
    {
        mTimerArmed = true;
        mHealthShown = false;
        mPlayerMoving = true;
        mPlayerRight = mResumeFacingSet ? mResumeRight : true;
        mResumeFacingSet = false;
    }
}

void Player::UpdateRolling(Body* body, Renderer* renderer, Animator* animator, bool grounded)
{
    if (!mJumping)
    {
        if (animator)
            animator->mPlaying = false;
        if (renderer)
            renderer->mIndex = RollingFrame(mPlayerHealth);
    }
    else
    {
        if (animator && !animator->mPlaying && mPopPending)
            if (const char* name = PopAnimation(mPlayerHealth))
                StartAnimation(animator, name, 23, false);
        if (grounded)
        {
            PlaySound("AppleLand");
            mLanded = true;
            mJumping = false;
            mPopPending = false;
        }
    }
    if (body && gPhysics && gPhysics->mRunning)
    {
        const float push = grounded ? mPlayerSpeed : AirForce;
        body->mForce.x += mPlayerRight ? push : -push;
        body->mForce.y += body->mVelocity.y;
    }
    if (IsTriggered(VK_RIGHT))
    {
        Turn();
        PlaySound("Button_Sound");
    }
    if (IsTriggered(VK_UP))
    {
        if (body)
            body->mVelocity.y += JumpSpeed;
        mJumping = true;
        mPopPending = true;
        PlaySound("Button_Sound");
    }
    if (IsTriggered('G'))
        mImmune = !mImmune;
}

void Player::UpdateCooldowns(float dt)
{
    StepAppleCooldowns(mContactCooldown, mContactTimer, mBounceCooldown, mBounceTimer, dt);
}

// ---- 6. Hits, the blink and dying -------------------------------------------
void Player::TakeHit()
{
    if (!mHit)
    {
        mPlayerHealth -= mPlayerDamage;
        mHit = true;
        PlaySound("AppleHit");
    }
    if (mPlayerHealth <= 0)
        mRestPosition.y -= DeathRestDrop;
}

void Player::HitBlink(float dt)
{
    Renderer* renderer = mOwner ? mOwner->GetComponent<Renderer>() : nullptr;
    // Without a Renderer there is nothing to pulse: the blink only times out.
    const float alpha = renderer ? renderer->mAlpha : BlinkHigh;
    if (mBlinkTimer <= 0.0f && alpha >= BlinkEndAlpha)
    {
        mHit = false;
        mBlinkTimer = BlinkDuration;
        return;
    }
    mBlinkTimer -= dt;
    if (!renderer)
        return;
    if (mBlinkRising)
    {
        renderer->mAlpha += dt;
        if (renderer->mAlpha >= BlinkHigh)
        {
            renderer->mAlpha = BlinkHigh;
            mBlinkRising = false;
        }
    }
    else
    {
        renderer->mAlpha -= dt;
        if (renderer->mAlpha <= BlinkLow)
        {
            renderer->mAlpha = BlinkLow;
            mBlinkRising = true;
        }
    }
}

void Player::PlayDyingAnimation()
{
    mPlayerMoving = false;
    if (!mOwner)
        return;
    if (Transform* transform = mOwner->GetComponent<Transform>())
    {
        transform->mPosition += DyingShift;
        transform->mScale.x = DyingScale;
        transform->mScale.y = DyingScale;
        transform->mRotation = 0.0f;
    }
    if (Animator* animator = mOwner->GetComponent<Animator>())
        StartAnimation(animator, "AppleDyingAni", 14, false);
    if (Body* body = mOwner->GetComponent<Body>())
        if (auto* circle = dynamic_cast<ShapeCircle*>(body->mShape))
        {
            if (gSpatialGrid)
                gSpatialGrid->SetShapeOffset(body, DyingShapeOffset);
            else
                circle->Offset = DyingShapeOffset;
            circle->Radius = DyingRadius;
            circle->UpdateWorldSize();
        }
    if (gPhysics)
        gPhysics->mGravity = Vec2(0.0f, 0.0f);
}

// ---- 7. Going back, turning, dropping the held body, respawning -------------
void Player::ReturnToSavedPosition()
{
    mPlayerMoving = false;
    if (Body* body = mOwner ? mOwner->GetComponent<Body>() : nullptr)
        body->SetPosition(mStartPosition);
}

void Player::Turn()
{
    mTurned = true;
    mPlayerRight = !mPlayerRight;
}

void Player::DropHoveredObject()
{
    if (!gPhysics || !gPhysics->HoverObject() || !gInput || !gInput->mState.IsHeld(VK_LBUTTON))
        return;
    if (Body* held = gPhysics->HoverObject()->GetComponent<Body>())
        held->SetPosition(held->mStartPosition);
    gPhysics->SetHoverObject(nullptr);
}

void Player::Respawn(const Vec3& point)
{
    Body* body = mOwner ? mOwner->GetComponent<Body>() : nullptr;
    if (body)
    {
        body->SetPosition(point);
        if (body->mShape)
        {
            // The offset turned with the apple; stand it upright again.
            const float c = std::cos(body->mOrientation);
            const float s = std::sin(body->mOrientation);
            const Vec3 offset = body->mShape->Offset;
            const Vec3 upright(offset.x * c + offset.y * s, -offset.x * s + offset.y * c, 0.0f);
            if (gSpatialGrid)
                gSpatialGrid->SetShapeOffset(body, upright);
            else
                body->mShape->Offset = upright;
            body->mShape->SetRotationRadians(0.0f);
        }
        body->SetOrientation(0.0f);
    }
    if (Transform* transform = mOwner ? mOwner->GetComponent<Transform>() : nullptr)
        transform->SetRotationRadians(0.0f);
    mPlayerMoving = false;
    if (CameraScript* camera = FindScript<CameraScript>("MainCamera"))
        camera->mRespawn = true;
}

// ---- 8. The inspector -------------------------------------------------------
void Player::DrawInspector()
{
    ImGui::Checkbox("mPlayerMoving", &mPlayerMoving);
    ImGui::Checkbox("mPlayerRight", &mPlayerRight);
    ImGui::DragFloat("mPlayerSpeed", &mPlayerSpeed, 1.0f, 0.0f, 0.0f, "%.3f");
    float health = static_cast<float>(mPlayerHealth);
    if (ImGui::DragFloat("mPlayerHealth", &health, 1.0f, 0.0f, 0.0f, "%.0f"))
        mPlayerHealth = static_cast<int>(health);
    float damage = static_cast<float>(mPlayerDamage);
    if (ImGui::DragFloat("mPlayerDamage", &damage, 1.0f, 0.0f, 0.0f, "%.0f"))
        mPlayerDamage = static_cast<int>(damage);
}
} // namespace Framework

// CameraScript: the level camera's glides, key and drag moves, zoom and clamping.
//
// Contents:
//   1. Helpers: owner, camera and transform lookups, held keys, ClampToLevel
//   2. Destruction and Init
//   3. Glides: AimAt, GlideToWinGoal, GlideBackAfterRespawn
//   4. Update and ToggleState
//   5. Moving and zooming: MoveWithKeys, Zoom, ZoomToTarget
#include "gameplay/scripts/CameraScript.h"
#include <cmath>
#include <imgui.h>
#include "core/objects/Composition.h"
#include "core/engine/DebugSystem.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/game/Levels.h"
#include "core/window/InputSys.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/HumanWin.h"
#include "gameplay/scripts/MainMenu.h" // gCameraScrollSpeed, the wheel zoom speed
#include "graphics/Camera.h"

namespace Framework
{
namespace
{
// ---- 1. Helpers -------------------------------------------------------------
constexpr int RightButton = 2;
constexpr int KeyV = 0x56, KeyW = 0x57, KeyA = 0x41, KeyS = 0x53, KeyD = 0x44;
constexpr float StartedMinZoom = 27.0f;    // a playing camera never zooms out further than this
constexpr float NormaliseEpsilon = 1e-11f; // below it a direction is left unnormalised

Composition* OwnerOf(Behaviour* behaviour) { return behaviour ? behaviour->GetOwner() : nullptr; }

Camera* CameraOf(Behaviour* behaviour)
{
    Composition* owner = OwnerOf(behaviour);
    return owner ? owner->GetComponent<Camera>() : nullptr;
}

const Transform* TransformOf(const Composition* object) { return object ? object->GetComponent<Transform>() : nullptr; }

bool Held(int vk) { return gInput && gInput->mState.IsHeld(vk); }

// No ImGui frame in tests or before the editor binding starts: nothing is active.
bool ImGuiItemActive() { return ImGui::GetCurrentContext() && ImGui::IsAnyItemActive(); }

// Keeps the view inside the camera's clamp rectangle. The lower bound last,
// so it wins when the rectangle is narrower than the view: tested as two
// exclusive cases, such a camera would jump between the two bounds every
// frame. A zoom of 0 (an edited camera) has no visible size: that axis is
// left unclamped, as the drag leaves it, rather than sent to infinity.
void ClampToLevel(Camera& camera)
{
    Vec3& p = camera.Position;
    if (camera.CamSize.x != 0.0f)
    {
        const float hx = camera.VisibleHalfWidth();
        p.x = std::fmax(std::fmin(p.x, camera.MaxClamp.x - hx), camera.MinClamp.x + hx);
    }
    if (camera.CamSize.y != 0.0f)
    {
        const float hy = camera.VisibleHalfHeight();
        p.y = std::fmax(std::fmin(p.y, camera.MaxClamp.y - hy), camera.MinClamp.y + hy);
    }
}
} // namespace

// ---- 2. Destruction and Init ------------------------------------------------
CameraScript::~CameraScript()
{
    if (gLogic && mCameraState == 1)
        gLogic->mCameraOnKeys = false;
}

void CameraScript::Init(Behaviour* owner)
{
    mReturnTimer = ReturnTime;
    if (gFactory)
    {
        mHumanWin.Set(gFactory->FindObject("HumanWin"));
        mGoal.Set(gFactory->FindObject("END"));
        mPlayer.Set(gFactory->FindObject("Player"));
    }
    mAutoScroll = false;
    mRespawn = false;
    if (Camera* camera = CameraOf(owner))
    {
        mMinZoom = StartedMinZoom;
        mZoomSpeed = gCameraScrollSpeed;
        mMaxZoom = camera->CamSize.x;
    }
}

// ---- 3. Glides --------------------------------------------------------------
float CameraScript::AimAt(const Camera& camera, const Vec3& target)
{
    Vec2 toward(target.x - camera.Position.x, target.y - camera.Position.y);
    const float distance = std::sqrt(toward.x * toward.x + toward.y * toward.y);
    if (distance > NormaliseEpsilon)
        toward /= distance;
    mDirection = Vec3(toward.x, toward.y, target.z);
    return distance;
}

void CameraScript::GlideToWinGoal(Camera* camera, float dt)
{
    const Transform* goal = TransformOf(mGoal.Get());
    if (!goal || !camera)
        return;
    if (AimAt(*camera, goal->mPosition) > ArriveDistance)
    {
        camera->Position.x += mMoveSpeed * dt * mDirection.x;
        camera->Position.y += mMoveSpeed * dt * mDirection.y;
    }
    ZoomToTarget(*camera, dt);
}

void CameraScript::GlideBackAfterRespawn(Camera* camera, const Transform* player, float dt)
{
    bool gliding = false;
    if (player && camera)
    {
        if (AimAt(*camera, player->mPosition) > ArriveDistance && mReturnTimer > 0.0f)
        {
            camera->Position.x += mMoveSpeed * dt * mDirection.x;
            camera->Position.y += mMoveSpeed * dt * mDirection.y;
            ZoomToTarget(*camera, dt);
            mReturnTimer -= dt;
            gliding = true;
        }
    }
    if (!gliding)
    {
        mReturnTimer = ReturnTime;
        mRespawn = false;
    }
}

// ---- 4. Update and ToggleState ----------------------------------------------
void CameraScript::Update(Behaviour* owner, float dt)
{
    if (KeyTriggered(KeyV))
        ToggleState();
    if (gLogic)
        gLogic->mCameraOnKeys = mCameraState == 1; // its A moves the view left

    Camera* camera = CameraOf(owner);

    // The win glide while the walker takes the basket; player control otherwise.
    if (mHumanWin.Empty() && gFactory)
        mHumanWin.Set(gFactory->FindObject("HumanWin"));
    if (Composition* human = mHumanWin.Get())
    {
        if (mGoal.Empty() && gFactory)
            mGoal.Set(gFactory->FindObject("END"));
        const HumanWin* walker = ScriptOf<HumanWin>(human);
        if (walker && walker->mWalking)
            GlideToWinGoal(camera, dt);
        else
        {
            if (!camera)
                return;
            if (mCameraState == 1)
                MoveWithKeys(*camera, dt);
            else
                Zoom(*camera, dt);
            ClampToLevel(*camera);
        }
    }

    if (mPlayer.Empty() && gFactory)
        mPlayer.Set(gFactory->FindObject("Player"));
    const Transform* player = TransformOf(mPlayer.Get());

    if (mRespawn)
        GlideBackAfterRespawn(camera, player, dt);

    // Level10 runs the view to the right once the apple has passed its centre.
    if (camera && IsScrollingLevel(CurrentLevelPath()))
    {
        if (player && player->mPosition.x - camera->Position.x > 0.0f)
            mAutoScroll = true;
        if (mAutoScroll)
            camera->Position.x += AutoScrollSpeed * dt;
    }
}

void CameraScript::ToggleState()
{
    if (mCameraState == 0)
        mCameraState = 1;
    else if (mCameraState == 1)
        mCameraState = 0;
    else
        Log("Invalid CameraState, so nothing happens");
}

// ---- 5. Moving and zooming --------------------------------------------------
void CameraScript::MoveWithKeys(Camera& camera, float dt)
{
    const bool up = Held(KeyW), left = Held(KeyA), down = Held(KeyS), right = Held(KeyD);
    if (!up && !left && !down && !right)
    {
        if (mKeyRamp > 0.0f)
            mKeyRamp -= dt;
        return;
    }
    const float step = dt * mMoveSpeed;
    if (mKeyRamp < 1.0f)
        mKeyRamp += dt;
    const float move = step * mKeyRamp * mSpeedFactor;
    if (up)
        camera.Position.y += move;
    if (left)
        camera.Position.x -= move;
    if (down)
        camera.Position.y -= move;
    if (right)
        camera.Position.x += move;
}

void CameraScript::Zoom(Camera& camera, float dt)
{
    if (!gInput)
        return;
    const InputState& input = gInput->mState;
    if (input.mWheelDirection != 0 && !ImGuiItemActive())
    {
        const float step = dt * mZoomSpeed;
        if (input.mWheelDirection == 1)
        {
            camera.CamSize.x = std::fmin(camera.CamSize.x + step, mMaxZoom);
            camera.CamSize.y = std::fmin(camera.CamSize.y + step, mMaxZoom);
        }
        else if (input.mWheelDirection == 2)
        {
            camera.CamSize.x = std::fmax(camera.CamSize.x - step, mMinZoom);
            camera.CamSize.y = std::fmax(camera.CamSize.y - step, mMinZoom);
        }
    }
    if (input.IsTriggered(RightButton))
        mDragStart = camera.Position;
    if (input.IsHeld(RightButton))
    {
        // The drag converts screen pixels at the zoom of the camera being shown.
        const Camera* active = ActiveCamera();
        const Vec3 zoom = active ? active->CamSize : camera.CamSize;
        if (zoom.x == 0.0f || zoom.y == 0.0f)
            return;
        const Vec3& pressed = input.mRightClickScreen;
        const Vec3& now = input.mCursor;
        camera.Position.x = mDragStart.x + (pressed.x - now.x) / zoom.x;
        camera.Position.y = mDragStart.y + (now.y - pressed.y) / zoom.y;
        camera.Position.z = mDragStart.z;
    }
}

void CameraScript::ZoomToTarget(Camera& camera, float dt)
{
    if (std::fabs(camera.CamSize.x - mMaxZoom) <= ArriveDistance)
        return;
    const float step = dt * mZoomSpeed;
    if (mMaxZoom > camera.CamSize.x)
    {
        camera.CamSize.x += step;
        camera.CamSize.y += step;
    }
    else
    {
        camera.CamSize.x -= step;
        camera.CamSize.y -= step;
    }
}
} // namespace Framework

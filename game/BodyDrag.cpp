// Dragging the picked body with the mouse outside the editor.
#include <cmath>
#include "game/GameFrame.h"
#include "core/objects/Composition.h"
#include "core/engine/CoreEngine.h"
#include "core/game/GameLogic.h"
#include "core/objects/Transform.h"
#include "gameplay/Button.h"
#include "physics/Body.h"
#include "physics/Physics.h"
#include "physics/ShapeOBB.h"

namespace Framework
{
namespace
{
// A drag that moves further in one frame lets the body go (it is picked again
// next frame if the mouse is still over it); less when it touches a static body.
constexpr float MaxDragStep = 3.0f;
constexpr float MaxBlockedDragStep = 1.0f;
constexpr uint32_t CursorDrag = 5;
} // namespace

void GameFrame::DragHeldObject(const Vec3& mouse)
{
    Physics& physics = *gPhysics;
    Composition* held = physics.HoverObject();
    Body* body = held->GetComponent<Body>();
    if (!body || (body->mMass == 0.0f && held->mTag != ObjectTag::RotatingObject))
        return;
    const bool paused = gCore && gCore->mPaused;

    if (!body->mShape)
    {
        if (body->mInteractable && !paused)
        {
            if (Transform* transform = held->GetComponent<Transform>())
            {
                transform->mPosition.x += mouse.x - physics.mLastMousePosition.x;
                transform->mPosition.y += mouse.y - physics.mLastMousePosition.y;
                transform->UpdateMatrix();
            }
            physics.mLastMousePosition = mouse;
            return;
        }
    }
    else if (body->mInteractable && !paused)
    {
        mCursorKind = CursorDrag;
        ShapeOBB* box = dynamic_cast<ShapeOBB*>(body->mShape);
        if (box && box->RotateFixedPoint)
        {
            box->RotateToPoint(mouse);
            return;
        }
        const float dx = mouse.x - physics.mLastMousePosition.x;
        const float dy = mouse.y - physics.mLastMousePosition.y;
        physics.mLastMousePosition = mouse;
        const float distance = std::sqrt(dx * dx + dy * dy);
        if (distance > MaxDragStep || (physics.mDragBlocked && distance > MaxBlockedDragStep))
            physics.SetHoverObject(nullptr);
        else
            body->SetPosition(Vec3(body->mPosition.x + dx, body->mPosition.y + dy, body->mPosition.z));
        physics.mDragging = true;
        physics.mDragBlocked = false;
        return;
    }
    if (held->GetComponent<Button>())
        mCursorKind = CursorDrag;
}
} // namespace Framework

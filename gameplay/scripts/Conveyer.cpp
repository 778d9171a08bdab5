#include "gameplay/scripts/Conveyer.h"
#include <imgui.h>
#include "core/objects/Transform.h"
#include "gameplay/scripts/PropSupport.h"
#include "graphics/GraphicsSystem.h"
#include "graphics/Renderer.h"
#include "physics/Body.h"
#include "physics/ShapeOBB.h"

namespace Framework
{
void Conveyer::Init(Behaviour* owner)
{
    const Composition* object = Props::ObjectOf(owner);
    mBeltRight = !(object && object->mName == "ConveyerBeltCollider1");
}

void Conveyer::Update(Behaviour* owner, float)
{
    Renderer* renderer = Props::Part<Renderer>(owner);
    Body* body = Props::Part<Body>(owner);
    if (!renderer || !body || !body->mShape || body->mShape->mShapeType != ShapeType::OBB)
        return;
    const ShapeOBB* box = static_cast<const ShapeOBB*>(body->mShape);

    renderer->mIndex = 0;
    renderer->mSpriteSheetKey = mBeltRight ? "ConveyerBeltGreen" : "ConveyerBeltRed";
    renderer->mSpriteSheet = GraphicsSystem::GetSpriteSheet(renderer->mSpriteSheetKey);

    if (!Props::Triggered(VK_LBUTTON) || !gInput)
        return;
    const float mx = gInput->mState.GetMouseWorldX();
    const float my = gInput->mState.GetMouseWorldY();
    const Vec3 scale = body->mTransform ? body->mTransform->mScale : Vec3(1.0f);
    const float hx = scale.x * 0.5f * box->HalfLength.x;
    const float hy = scale.y * 0.5f * box->HalfLength.y;
    // The edge counts as inside.
    if (body->mPosition.x - hx <= mx && mx <= body->mPosition.x + hx && body->mPosition.y - hy <= my &&
        my <= body->mPosition.y + hy)
        mBeltRight = !mBeltRight;
}

void Conveyer::DrawInspector() { ImGui::Checkbox("BeltRight", &mBeltRight); }
} // namespace Framework

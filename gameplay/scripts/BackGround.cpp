// Parallax layer: follows the camera at a fraction of its travel once started.
#include "gameplay/scripts/BackGround.h"
#include <imgui.h>
#include "core/objects/Composition.h"
#include "core/window/InputSys.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"

namespace Framework
{
namespace
{
Transform* TransformOf(Behaviour* owner)
{
    const Composition* object = owner ? owner->GetOwner() : nullptr;
    return object ? object->GetComponent<Transform>() : nullptr;
}

Camera* ActiveCamera() { return gGraphicsSystem ? gGraphicsSystem->GetActiveCamera() : nullptr; }
} // namespace

void BackGround::Init(Behaviour* owner)
{
    const Composition* object = owner ? owner->GetOwner() : nullptr;
    if (Transform* transform = TransformOf(owner))
        mStartX = transform->mPosition.x;
    mOffset = object && object->mName == "Top_BG" ? TopLayerOffset : OtherLayerOffset;
    const Camera* camera = ActiveCamera();
    mCameraStartX = camera ? camera->Position.x : 0.0f;
    mFollowing = false;
}

void BackGround::Update(Behaviour* owner, float)
{
    Transform* transform = TransformOf(owner);
    if (!transform)
        return;
    if (!mFollowing)
    {
        if (gInput && gInput->mState.IsTriggered(SpaceKey))
        {
            mStartX = transform->mPosition.x;
            mFollowing = true;
        }
        return;
    }
    const Camera* camera = ActiveCamera();
    // A divisor edited to 0 in the inspector would throw the layer to infinity.
    if (!camera || mOffset == 0.0f)
        return;
    transform->mPosition.x = (camera->Position.x - mCameraStartX) / mOffset + mStartX;
    transform->mPosition.z = Depth;
}

void BackGround::DrawInspector() { ImGui::DragFloat("mOffset", &mOffset, 1.0f, 0.0f, 0.0f, "%.3f"); }
} // namespace Framework

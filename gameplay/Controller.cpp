#include "gameplay/Controller.h"
#include <algorithm>
#include <imgui.h>
#include "core/objects/Composition.h"
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "core/serializers/TextSerializer.h"
#include "core/objects/Transform.h"
#include "core/serializers/XmlSerializer.h"
#include "physics/Body.h"
#include "physics/Physics.h"

namespace Framework
{
namespace
{
// The keyboard as it is now: down in the current frame's key state.
bool IsDown(int vk) { return gInput && InputState::InRange(vk) && gInput->mState.mCurrentKeys[vk]; }
} // namespace

Controller::~Controller()
{
    if (!gLogic)
        return;
    auto& list = gLogic->mControllers;
    auto found = std::find(list.begin(), list.end(), this);
    if (found != list.end())
        list.erase(found);
}

void Controller::SerializeXml(XmlSerializer& serializer)
{
    serializer.PushElement("Controller");
    serializer.WriteFloat("Speed", mSpeed);
    serializer.PopElement();
}

void Controller::SerializeText(TextSerializer& serializer)
{
    serializer.WriteString("Controller");
    serializer.WriteFloat(mSpeed);
}

void Controller::UnserializeXml(XmlSerializer& serializer) { serializer.ReadFloat(mSpeed); }

void Controller::UnserializeText(TextSerializer& serializer) { serializer.ReadFloat(mSpeed); }

void Controller::Initialize()
{
    Composition* owner = GetOwner();
    mTransform = owner ? owner->GetComponent<Transform>() : nullptr;
    mBody = owner ? owner->GetComponent<Body>() : nullptr;
    if (!gLogic || !owner || owner->mKind == ObjectKind::Archetype)
        return;
    auto& list = gLogic->mControllers;
    if (std::find(list.begin(), list.end(), this) == list.end())
        list.push_back(this);
}

void Controller::DrawInspector() { ImGui::DragFloat("Speed", &mSpeed, 1.0f, 0.0f, 0.0f, "%.3f"); }

void Controller::Update()
{
    // Looked up again: the editor may have removed the Body since Initialize.
    if (Composition* owner = GetOwner())
        mBody = owner->GetComponent<Body>();
    if (!mBody)
        return; // nothing to push
    if (gPhysics && gPhysics->mRunning)
    {
        if (IsDown(VK_RIGHT))
            mBody->mForce.x += PushForce;
        if (IsDown(VK_LEFT))
            mBody->mForce.x -= PushForce;
        if (IsDown(VK_DOWN))
            mBody->mForce.y -= PushForce;
        if (IsDown(VK_UP))
            mBody->mForce.y += LiftForce;
    }
    if (IsDown(VK_F7))
        mBody->mVelocity = Vec3(0.0f);
}
} // namespace Framework

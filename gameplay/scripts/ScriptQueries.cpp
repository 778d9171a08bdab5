#include "gameplay/scripts/ScriptQueries.h"
#include "core/objects/Composition.h"
#include "core/engine/CoreEngine.h"
#include "core/objects/Factory.h"
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "core/objects/Transform.h"
#include "graphics/Camera.h"
#include "graphics/GraphicsSystem.h"
#include "physics/Body.h"
#include "physics/ShapeOBB.h"

namespace Framework
{
namespace
{
constexpr int LeftButton = 1; // virtual key of the left mouse button
}

Composition* LastObjectTagged(uint32_t tag) { return gFactory ? gFactory->LastObjectTagged(tag) : nullptr; }

Composition* FirstObjectTagged(uint32_t tag) { return gFactory ? gFactory->FirstObjectTagged(tag) : nullptr; }

Camera* ActiveCamera() { return gGraphicsSystem ? gGraphicsSystem->GetActiveCamera() : nullptr; }

void PlaceObject(Composition* object, const Vec3& position)
{
    if (!object)
        return;
    if (Body* body = object->GetComponent<Body>())
        body->SetPosition(position);
    if (Transform* transform = object->GetComponent<Transform>())
        transform->mPosition = position;
}

bool PointInObjectBox(const Composition* object, float x, float y)
{
    const ShapeOBB* box = object ? object->GetComponent<ShapeOBB>() : nullptr;
    const Transform* transform = object ? object->GetComponent<Transform>() : nullptr;
    if (!box || !transform)
        return false;
    const Vec3& p = transform->mPosition;
    const float hw = transform->mScale.x * 0.5f * box->HalfLength.x;
    const float hh = transform->mScale.y * 0.5f * box->HalfLength.y;
    return p.x - hw <= x && x <= p.x + hw && p.y - hh <= y && y <= p.y + hh;
}

bool LeftClicked() { return KeyTriggered(LeftButton); }

bool KeyTriggered(int vk) { return gInput && gInput->mState.IsTriggered(vk); }

bool GamePaused() { return gCore && gCore->mPaused; }

void ResumeGame()
{
    if (gCore)
        gCore->SetPause(false);
}

uint32_t CurrentGameState() { return gLogic ? gLogic->mState.mCurrent : GameState::NONE; }

void RequestGameState(uint32_t state)
{
    if (!gLogic)
        return;
    if (state == GameState::QUIT)
        gLogic->mState.RequestQuit(); // no switch asked for later undoes it
    else
        gLogic->mState.mNext = state;
}

const std::string& CurrentLevelPath()
{
    static const std::string NoLevel;
    return gLogic ? gLogic->mState.GetCurrentLevel() : NoLevel;
}
} // namespace Framework

#include "gameplay/scripts/QuitButton.h"
#include "core/objects/Composition.h"
#include "core/game/GameLogic.h"
#include "core/window/InputSys.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ScriptLookup.h"
#include "graphics/Camera.h"
#include "graphics/Renderer.h"

namespace Framework
{
namespace
{
constexpr float AnswerSideOffset = 3.0f; // Yes left of the camera centre, No right
constexpr float AnswerRaise = 1.0f;

void SetAlpha(Composition* object, float alpha)
{
    if (Renderer* renderer = object ? object->GetComponent<Renderer>() : nullptr)
        renderer->mAlpha = alpha;
}

bool ClickedInside(const Composition* object)
{
    return LeftClicked() && gInput &&
           PointInObjectBox(object, gInput->mState.GetMouseWorldX(), gInput->mState.GetMouseWorldY());
}
} // namespace

void QuitButton::Init(Behaviour* owner) { SetAlpha(owner ? owner->GetOwner() : nullptr, 0.0f); }

void QuitButton::Update(Behaviour* owner, float)
{
    Composition* self = owner ? owner->GetOwner() : nullptr;
    if (!self)
        return;
    if (!GamePaused())
    {
        SetAlpha(self, 0.0f);
        return;
    }

    const Camera* camera = ActiveCamera();
    const Vec3 centre = camera ? camera->Position : Vec3(0.0f);
    if (self->mTag == ObjectTag::Quit_Yes)
        PlaceObject(self, Vec3(centre.x - AnswerSideOffset, centre.y + AnswerRaise, 0.0f));
    else if (self->mTag == ObjectTag::Quit_No)
        PlaceObject(self, Vec3(centre.x + AnswerSideOffset, centre.y + AnswerRaise, 0.0f));

    if (mQuitObject.Empty())
        mQuitObject.Set(LastObjectTagged(ObjectTag::QuitButton));
    if (Composition* quit = mQuitObject.Get(); quit && ClickedInside(quit))
        mOpen = true;

    if (!mOpen)
    {
        SetAlpha(self, 0.0f);
        return;
    }
    SetAlpha(self, 1.0f);
    if (ClickedInside(self))
    {
        if (self->mTag == ObjectTag::Quit_Yes)
            RequestGameState(GameState::QUIT);
        else if (self->mTag == ObjectTag::Quit_No)
        {
            mOpen = false;
            if (QuitButton* yes = ScriptOf<QuitButton>(FirstObjectTagged(ObjectTag::Quit_Yes)))
                yes->mOpen = false;
        }
    }
    if (!mOpen)
        SetAlpha(self, 0.0f);
}
} // namespace Framework

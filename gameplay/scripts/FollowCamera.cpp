#include "gameplay/scripts/FollowCamera.h"
#include <string>
#include <imgui.h>
#include "audio/AudioManager.h"
#include "core/objects/Composition.h"
#include "core/window/InputSys.h"
#include "core/objects/Transform.h"
#include "gameplay/Behaviour.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/Player.h"
#include "graphics/Camera.h"
#include "graphics/Renderer.h"
#include "graphics/TextRenderer.h"

namespace Framework
{
namespace
{
// A pause text's offset while paused; off screen while playing.
struct PauseTextRow
{
    const char* mName;
    Vec2 mPausedOffset;
};
constexpr PauseTextRow PauseTexts[] = {
    {"PauseGameText1", {-0.4f, 1.5f}},
    {"PauseGameText2", {-0.3f, -1.8f}},
    {"PauseResumeText", {1.7f, 1.5f}},
    {"PauseQuitText", {1.2f, -1.8f}},
};

void SetAlpha(Composition* object, float alpha)
{
    if (Renderer* renderer = object->GetComponent<Renderer>())
        renderer->mAlpha = alpha;
}
} // namespace

FollowCamera::~FollowCamera()
{
    if (gAudio)
        gAudio->StopMusic();
}

void FollowCamera::Init(Behaviour* owner)
{
    Composition* self = owner ? owner->GetOwner() : nullptr;
    const std::string name = self ? self->mName : std::string();
    if (name == "WormObject")
        mOffset = Vec3(9.5f, 4.5f, mOffset.z);
    else
        mOffset = Vec3(10.5f, 4.4f, mOffset.z);

    // Read during the level load: a camera gone with the last level has already handed back the editor camera.
    if (const Camera* camera = ActiveCamera())
        if (Transform* transform = self ? self->GetComponent<Transform>() : nullptr)
            transform->mPosition = Vec3(camera->Position.x - mOffset.x, camera->Position.y + mOffset.y, 0.0f);
    mPlayer.Clear();

    if (name == "PauseMenu" || name == "BlackFilter")
    {
        mOffset.x = mOffset.y = 0.0f;
        if (name == "BlackFilter")
            mOffset.z = -1.0f;
    }
    else if (name == "MainMenuBG")
        mOffset = Vec3(0.0f, 0.0f, -10.0f);
    else if (name == "Message")
        mOffset.x = mOffset.y = 0.0f;
    else if (name == "PauseResume" || name == "PauseResumeText")
        mOffset.x = 0.0f, mOffset.y = 1.6f;
    else if (name == "PauseQuit" || name == "PauseQuitText")
        mOffset.x = 0.0f, mOffset.y = -1.6f;
}

void FollowCamera::Update(Behaviour* owner, float)
{
    Composition* self = owner ? owner->GetOwner() : nullptr;
    if (!self)
        return;
    if (mPlayer.Empty())
        mPlayer.Set(LastObjectTagged(ObjectTag::Player));

    const Camera* camera = ActiveCamera();
    Transform* transform = self->GetComponent<Transform>();
    if (camera && transform)
        transform->mPosition =
            Vec3(camera->Position.x - mOffset.x, camera->Position.y + mOffset.y, camera->Position.z + mOffset.z);

    const std::string& name = self->mName;
    const bool paused = GamePaused();
    if (name == "TextContent")
    {
        if (TextRenderer* text = self->GetComponent<TextRenderer>())
        {
            Composition* player = mPlayer.Get();
            if (!player)
                text->TextString = "100";
            else if (const Player* apple = ScriptOf<Player>(player))
                text->TextString = std::to_string(apple->mPlayerHealth);
        }
        return;
    }
    for (const PauseTextRow& row : PauseTexts)
        if (name == row.mName)
        {
            if (paused)
                mOffset.x = row.mPausedOffset.x, mOffset.y = row.mPausedOffset.y;
            else
                mOffset.x = OffScreen;
            return;
        }
    if (name == "BlackFilter")
    {
        SetAlpha(self, paused ? 0.7f : 0.0f);
        return;
    }
    if (name != "PauseMenu" && name != "PauseResume" && name != "PauseQuit")
        return;
    SetAlpha(self, paused ? 1.0f : 0.0f);

    // The quit entry's click is handled by the quit dialog, not here.
    if (name == "PauseResume" && LeftClicked() && gInput &&
        PointInObjectBox(self, gInput->mState.GetMouseWorldX(), gInput->mState.GetMouseWorldY()))
        ResumeGame();
}

bool FollowCamera::IsPauseText(const std::string& name)
{
    for (const PauseTextRow& row : PauseTexts)
        if (name == row.mName)
            return true;
    return false;
}

void FollowCamera::DrawInspector() { ImGui::DragFloat3("Offset", &mOffset.x); }
} // namespace Framework

// Pins its object to the screen: every frame the object stands at a fixed
// offset from the active camera (HUD pieces, backgrounds, the old pause menu).
// By its object's name it also runs that pause menu: "PauseMenu",
// "PauseResume", "PauseQuit" (Renderers shown while paused), "BlackFilter"
// (Renderer dimmed to 0.7 while paused), the texts "PauseGameText1",
// "PauseGameText2", "PauseResumeText", "PauseQuitText" (moved off screen while
// playing), a click on "PauseResume" (OBB shape) resumes; "TextContent"
// (TextRenderer) shows the apple's health. "WormObject" and "MainMenuBG" sit
// at offsets of their own. Leaving a level with such an object ends its music.
#pragma once
#include <string>
#include "core/math/MathTypes.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/scripts/ScriptQueries.h"

namespace Framework
{
class FollowCamera : public ScriptBase
{
public:
    static constexpr float OffScreen = 1000.0f; // Offset.x of a pause text while playing

    FollowCamera() : ScriptBase("FollowCamera") {}
    // Stops the music: every level change destroys the scripts, so the level's music ends with it.
    ~FollowCamera() override;

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;

    // One of the texts this menu shows only while paused ("PauseGameText1", ...).
    static bool IsPauseText(const std::string& name);

    ObjectHandle mPlayer; // the last live object tagged Player, found on the first frames
    Vec3 mOffset{0.0f};   // position = (camera x - x, camera y + y, camera z + z): positive x is left
};
} // namespace Framework

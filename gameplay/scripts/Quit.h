// The quit confirmation of a menu: a click on "QuitButton" turns the camera to
// the confirmation view at (44.7, 9); a click on "NoButton" turns it back to
// the menu at (14.7, 9). Both need a Button; the camera's depth is left alone.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Quit : public ScriptBase
{
public:
    static constexpr float ConfirmX = 44.7f, ConfirmY = 9.0f;
    static constexpr float MenuX = 14.7f, MenuY = 9.0f;

    Quit() : ScriptBase("Quit") {}
    void Init(Behaviour*) override {}
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override {}
};
} // namespace Framework

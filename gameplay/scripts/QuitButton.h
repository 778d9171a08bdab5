// The quit dialog of a paused level. Objects tagged QuitButton, Quit_Yes and
// Quit_No (each with a Renderer and an OBB shape) run this script; they are
// invisible while the game runs. While paused, a click in the QuitButton box
// opens the dialog: Quit_Yes and Quit_No show 3 units left and right of the
// camera centre, 1 unit up. Yes ends the game; No closes the dialog.
#pragma once
#include "gameplay/ScriptBase.h"
#include "gameplay/scripts/ScriptQueries.h"

namespace Framework
{
class QuitButton : public ScriptBase
{
public:
    QuitButton() : ScriptBase("QuitButton") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;

    bool mOpen = false;       // the dialog is open as this object sees it; kept through an unpause
    ObjectHandle mQuitObject; // the last live object tagged QuitButton
};
} // namespace Framework

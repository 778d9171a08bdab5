// The how-to-play panel: shows the object tagged HowToPlayInstruction (with a
// Renderer) and hides it again at the next left click. In the main menu the
// panel opens from this object's Button and shows where it was placed; in a
// paused level this object sits at the camera centre and a click inside its
// OBB box opens the panel over the camera. Hidden, the panel waits 100 units
// up and right of the camera at alpha 0.
#pragma once
#include "core/math/MathTypes.h"
#include "gameplay/ScriptBase.h"
#include "gameplay/scripts/ScriptQueries.h"

namespace Framework
{
class HowToPlay : public ScriptBase
{
public:
    static constexpr float HiddenDistance = 100.0f; // from the camera, in x and y

    HowToPlay() : ScriptBase("HowToPlay") {}

    void Init(Behaviour*) override {}
    void Update(Behaviour* owner, float dt) override;

    bool mShowing = false;       // the panel is in view
    ObjectHandle mInstruction;   // the last live object tagged HowToPlayInstruction
    Vec3 mInstructionHome{0.0f}; // the panel's position when it was found (its main-menu place)
    Vec3 mHiddenPosition{0.0f};  // recomputed every frame from the camera
};
} // namespace Framework

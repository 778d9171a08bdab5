// The delivery van of the end scene. It idles until the apple lands in the
// winning crate (the apple's collision rules set mStarted); then its engine
// starts, it drives off with the crate and its wheels turning, a black screen
// fades in, and the last level ("Resources\LevelData\Level11") loads.
//
// What the scene must hold: "Van" with this script and an AudioComponent
// ("EndSceneTruckStay", then "EndSceneTruckMove"); "CrateWin"; any number of
// "Van_Wheel" objects with Animators; "BlackScreen" with a Renderer (without
// it the scene keeps running and never hands over). Music: "EndSceneBGM".
#pragma once
#include "core/math/MathTypes.h"
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Van : public ScriptBase
{
public:
    static constexpr float EngineStart = 0.5f; // seconds after the start before it moves
    static constexpr float FadeStart = 2.0f;   // seconds after the start the black screen fades in
    static constexpr float FadeRate = 1.0f;    // alpha per second
    static constexpr float HandOverAlpha = 0.95f;
    static constexpr float DriveSpeed = 2.5f; // units per second, to the right

    Van() = default;
    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;

    float mTime = 0.0f;       // seconds since the scene started
    Vec2 mVelocity{0.0f};     // the drive-off speed, units per second
    float mBlackAlpha = 0.0f; // the black screen's fade
    bool mStarted = false;    // set when the apple reaches "CrateWin"
};
} // namespace Framework

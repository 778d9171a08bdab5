// An air conditioner: blows its particles and lifts the apple while it is on.
// Switches (SwitchScript) turn it on and off by name: a floor switch
// "Switch"+c drives the objects named "AirCon"+c, a clickable switch drives
// "ClickableAirCon"+c and "ClickableAirCon"+(c+1). The object wants a
// ParticleComponent (the air stream) and a Body with a shape: its bodies are
// tested against the apple only, and the apple touching it while it is on
// gets its lift flag.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class AirConScript : public ScriptBase
{
public:
    // Named by the script counter: the script table gives it no name of its own.
    AirConScript() = default;

    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;

    // Speed of the air while blowing.
    static constexpr float BlowSpeed = 5.0f;

    bool mOn = false;          // written by the switches; off until one turns it on
    float mAirConSpeed = 5.0f; // "AirConSpeed": 5.0 while on, 0 while off
};
} // namespace Framework

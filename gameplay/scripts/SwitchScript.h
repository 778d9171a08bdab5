// Level switches that drive air conditioners (AirConScript) by name.
//
// Floor switch: tagged Switch, named "Switch"+c (c = the name's last
// character). It is on only while a rat (tag Rat) stands on it: then the
// objects named "AirCon"+c blow and it shows frame 3; otherwise frame 4 and
// they are off. The rat passes over it: their contact is never resolved.
//
// Clickable switch: named "ClickableSwitch"+c, with a Body and shape set
// Interactable so the mouse can pick it. A click toggles it: on runs
// "ClickableAirCon"+c and stops "ClickableAirCon"+(c+1) (c+1 is the next
// character code), off the reverse. It shows frame 0 when on and 2 when off,
// and the sprites "Aircon_Sprite"+c / "Aircon_Sprite"+(c+1) show frames 11/10
// when on and 10/11 when off. Each "ClickableAirCon"+c must come before its
// switch in the level file: the switch sets them up in its Init.
//
// Sound: "SwitchPress" on the switch's AudioComponent when it switches.
#pragma once
#include <string>
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Composition;

class SwitchScript : public ScriptBase
{
public:
    SwitchScript() : ScriptBase("SwitchScript") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void OnCollision(CollisionMessage* message, Behaviour* owner) override;

    // Frames of the switch's own Renderer.
    static constexpr int32_t ClickOnFrame = 0;
    static constexpr int32_t ClickOffFrame = 2;
    static constexpr int32_t PressedFrame = 3;
    static constexpr int32_t ReleasedFrame = 4;
    // Frames of the "Aircon_Sprite" pictures.
    static constexpr int32_t SpriteOffFrame = 10;
    static constexpr int32_t SpriteOnFrame = 11;

    bool mPressed = false;       // a rat touched the switch since the last Update
    float mTimer = 0.0f;         // seconds since Init; counted, not read
    bool mOn = false;            // the switch is on; Init turns it on
    bool mPressedInStep = false; // mPressed as this frame's Update found it, before clearing

private:
    // Sets the on flag of every AirConScript on the objects named name.
    static void SetAirCons(const std::string& name, bool on);
    void UpdateClickableAirCons(const std::string& name);
    void SyncSameNamed(const std::string& name);
    void UpdateAirConSprites(const std::string& name);
    void PressByRat(const std::string& name, Composition* object);
};
} // namespace Framework

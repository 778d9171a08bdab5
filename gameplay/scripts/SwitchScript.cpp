#include "gameplay/scripts/SwitchScript.h"
#include "core/engine/Message.h"
#include "gameplay/ScriptLookup.h"
#include "gameplay/scripts/AirConScript.h"
#include "gameplay/scripts/PropSupport.h"
#include "graphics/Renderer.h"
#include "physics/Body.h"

namespace Framework
{
namespace
{
bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

// The name's last character c, then c + 1; false for an empty name, which
// names no partners.
bool Suffixes(const std::string& name, std::string& c, std::string& next)
{
    if (name.empty())
        return false;
    c = std::string(1, name.back());
    next = std::string(1, static_cast<char>(name.back() + 1));
    return true;
}

void SetFrames(const std::string& name, int32_t frame)
{
    if (!gFactory)
        return;
    for (Composition* object : gFactory->ObjectsNamed(name))
        if (Renderer* renderer = object->GetComponent<Renderer>())
            renderer->mIndex = frame;
}

void PlaySwitchSound(Composition* object) { Props::PlayOn(object, "SwitchPress"); }
} // namespace

void SwitchScript::SetAirCons(const std::string& name, bool on)
{
    if (!gFactory)
        return;
    // A same-named object with another script is content's mistake: skip it.
    for (Composition* object : gFactory->ObjectsNamed(name))
        if (AirConScript* airCon = ScriptOf<AirConScript>(object))
            airCon->mOn = on;
}

void SwitchScript::UpdateClickableAirCons(const std::string& name)
{
    std::string c, next;
    if (!Contains(name, "Clickable") || !Suffixes(name, c, next))
        return;
    SetAirCons("ClickableAirCon" + c, mOn);
    SetAirCons("ClickableAirCon" + next, !mOn);
}

void SwitchScript::SyncSameNamed(const std::string& name)
{
    if (!Contains(name, "Clickable") || !gFactory)
        return;
    for (Composition* object : gFactory->ObjectsNamed(name))
    {
        if (Renderer* renderer = object->GetComponent<Renderer>())
            renderer->mIndex = mOn ? ClickOnFrame : ClickOffFrame;
        if (SwitchScript* other = ScriptOf<SwitchScript>(object))
            other->mOn = mOn;
    }
}

void SwitchScript::UpdateAirConSprites(const std::string& name)
{
    std::string c, next;
    if (!Contains(name, "Clickable") || !Suffixes(name, c, next))
        return;
    SetFrames("Aircon_Sprite" + c, mOn ? SpriteOnFrame : SpriteOffFrame);
    SetFrames("Aircon_Sprite" + next, mOn ? SpriteOffFrame : SpriteOnFrame);
}

void SwitchScript::PressByRat(const std::string& name, Composition* object)
{
    const bool wasOn = mOn;
    mOn = true;
    if (!wasOn)
        PlaySwitchSound(object);
    if (Renderer* renderer = object ? object->GetComponent<Renderer>() : nullptr)
        renderer->mIndex = PressedFrame;
    std::string c, next;
    if (Contains(name, "Switch") && !Contains(name, "ClickableSwitch") && Suffixes(name, c, next))
        SetAirCons("AirCon" + c, mOn);
}

void SwitchScript::Init(Behaviour* owner)
{
    mOn = true;
    mTimer = 0.0f;
    Composition* object = Props::ObjectOf(owner);
    UpdateClickableAirCons(object ? object->mName : std::string());
    Props::SetSoundKey(object, "RoachWalk");
}

void SwitchScript::OnCollision(CollisionMessage* message, Behaviour* owner)
{
    Composition* object = Props::ObjectOf(owner);
    Composition* other = message ? message->mOther : nullptr;
    if (!object || !other || other->mTag != ObjectTag::Rat)
        return;
    mPressed = true;
    PressByRat(object->mName, object);
    // The rat walks over the switch: this step must not push it back.
    if (gPhysics)
        gPhysics->RemoveContact(object->GetComponent<Body>(), other->GetComponent<Body>());
}

void SwitchScript::Update(Behaviour* owner, float dt)
{
    Composition* object = Props::ObjectOf(owner);
    if (!object)
        return;
    const std::string& name = object->mName;

    // A rat on any switch of this name keeps them all pressed. Scripts run in
    // id order: a same-named switch with a smaller id has already cleared its
    // flag this frame, so its copy from before the clearing is the one to read.
    bool pressed = false;
    if (gFactory)
        for (Composition* same : gFactory->ObjectsNamed(name))
            if (const SwitchScript* other = ScriptOf<SwitchScript>(same))
                pressed = pressed || (same->mId < object->mId ? other->mPressedInStep : other->mPressed);

    if (!pressed && object->mTag == ObjectTag::Switch)
    {
        mOn = false;
        if (Renderer* renderer = object->GetComponent<Renderer>())
            renderer->mIndex = ReleasedFrame;
        std::string c, next;
        if (Contains(name, "Switch") && Suffixes(name, c, next))
            SetAirCons("AirCon" + c, false);
    }

    if (Props::Hovered(object) && Props::Triggered(VK_LBUTTON))
    {
        mOn = !mOn;
        UpdateClickableAirCons(name);
        SyncSameNamed(name);
        UpdateAirConSprites(name);
        PlaySwitchSound(object);
    }

    mTimer += dt;
    mPressedInStep = mPressed;
    mPressed = false;
}
} // namespace Framework

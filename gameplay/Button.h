// A clickable menu button: idle, hover and locked frames through the object's
// Renderer, hover and click sounds, and on a click a switch to its target state
// and level. Level-select buttons ("Level1Pick".."Level9Pick") lock themselves
// until their level is unlocked.
#pragma once
#include <string>
#include "core/objects/Component.h"
#include "core/objects/ComponentType.h"

namespace Framework
{
class Animator;
class AudioComponent;
class Composition;
class Renderer;

class Button : public Component
{
public:
    // A button made here joins the resource manager's list; a copy does not.
    static constexpr int32_t TypeId = ComponentType::Button;

    Button();
    Button(const Button& other) = default;
    ~Button() override;

    void SerializeXml(XmlSerializer& serializer) override;
    void SerializeText(TextSerializer& serializer) override;
    void UnserializeXml(XmlSerializer& serializer) override;
    void UnserializeText(TextSerializer& serializer) override;
    void SendMessage(Message*) override {}
    bool HandlesMessages() const override { return false; }
    void Initialize() override;
    void DrawInspector() override;

    // Once a frame, after every script.
    void Update();

    uint32_t TargetState = 0; // GameState of a click; 0 or >= 12 switches nothing
    Renderer* mRenderer = nullptr;
    uint32_t mFrame = 0;        // idle frame; hover is +1, locked +2
    bool Active = false;        // for scripts; the button never reads it
    bool Hover = false;         // the mouse is over the object
    bool Click = false;         // pressed over the object (see Update)
    bool mHoverSounded = false; // the hover sound played for this hover
    std::string TargetLevel;    // level path of a click; not stored in files
    bool mPressed = false;      // released over it with an Animator: the Animator owns the frame
    uint32_t mStartFrame = 0;   // the Renderer's frame at Initialize

private:
    // Update's steps for a button under the mouse: press, click, hover.
    void UpdateHovered(Composition* owner, AudioComponent* audio, Animator* animator, Renderer* renderer);
};

// The button whose press animation is playing: no other button takes a click
// meanwhile. Cleared when that button goes and at every level flush.
extern Button* gPressedButton;
} // namespace Framework

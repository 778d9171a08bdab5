// A conveyer belt: shows its direction (sheet "ConveyerBeltGreen" running
// right, "ConveyerBeltRed" running left, frame 0) and reverses when the left
// mouse button is clicked inside its box. The apple reads the direction when
// it touches an object tagged ConveyerBelt. The object wants a Renderer, a
// Body and a box shape (OBB); without them it does nothing. The belt named
// "ConveyerBeltCollider1" starts running left.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Conveyer : public ScriptBase
{
public:
    Conveyer() : ScriptBase("Conveyer") {}

    void Init(Behaviour* owner) override;
    void Update(Behaviour* owner, float dt) override;
    void DrawInspector() override;

    bool mBeltRight = true; // "BeltRight": runs to the right (green); false: left (red)
};
} // namespace Framework

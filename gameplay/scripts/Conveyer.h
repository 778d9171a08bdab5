// A conveyer belt. This header carries the direction the apple reads; the
// belt's behaviour fills in the rest.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Conveyer : public ScriptBase
{
public:
    Conveyer() : ScriptBase("Conveyer") {}

    bool mBeltRight = true; // "BeltRight": runs to the right (green); false: left (red)
};
} // namespace Framework

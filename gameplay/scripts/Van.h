// The delivery van of the end scene. This header carries the flag the apple
// sets when it lands in the winning crate; the end scene fills in the rest.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class Van : public ScriptBase
{
public:
    Van() : ScriptBase("Van") {}

    float mTime = 0.0f;    // seconds since the scene started
    bool mStarted = false; // set when the apple reaches "CrateWin"
};
} // namespace Framework

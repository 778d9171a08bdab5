// The camera of a level. This header carries the flag the apple sets after a
// respawn; the camera behaviour fills in the rest.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class CameraScript : public ScriptBase
{
public:
    CameraScript() : ScriptBase("CameraScript") {}

    bool mRespawn = false; // glide back to the apple
};
} // namespace Framework

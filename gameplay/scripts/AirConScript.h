// An air conditioner. This header carries what the apple and the switches
// read and write; the fan's behaviour fills in the rest.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class AirConScript : public ScriptBase
{
public:
    AirConScript() : ScriptBase("AirConScript") {}

    bool mOn = true;             // written by the switches
    float mAirConSpeed = 5.0f;   // "AirConSpeed": 5.0 while on, 0 while off
};
} // namespace Framework

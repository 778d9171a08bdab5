// The level's interface: HUD, pause, win and lose screens. This header
// carries the shared won and lost flags; the interface fills in the rest.
#pragma once
#include "gameplay/ScriptBase.h"

namespace Framework
{
class UIscript : public ScriptBase
{
public:
    UIscript() : ScriptBase("UIscript") {}

    static bool sWon;  // the level is won; the win screen shows
    static bool sLost; // the level is lost; the lose screen shows
};
} // namespace Framework

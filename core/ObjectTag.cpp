#include "core/ObjectTag.h"

namespace Framework
{
const char* const gObjectTagNames[ObjectTag::Count] = {
    "None",       "Player",        "Mushroom",     "Floor",        "Wall",
    "JumpTrigger", "RotatingObject", "DeathObject", "Danger",       "ConveyerBelt",
    "Marshmallow", "DeathPlatform", "Goal",         "CheckPoint",   "Can",
    "Roach",      "RoachTop",      "HowToPlayInstruction", "Quit_No", "Quit_Yes",
    "Quit_BG",    "QuitButton",    "InterFruits",  "FakeTile",     "StartWall",
    "ButtonLeaf", "Rat",           "AirCon",       "Icicle",       "Switch",
    "ClickableSwitch", "Crate",    "Van",          "Border",       "People",
    "FrozenCan",  "Archetype",     "Custom",       "TileMap",
};
} // namespace Framework

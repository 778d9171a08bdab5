#include "core/objects/ObjectTag.h"
#include "core/engine/DebugSystem.h"

namespace Framework
{
const char* const gObjectTagNames[ObjectTag::Count] = {
    "None",
    "Player",
    "Mushroom",
    "Floor",
    "Wall",
    "JumpTrigger",
    "RotatingObject",
    "DeathObject",
    "Danger",
    "ConveyerBelt",
    "Marshmallow",
    "DeathPlatform",
    "Goal",
    "CheckPoint",
    "Can",
    "Roach",
    "RoachTop",
    "HowToPlayInstruction",
    "Quit_No",
    "Quit_Yes",
    "Quit_BG",
    "QuitButton",
    "InterFruits",
    "FakeTile",
    "StartWall",
    "ButtonLeaf",
    "Rat",
    "AirCon",
    "Icicle",
    "Switch",
    "ClickableSwitch",
    "Crate",
    "Van",
    "Border",
    "People",
    "FrozenCan",
    "Archetype",
    "Custom",
    "TileMap",
};

uint32_t TagFromFile(long long value, const std::string& where)
{
    if (value >= 0 && value < ObjectTag::Count)
        return static_cast<uint32_t>(value);
    Log("Unknown object tag " + std::to_string(value) + " in " + where + "; the object is tagged None");
    return ObjectTag::None;
}
} // namespace Framework

// The game role of an object: stored in level and archetype files, tested by
// the physics rules and the scripts.
#pragma once
#include <cstdint>
#include <string>

namespace Framework
{
namespace ObjectTag
{
enum : uint32_t
{
    None = 0,
    Player = 1,
    Mushroom = 2,
    Floor = 3,
    Wall = 4,
    JumpTrigger = 5,
    RotatingObject = 6,
    DeathObject = 7,
    Danger = 8,
    ConveyerBelt = 9,
    Marshmallow = 10,
    DeathPlatform = 11,
    Goal = 12,
    CheckPoint = 13,
    Can = 14,
    Roach = 15,
    RoachTop = 16,
    HowToPlayInstruction = 17,
    Quit_No = 18,
    Quit_Yes = 19,
    Quit_BG = 20,
    QuitButton = 21,
    InterFruits = 22,
    FakeTile = 23,
    StartWall = 24,
    ButtonLeaf = 25,
    Rat = 26,
    AirCon = 27,
    Icicle = 28,
    Switch = 29,
    ClickableSwitch = 30,
    Crate = 31,
    Van = 32,
    Border = 33,
    People = 34,
    FrozenCan = 35,
    Archetype = 36,
    Custom = 37,
    TileMap = 38,
    Count = 39,
};
}

// Names in value order, offered by the editor's object panel.
extern const char* const gObjectTagNames[ObjectTag::Count];
// A tag as read from a file: an unknown value (negative, or past the table)
// becomes None with a log line naming where it was found.
uint32_t TagFromFile(long long value, const std::string& where);
} // namespace Framework

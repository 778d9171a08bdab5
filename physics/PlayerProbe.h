// What the collision rules read from the player's script. The gameplay code
// installs a probe that reaches the script; without one, every flag reads false.
#pragma once

namespace Framework
{
class Composition;

class PlayerProbe
{
public:
    virtual ~PlayerProbe() = default;
    // Whether the object has a player script at all (the slope rule needs one).
    virtual bool HasPlayerScript(Composition*) const { return false; }
    // "mPlayerRight": the apple faces right.
    virtual bool IsFacingRight(Composition*) const { return false; }
    // "mPlayerMoving": the apple rolls.
    virtual bool IsMoving(Composition*) const { return false; }
    // The immunity flag: roaches, rats and icicles pass through.
    virtual bool IsImmune(Composition*) const { return false; }
    // Clears the lift-from-below and in-stream flags before a step.
    virtual void ClearLiftFlags(Composition*) {}
};

// Never null: a default probe until gameplay installs its own (not owned here).
PlayerProbe& GetPlayerProbe();
void SetPlayerProbe(PlayerProbe* probe); // null restores the default
} // namespace Framework

// The game's collision rules, set on the physics broad phase: which pairs of
// bodies never meet (by object tag and the apple's state), the false walls
// that turn see-through around the apple, and the win when the apple reaches
// the goal.
#pragma once

namespace Framework
{
// Sets the pair filter and the contact handler on the spatial grid (the
// gameplay system does so when it starts); Remove takes them off again.
void InstallCollisionRules();
void RemoveCollisionRules();
} // namespace Framework

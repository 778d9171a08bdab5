// The game's collision rules, set on the physics system as its pair
// callbacks: which pairs of bodies never meet (by object tag and the apple's
// state, read from its script), the false walls that turn see-through around
// the apple, and the win when the apple reaches the goal.
#pragma once

namespace Framework
{
// Sets the rules on the physics system with owner as their context (the
// gameplay system does so when it starts); Remove takes them off again when
// owner set them.
void InstallCollisionRules(void* owner);
void RemoveCollisionRules(void* owner);
} // namespace Framework

// The physics rules' view of the apple, read from its script: the played
// apple (Player) and the menu apple (BasicPlayerMovement) both answer for
// their facing and rolling; only the played one is ever immune or lifted.
#pragma once

namespace Framework
{
// Makes the physics rules read the apple scripts (idempotent).
void InstallPlayerProbe();
} // namespace Framework

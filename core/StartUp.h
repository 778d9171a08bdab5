// Builds the whole engine in its fixed order, runs the game loop, takes it down.
#pragma once

namespace Framework
{
// The program: returns 0 in every case.
int RunProgram();
} // namespace Framework

// Builds the whole engine in its fixed order, runs the game loop, takes it down.
#pragma once

namespace Framework
{
class CoreEngine;
class WindowSystem;

// Makes the GL context on the window; false, with the reason logged and on
// standard error, when there is no window or no OpenGL 3.3. Without them
// nothing can be shown: the program ends before anything is loaded.
bool DisplayReady(const WindowSystem& window);
// Adds every system in the engine's fixed order; window is the window system.
void AddEngineSystems(CoreEngine& core, WindowSystem* window);
// The program: returns 0, or 1 when no window or GL context can be made (then
// nothing is loaded or written) or memory runs out while the systems are
// built (then nothing is written).
int RunProgram();
} // namespace Framework

// The game's frame: what GameLogic does each frame and between levels, above
// the systems and the scripts it drives. The keyboard controllers, the camera,
// the global function keys, picking and dragging bodies with the mouse, the
// cursor sprite; switching, loading and flushing levels; pausing the systems.
// Install sets it on the hooks of GameLogic, the level state and the engine's
// loop, which sit below it.
#pragma once
#include <atomic>
#include <string>
#include "core/math/MathTypes.h"

namespace Framework
{
class GameLogic;
struct InputState;
struct LevelState;
class Message;

namespace GameFrame
{
// Sets every hook below on GameLogic, LevelState and CoreEngine; the program
// does so once its systems exist, as does every harness that runs frames.
void Install();

// ---- Each frame (GameFrame.cpp, BodyDrag.cpp) -----------------------------
void Update(GameLogic& logic, float dt);
// Losing the window's focus in a level pauses the loop, physics and sound.
void OnMessage(GameLogic& logic, Message* message);
// Outside the editor: fast mode, picking and dragging with the mouse.
void UpdateMouse(GameLogic& logic, const InputState& input);
void DragHeldObject(GameLogic& logic, const Vec3& mouse);
void DrawCursor(GameLogic& logic, const InputState& input);

// ---- Between levels (LevelLoading.cpp, LevelFlush.cpp) ---------------------
// Applies the current state's settings and loads its level on the loader
// thread, drawing loading frames until it is done.
void SwitchLevel(LevelState& state);
// Loads a level pair: path.dat into the tile grid, then path.xml's objects,
// each initialised in file order. Any thread; touches no GameLogic member.
void LoadLevel(const std::string& path);
// The loader thread's body: LoadLevel, the progress lines, then the done flag.
void LoadLevelThread(std::string path, std::atomic<bool>* done);
// Empties the running level: the physics pick and player body, every object,
// the render lists, every tile with its body, the scripts. The engine's loop
// calls it between states, the editor before loading a level.
void FlushLevel();

// ---- Pausing (PauseSystems.cpp) ---------------------------------------------
// Pausing stops physics and pauses the sound; the engine's SetPause calls it.
void PauseSystems(bool paused);
} // namespace GameFrame
} // namespace Framework
